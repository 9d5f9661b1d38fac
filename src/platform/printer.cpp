#include "platform/printer.h"

#include <QApplication>
#include <QFont>
#include <QFontDatabase>
#include <QFontMetricsF>
#include <QPageSetupDialog>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>

#include <algorithm>
#include <cmath>

namespace kalvintera {
namespace {

constexpr double kPreferredPointSize = 10.0;
constexpr double kSmallestPointSize = 4.0;
constexpr double kMarginMm = 15.0;

QFont FixedWidthFont()
{
    QFont font = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    font.setStyleHint(QFont::TypeWriter);
    font.setFixedPitch(true);
    font.setPointSizeF(kPreferredPointSize);
    return font;
}

// The font made smaller, when needed, until the widest line fits `width`.
QFont FittingFont(const QStringList& lines, double width, const QPaintDevice* device)
{
    QFont font = FixedWidthFont();
    double widest = 0;
    const QFontMetricsF metrics(font, device);
    for (const QString& line : lines) widest = std::max(widest, metrics.horizontalAdvance(line));
    if (widest > width && widest > 0) {
        font.setPointSizeF(std::max(kSmallestPointSize, std::floor(kPreferredPointSize * width / widest * 10) / 10));
    }
    return font;
}

} // namespace

QtPrinter::QtPrinter() = default;

QtPrinter::~QtPrinter() = default;

QPrinter& QtPrinter::printer()
{
    // Made on first use: finding the printers can take a moment the start need not wait for.
    if (!printer_) {
        printer_ = std::make_unique<QPrinter>(QPrinter::HighResolution);
        printer_->setPageMargins(QMarginsF(kMarginMm, kMarginMm, kMarginMm, kMarginMm), QPageLayout::Millimeter);
    }
    return *printer_;
}

void QtPrinter::showSetupDialog()
{
    QPageSetupDialog dialog(&printer(), QApplication::activeWindow());
    dialog.exec();
}

bool QtPrinter::printLines(const std::string& documentName, const std::vector<std::string>& lines)
{
    printer().setDocName(QString::fromStdString(documentName));
    QPrintDialog dialog(&printer(), QApplication::activeWindow());
    if (dialog.exec() != QDialog::Accepted) return false;
    return PrintTextLines(printer(), lines);
}

bool PrintTextLines(QPrinter& printer, const std::vector<std::string>& lines)
{
    QStringList texts;
    for (const std::string& line : lines) texts << QString::fromStdString(line);

    QPainter painter;
    if (!painter.begin(&printer)) return false;
    const QRectF area(QPointF(0, 0), printer.pageRect(QPrinter::DevicePixel).size());
    const QFont font = FittingFont(texts, area.width(), &printer);
    painter.setFont(font);
    const QFontMetricsF metrics(font, &printer);
    const int per_page = std::max(1, static_cast<int>(area.height() / metrics.lineSpacing()));

    for (int i = 0; i < texts.size(); ++i) {
        const int row = i % per_page;
        if (i > 0 && row == 0) printer.newPage();
        painter.drawText(QPointF(0, row * metrics.lineSpacing() + metrics.ascent()), texts[i]);
    }
    return painter.end();
}

} // namespace kalvintera
