#include "ui/humidair/air_calculator_help.h"

#include "ui/program.h"

#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace kalvintera {
namespace {

constexpr int kFirstTextLine = 542;

const char* const kBuiltInLines[] = {
    "Pomoc programu:",
    "",
    "Program wylicza na podstawie dwóch zadanych parametrów powietrza",
    "wilgotnego pozostałe osiem. Należy każdorazowo podać np.: temperaturę",
    "powietrza \"t\" oraz np.: entalpię powietrza \"i\" lub inną kombinację dwóch",
    "parametrów, które zostały wymienione poniżej:",
    "Wymagane kombinację zadawanych parametrów:",
    "",
    "i - x - entalpia - stopień zawilżenia powietrza",
    "i - t - entalpia - temperatura powietrza",
    "i - f - entalpia - wilgotność względna",
    "x - t - stopień zawilżenia - temperatura powietrza",
    "x - f - stopień zawilżenia - wilgotność względna",
    "t - f - temperatura - wilgotność względna",
};

} // namespace

AirCalculatorHelp::AirCalculatorHelp(Program& program, QWidget* parent)
    : ProgramDialog(program, Behaviour{true, true}, parent)
{
    setObjectName(QStringLiteral("airCalculatorHelp"));
    setWindowTitle(QStringLiteral("Pomoc kalkulatora powietrza"));
    // Unlike the other fading dialogs this one is opaque until its fade begins.
    setWindowOpacity(1.0);

    text_ = new QPlainTextEdit;
    text_->setObjectName(QStringLiteral("helpText"));
    text_->setReadOnly(true);
    text_->setLineWrapMode(QPlainTextEdit::NoWrap);
    text_->setMinimumSize(560, 300);
    close_ = new QPushButton(QStringLiteral("Zamknij"));
    close_->setObjectName(QStringLiteral("close"));
    connect(close_, &QPushButton::clicked, this, &QDialog::accept);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(text_);
    layout->addWidget(close_, 0, Qt::AlignRight);

    for (const char* line : kBuiltInLines) lines_ << QString::fromUtf8(line);
    showLines();

    texts_.add(540, [this](const QString& text) { setWindowTitle(text); });
    texts_.add(541, [this](const QString& text) { close_->setText(text); });
    for (int k = 0; k < lines_.size(); ++k) {
        texts_.add(kFirstTextLine + k, [this, k](const QString& text) { lines_[k] = text; });
    }
}

void AirCalculatorHelp::showLines()
{
    text_->setPlainText(lines_.join(QLatin1Char('\n')));
}

void AirCalculatorHelp::applyLanguage(const LanguageTable& table)
{
    texts_.apply(table);
    showLines();
}

} // namespace kalvintera
