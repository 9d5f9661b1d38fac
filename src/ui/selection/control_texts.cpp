#include "ui/selection/control_texts.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QLabel>

namespace kalvintera {

QLabel* NewLabel(LanguageTexts& texts, int line, const QString& built_in, QWidget* parent)
{
    auto* label = new QLabel(built_in, parent);
    texts.add(line, [label](const QString& text) { label->setText(text); });
    return label;
}

void BindText(LanguageTexts& texts, int line, QAbstractButton* button)
{
    texts.add(line, [button](const QString& text) { button->setText(text); });
}

void BindHint(LanguageTexts& texts, int line, QWidget* control, const QString& built_in)
{
    control->setToolTip(built_in);
    texts.add(line, [control](const QString& text) { control->setToolTip(text); });
}

void FillList(LanguageTexts& texts, QComboBox* list, int first_line, const QStringList& built_in)
{
    list->addItems(built_in);
    for (int i = 0; i < built_in.size(); ++i) {
        texts.add(first_line + i, [list, i](const QString& text) { list->setItemText(i, text); });
    }
}

const QStringList& ColourNames()
{
    static const QStringList names = {QStringLiteral("STANDARD"),  QStringLiteral("BIAŁY"),
                                      QStringLiteral("SZARY"),     QStringLiteral("ZIELONY"),
                                      QStringLiteral("CZERWONY"),  QStringLiteral("NIEBIESKI"),
                                      QStringLiteral("BRĄZOWY"),   QStringLiteral("CZARNY")};
    return names;
}

} // namespace kalvintera
