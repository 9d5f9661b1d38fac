#include "documents/document_pdf_writer.h"

#include "core/errors.h"
#include "core/shell/file_io.h"
#include "documents/display_list_painter.h"
#include "platform/jpeg_image.h"

#include <QBuffer>
#include <QFont>
#include <QFontMetricsF>
#include <QImage>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QTextLayout>

#include <algorithm>
#include <cmath>
#include <map>
#include <string>
#include <type_traits>

namespace kalvintera {
namespace {

constexpr int kResolutionDpi = 300;
constexpr double kMmPerInch = 25.4;
constexpr double kPixelsPerMm = kResolutionDpi / kMmPerInch;
// The charts are drawn for a screen of this resolution.
constexpr double kScreenDpi = 96.0;
// A font every Debian desktop has, with Polish and Cyrillic letters.
const char* const kFontFamily = "DejaVu Sans";

QRectF ToDevice(const BlockRect& rect)
{
    return QRectF(rect.x_mm * kPixelsPerMm, rect.y_mm * kPixelsPerMm, rect.width_mm * kPixelsPerMm,
                  rect.height_mm * kPixelsPerMm);
}

QFont FontFor(TextStyle style)
{
    QFont font(QString::fromLatin1(kFontFamily));
    switch (style) {
    case TextStyle::Body: font.setPointSizeF(9); break;
    case TextStyle::Bold: font.setPointSizeF(9); font.setBold(true); break;
    case TextStyle::Small: font.setPointSizeF(7.5); break;
    case TextStyle::Heading: font.setPointSizeF(11); font.setBold(true); break;
    case TextStyle::Title: font.setPointSizeF(15); font.setBold(true); break;
    }
    return font;
}

Qt::Alignment AlignmentFor(TextAlign align)
{
    switch (align) {
    case TextAlign::Centre: return Qt::AlignHCenter;
    case TextAlign::Right: return Qt::AlignRight;
    case TextAlign::Left: break;
    }
    return Qt::AlignLeft;
}

void PaintText(QPainter& painter, const TextBlock& block)
{
    painter.setFont(FontFor(block.style));
    painter.setPen(Qt::black);
    // Wrapped at word boundaries and clipped to the block: what does not fit is cut, never
    // drawn over the next block.
    painter.save();
    const QRectF rect = ToDevice(block.rect);
    painter.setClipRect(rect);
    painter.drawText(rect, static_cast<int>(AlignmentFor(block.align) | Qt::AlignTop | Qt::TextWordWrap),
                     QString::fromStdString(block.text));
    painter.restore();
}

void PaintTable(QPainter& painter, const TableBlock& table)
{
    const QRectF area = ToDevice(table.rect);
    const double row_height = table.row_height_mm * kPixelsPerMm;
    const double padding = 1.2 * kPixelsPerMm;
    QPen grid(QColor(150, 150, 150));
    grid.setWidthF(0.2 * kPixelsPerMm);
    QFont body = FontFor(TextStyle::Small);
    QFont bold = body;
    bold.setBold(true);
    for (std::size_t r = 0; r < table.rows.size(); ++r) {
        const bool heading = table.heading && r == 0;
        double x = area.left();
        const double y = area.top() + static_cast<double>(r) * row_height;
        if (heading) painter.fillRect(QRectF(area.left(), y, area.width(), row_height), QColor(225, 232, 240));
        painter.setFont(heading ? bold : body);
        const QFontMetricsF metrics(painter.font());
        for (std::size_t c = 0; c < table.column_widths_mm.size(); ++c) {
            const double width = table.column_widths_mm[c] * kPixelsPerMm;
            const QRectF cell(x, y, width, row_height);
            painter.setPen(grid);
            painter.setBrush(Qt::NoBrush);
            painter.drawRect(cell);
            if (c < table.rows[r].size()) {
                painter.setPen(Qt::black);
                const QString text = metrics.elidedText(QString::fromStdString(table.rows[r][c]), Qt::ElideRight,
                                                        width - 2 * padding);
                painter.drawText(cell.adjusted(padding, 0, -padding, 0), Qt::AlignVCenter | Qt::AlignLeft, text);
            }
            x += width;
        }
    }
}

// Pictures decoded once per document: the PDF then holds each picture once, however many
// pages show it (the logo is on every page).
using PictureCache = std::map<std::string, QImage>;

void PaintPicture(QPainter& painter, const PictureBlock& block, const DataFolder& data, PictureCache& pictures)
{
    auto found = pictures.find(block.file);
    if (found == pictures.end()) {
        QImage loaded;
        try {
            loaded = LoadJpeg(data.resolve(block.file));
        } catch (const FileError&) {
            // a name outside the data folder draws nothing
        }
        found = pictures.emplace(block.file, loaded).first;
    }
    const QImage& image = found->second;
    if (image.isNull()) return; // a missing picture leaves its place empty, as the windows do
    const QRectF rect = ToDevice(block.rect);
    QSizeF size = QSizeF(image.size()).scaled(rect.size(), Qt::KeepAspectRatio);
    const QRectF target(rect.left() + (rect.width() - size.width()) / 2, rect.top(), size.width(), size.height());
    painter.drawImage(target, image);
}

void PaintChart(QPainter& painter, const ChartBlock& block)
{
    if (block.chart.width <= 0 || block.chart.height <= 0) return;
    const QRectF rect = ToDevice(block.rect);
    painter.save();
    painter.setClipRect(rect);
    painter.translate(rect.topLeft());
    painter.scale(rect.width() / block.chart.width, rect.height() / block.chart.height);
    // Scaled with its chart, a full-width chart's labels would outgrow the page's own text and
    // cross its axes. Enlarged charts take the square root of their scale for their texts; a
    // reduced one keeps its texts in proportion, as that is all the room its axes leave them.
    const double chart_scale = block.rect.width_mm / kMmPerInch * kScreenDpi / block.chart.width;
    const double text_scale = chart_scale > 1.0 ? 1.0 / std::sqrt(chart_scale) : 1.0;
    PaintDisplayList(painter, block.chart, ChartTextSize::ScreenPixels, text_scale);
    painter.restore();
}

void PaintRule(QPainter& painter, const RuleBlock& block)
{
    QPen pen(QColor(90, 90, 90));
    pen.setWidthF(0.3 * kPixelsPerMm);
    painter.setPen(pen);
    const QRectF rect = ToDevice(block.rect);
    painter.drawLine(QPointF(rect.left(), rect.top()), QPointF(rect.right(), rect.top()));
}

void PaintDocument(QPdfWriter& writer, const Document& document, const DataFolder& data)
{
    writer.setResolution(kResolutionDpi);
    writer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(0, 0, 0, 0)));
    writer.setTitle(QString::fromStdString(document.title));
    writer.setCreator(QStringLiteral("KALVINTERA"));
    QPainter painter(&writer);
    painter.setRenderHint(QPainter::Antialiasing);
    PictureCache pictures;
    bool first = true;
    for (const DocumentPage& page : document.pages) {
        if (!first) writer.newPage();
        first = false;
        for (const DocumentBlock& block : page.blocks) {
            std::visit(
                [&](const auto& it) {
                    using Block = std::decay_t<decltype(it)>;
                    if constexpr (std::is_same_v<Block, TextBlock>) PaintText(painter, it);
                    else if constexpr (std::is_same_v<Block, TableBlock>) PaintTable(painter, it);
                    else if constexpr (std::is_same_v<Block, PictureBlock>) PaintPicture(painter, it, data, pictures);
                    else if constexpr (std::is_same_v<Block, ChartBlock>) PaintChart(painter, it);
                    else PaintRule(painter, it);
                },
                block);
        }
    }
    painter.end();
}

} // namespace

std::string DocumentPdfBytes(const Document& document, const DataFolder& data)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    {
        QPdfWriter writer(&buffer);
        PaintDocument(writer, document, data);
    }
    return std::string(bytes.constData(), static_cast<std::size_t>(bytes.size()));
}

void WriteDocumentPdf(const Document& document, const DataFolder& data, const std::filesystem::path& file)
{
    WriteFileAtomically(file, DocumentPdfBytes(document, data));
}

} // namespace kalvintera
