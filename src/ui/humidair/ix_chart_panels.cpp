#include "ui/humidair/ix_chart_panels.h"

#include <QGridLayout>
#include <QLabel>
#include <QPainter>
#include <QPixmap>
#include <QVBoxLayout>

namespace kalvintera {
namespace {

constexpr int kReadoutLines = 9; // X, t, i, ρ, φ, pp, pg, tr and the hidden tm

// A short stroke of the family's colour.
QLabel* LineSample(const QColor& colour)
{
    QPixmap sample(36, 10);
    sample.fill(Qt::transparent);
    QPainter painter(&sample);
    painter.setPen(QPen(colour, 2));
    painter.drawLine(2, 5, 34, 5);
    auto* label = new QLabel;
    label->setPixmap(sample);
    return label;
}

} // namespace

ReadoutPanel::ReadoutPanel(QWidget* parent) : QGroupBox(QStringLiteral("Parametry powietrza"), parent)
{
    setObjectName(QStringLiteral("readoutPanel"));
    setToolTip(QStringLiteral("Parametry powietrza w miejscu wskaźnika myszy"));
    setAutoFillBackground(true);
    auto* layout = new QVBoxLayout(this);
    layout->setSpacing(1);
    for (int k = 0; k < kReadoutLines; ++k) {
        auto* line = new QLabel;
        line->setObjectName(QStringLiteral("readout%1").arg(k));
        layout->addWidget(line);
        lines_.push_back(line);
    }
    lines_.back()->setText(QStringLiteral("tm="));
    lines_.back()->hide();
}

void ReadoutPanel::showLines(const std::vector<std::string>& lines)
{
    for (std::size_t k = 0; k < lines.size() && k + 1 < lines_.size(); ++k) {
        lines_[k]->setText(QString::fromStdString(lines[k]));
    }
}

QStringList ReadoutPanel::lines() const
{
    QStringList shown;
    for (const QLabel* line : lines_) {
        if (!line->isHidden()) shown << line->text();
    }
    return shown;
}

PressurePanel::PressurePanel(QWidget* parent) : QGroupBox(QStringLiteral("WYKRES MOLIERA"), parent)
{
    setObjectName(QStringLiteral("pressurePanel"));
    setToolTip(QStringLiteral("Ciśnienie barometryczne, dla którego narysowano wykres"));
    setAutoFillBackground(true);
    caption_ = new QLabel(QStringLiteral("pb = 1013 hPa"));
    caption_->setObjectName(QStringLiteral("pressure"));
    QFont bold = caption_->font();
    bold.setBold(true);
    caption_->setFont(bold);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(caption_);
}

void PressurePanel::showCaption(const QString& caption) { caption_->setText(caption); }

QString PressurePanel::caption() const { return caption_->text(); }

ChartLegend::ChartLegend(QWidget* parent) : QGroupBox(QStringLiteral("Legenda"), parent)
{
    setObjectName(QStringLiteral("legend"));
    setAutoFillBackground(true);
    humidity_ = new QLabel(QStringLiteral("Izolinia wilgotności"));
    density_ = new QLabel(QStringLiteral("Izolinia gęstości"));
    enthalpy_ = new QLabel(QStringLiteral("Izentalpa"));
    humidity_->setToolTip(QStringLiteral("Linie stałej wilgotności względnej"));
    density_->setToolTip(QStringLiteral("Linie stałej gęstości powietrza"));
    enthalpy_->setToolTip(QStringLiteral("Linie stałej entalpii"));
    auto* layout = new QGridLayout(this);
    layout->setVerticalSpacing(2);
    layout->addWidget(LineSample(Qt::red), 0, 0);
    layout->addWidget(humidity_, 0, 1);
    layout->addWidget(LineSample(QColor(0, 128, 0)), 1, 0);
    layout->addWidget(density_, 1, 1);
    layout->addWidget(LineSample(Qt::blue), 2, 0);
    layout->addWidget(enthalpy_, 2, 1);
    layout->setColumnStretch(1, 1);
}

void ChartLegend::bindTexts(LanguageTexts& texts)
{
    texts.add(978, [this](const QString& text) { setTitle(text); });
    texts.add(979, [this](const QString& text) { humidity_->setText(text); });
    texts.add(980, [this](const QString& text) { density_->setText(text); });
    texts.add(981, [this](const QString& text) { enthalpy_->setText(text); });
    texts.add(986, [this](const QString& text) { humidity_->setToolTip(text); });
    texts.add(987, [this](const QString& text) { density_->setToolTip(text); });
    texts.add(988, [this](const QString& text) { enthalpy_->setToolTip(text); });
}

} // namespace kalvintera
