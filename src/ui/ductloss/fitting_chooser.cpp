#include "ui/ductloss/fitting_chooser.h"

#include "core/ductloss/fitting_kind.h"
#include "ui/ductloss/fitting_dialog.h"
#include "ui/program.h"
#include "ui/selection/control_texts.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QIcon>
#include <QImage>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>
#include <QToolButton>
#include <QVBoxLayout>

namespace kalvintera {
namespace {

constexpr QSize kIconSize{100, 75};
constexpr int kFirstKindLine = 740;

} // namespace

FittingChooser::FittingChooser(Program& program, QWidget* parent)
    : ProgramDialog(program, Behaviour{true, true}, parent)
{
    setObjectName(QStringLiteral("fittingChooser"));
    setWindowTitle(QStringLiteral("KSZTAŁTKI"));
    texts_.add(736, [this](const QString& text) { setWindowTitle(text); });

    QLabel* heading = NewLabel(texts_, 737, QStringLiteral("WYBIERZ RODZAJ KSZTAŁTKI"));
    heading->setAlignment(Qt::AlignCenter);
    QFont bold = heading->font();
    bold.setBold(true);
    heading->setFont(bold);

    auto* grid = new QGridLayout;
    for (int kind = 1; kind <= kFittingKindCount; ++kind) {
        const FittingKindInfo& info = FittingKindOf(kind);
        auto* button = new QToolButton;
        button->setObjectName(QStringLiteral("kind%1").arg(kind));
        button->setIconSize(kIconSize);
        button->setToolButtonStyle(Qt::ToolButtonIconOnly);
        button->setFixedSize(kIconSize + QSize(10, 10));
        BindHint(texts_, kFirstKindLine + kind - 1, button,
                 QString::fromUtf8(info.name.data(), static_cast<qsizetype>(info.name.size())));
        connect(button, &QToolButton::clicked, this, [this, kind] { chooseKind(kind); });
        grid->addWidget(button, IsRoundKind(kind) ? 0 : 1, (kind - 1) % 9);
        buttons_[static_cast<std::size_t>(kind - 1)] = button;
    }

    auto* close = new QPushButton(QStringLiteral("ZAMKNIJ"));
    close->setObjectName(QStringLiteral("close"));
    BindText(texts_, 738, close);
    auto* cancel = new QPushButton(QStringLiteral("ANULUJ"));
    cancel->setObjectName(QStringLiteral("cancel"));
    BindText(texts_, 739, cancel);
    connect(close, &QPushButton::clicked, this, &FittingChooser::accept);
    connect(cancel, &QPushButton::clicked, this, &FittingChooser::reject);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(close);
    buttons->addWidget(cancel);

    auto* layout = new QVBoxLayout(this);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    layout->addWidget(heading);
    layout->addLayout(grid);
    layout->addLayout(buttons);
}

void FittingChooser::applyLanguage(const LanguageTable& table)
{
    texts_.apply(table);
}

QString FittingChooser::kindName(int kind) const
{
    const QToolButton* button = kindButton(kind);
    return button ? button->toolTip() : QString();
}

QToolButton* FittingChooser::kindButton(int kind) const
{
    return kind >= 1 && kind <= kFittingKindCount ? buttons_[static_cast<std::size_t>(kind - 1)] : nullptr;
}

void FittingChooser::chooseKind(int kind)
{
    if (fitting_) fitting_->openToAdd(kind, kindName(kind));
}

void FittingChooser::showEvent(QShowEvent* event)
{
    loadPictures();
    ProgramDialog::showEvent(event);
}

// The pictures are data files: read when the chooser first shows, so a data folder
// without them still gives working (plain) buttons.
void FittingChooser::loadPictures()
{
    if (pictures_loaded_) return;
    pictures_loaded_ = true;
    for (int kind = 1; kind <= kFittingKindCount; ++kind) {
        const std::string relative = std::string(FittingKindOf(kind).picture).substr(1);
        QImage image;
        if (program_.fileExists(relative)) image.load(QString::fromStdString(program_.path(relative).string()));
        QToolButton* button = kindButton(kind);
        if (image.isNull()) {
            button->setText(QString::number(kind));
            button->setToolButtonStyle(Qt::ToolButtonTextOnly);
        } else {
            button->setIcon(QIcon(QPixmap::fromImage(image)));
        }
    }
}

} // namespace kalvintera
