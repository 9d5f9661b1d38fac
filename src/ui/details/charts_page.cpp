#include "ui/details/charts_page.h"

#include "ui/shell/picture_button.h"

#include <QGridLayout>
#include <QPainter>
#include <QPainterPath>

namespace kalvintera {
namespace {

enum class Icon { Falling, Hump, Bars, Rising };

// A small sketch of what the button opens, drawn rather than loaded: the data folder has
// no pictures for these buttons.
QPixmap SketchIcon(Icon icon)
{
    QPixmap pixmap(96, 64);
    pixmap.fill(Qt::white);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(Qt::red, 1));
    painter.drawLine(8, 56, 90, 56);
    painter.drawLine(8, 56, 8, 4);
    painter.setPen(QPen(icon == Icon::Bars ? Qt::blue : Qt::red, 2));
    QPainterPath path;
    switch (icon) {
    case Icon::Falling:
        path.moveTo(12, 12);
        path.cubicTo(50, 14, 70, 24, 86, 52);
        break;
    case Icon::Hump:
        path.moveTo(12, 52);
        path.cubicTo(30, 4, 60, 4, 86, 46);
        break;
    case Icon::Rising:
        path.moveTo(12, 48);
        path.cubicTo(40, 30, 60, 16, 86, 10);
        break;
    case Icon::Bars:
        for (int b = 0; b < 8; ++b) painter.drawRect(12 + 9 * b, 56 - (14 + 4 * ((b * 5) % 7)), 7, 14 + 4 * ((b * 5) % 7));
        return pixmap;
    }
    painter.drawPath(path);
    return pixmap;
}

PictureButton* ChartButton(const char* name, const QStringList& lines, Icon icon)
{
    auto* button = new PictureButton(lines);
    button->setObjectName(name);
    button->setIcon(SketchIcon(icon));
    button->setIconSize(QSize(96, 64));
    button->setMinimumSize(180, 120);
    return button;
}

} // namespace

ChartsPage::ChartsPage(QWidget* parent) : QWidget(parent)
{
    pressure_ = ChartButton("pressureChart", {"Wykres", "dp=f(V)"}, Icon::Falling);
    efficiency_ = ChartButton("efficiencyChart", {"Wykres", QString::fromUtf8("η=f(V)")}, Icon::Hump);
    spectrum_ = ChartButton("spectrum", {"Widmo", "akustyczne"}, Icon::Bars);
    power_ = ChartButton("powerChart", {"Wykres", "Nel=f(V)"}, Icon::Rising);
    connect(pressure_, &QToolButton::clicked, this, &ChartsPage::pressureChartRequested);
    connect(efficiency_, &QToolButton::clicked, this, &ChartsPage::efficiencyChartRequested);
    connect(spectrum_, &QToolButton::clicked, this, &ChartsPage::spectrumRequested);
    connect(power_, &QToolButton::clicked, this, &ChartsPage::powerChartRequested);

    auto* layout = new QGridLayout(this);
    layout->addWidget(pressure_, 0, 0);
    layout->addWidget(efficiency_, 0, 1);
    layout->addWidget(spectrum_, 1, 0);
    layout->addWidget(power_, 1, 1);

    texts_.add(334, [this](const QString& text) {
        for (PictureButton* button : {pressure_, efficiency_, power_}) button->setCaptionLine(0, text);
    });
    texts_.add(335, [this](const QString& text) { pressure_->setCaptionLine(1, text); });
    texts_.add(336, [this](const QString& text) { efficiency_->setCaptionLine(1, text); });
    texts_.add(337, [this](const QString& text) { spectrum_->setCaptionLine(0, text); });
    texts_.add(338, [this](const QString& text) { spectrum_->setCaptionLine(1, text); });
    texts_.add(339, [this](const QString& text) { power_->setCaptionLine(1, text); });
}

void ChartsPage::applyLanguage(const LanguageTable& table)
{
    texts_.apply(table);
}

void ChartsPage::enableButtons(bool charts, bool spectrum)
{
    for (PictureButton* button : {pressure_, efficiency_, power_}) button->setEnabled(charts);
    spectrum_->setEnabled(spectrum);
}

} // namespace kalvintera
