#include "dimension_drawings.h"

#include "dimension_views.h"
#include "picture_kit.h"

#include <QFontMetricsF>

#include <algorithm>
#include <vector>

namespace kalvintera::pictures {
namespace {

constexpr int kWidth = 770;
constexpr int kHeight = 508;
constexpr qreal kTableLeft = 474;
constexpr qreal kTableRight = kWidth - 18;

// The dimension fields any record of the drawing gives, in field order.
std::vector<std::size_t> UsedDimensions(const NamedPicture& drawing)
{
    std::vector<std::size_t> used;
    for (std::size_t k = 0; k < drawing.records.front()->Dimensions.size(); ++k) {
        const bool given = std::any_of(drawing.records.begin(), drawing.records.end(),
                                       [k](const DeviceRecord* record) { return !record->Dimensions[k].empty(); });
        if (given) used.push_back(k);
    }
    return used;
}

void Frame(QPainter& painter)
{
    painter.setPen(QPen(colour::kInk, 1.6));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(QRectF(8, 8, kWidth - 16, kHeight - 16));
    painter.setPen(QPen(colour::kInk, 0.8));
    painter.drawLine(QPointF(kTableLeft - 10, 8), QPointF(kTableLeft - 10, kHeight - 8));
}

// The largest font, from 11 pixels down, in which every model and dimension text fits its
// column; the model column takes what its longest text needs.
struct TableFit {
    QFont font;
    qreal model_width = 0;
    qreal column_width = 0;
};

TableFit FitTable(const NamedPicture& drawing, const std::vector<std::size_t>& used)
{
    TableFit fit;
    const qreal width = kTableRight - kTableLeft;
    for (int pixels = 11; pixels >= 8; --pixels) {
        fit.font = Font(pixels);
        const QFontMetricsF metrics(fit.font);
        qreal widest_model = 0;
        qreal widest_value = 0;
        for (const DeviceRecord* record : drawing.records) {
            widest_model = std::max(widest_model, metrics.horizontalAdvance(QString::fromStdString(record->Model)));
            for (std::size_t k : used) {
                widest_value = std::max(widest_value, metrics.horizontalAdvance(QString::fromStdString(record->Dimensions[k])));
            }
        }
        fit.model_width = std::max(56.0, widest_model + 14);
        fit.column_width = (width - fit.model_width) / std::max<qreal>(1, static_cast<qreal>(used.size()));
        if (widest_value + 6 <= fit.column_width) break;
    }
    return fit;
}

// Returns the bottom of the table.
qreal DimensionTable(QPainter& painter, const NamedPicture& drawing, const std::vector<std::size_t>& used)
{
    const qreal top = 22;
    const TableFit fit = FitTable(drawing, used);
    const qreal model_width = fit.model_width;
    const qreal column_width = fit.column_width;
    const qreal row_height = std::min(24.0, 300.0 / static_cast<qreal>(drawing.records.size() + 1));

    painter.setFont(Font(12, true));
    painter.setPen(colour::kNavy);
    painter.drawText(QRectF(kTableLeft, top, kTableRight - kTableLeft, 20), Qt::AlignLeft | Qt::AlignVCenter,
                     QStringLiteral("WYMIARY [mm]"));

    const qreal header = top + 26;
    painter.setPen(Qt::NoPen);
    painter.setBrush(colour::kNavy);
    painter.drawRect(QRectF(kTableLeft, header, kTableRight - kTableLeft, row_height));
    painter.setFont(Font(11, true));
    painter.setPen(Qt::white);
    painter.drawText(QRectF(kTableLeft + 6, header, model_width, row_height), Qt::AlignLeft | Qt::AlignVCenter,
                     QStringLiteral("Typ"));
    for (std::size_t c = 0; c < used.size(); ++c) {
        painter.drawText(QRectF(kTableLeft + model_width + c * column_width, header, column_width, row_height),
                         Qt::AlignCenter, DimensionLetter(used[c]));
    }

    painter.setFont(fit.font);
    qreal y = header + row_height;
    for (std::size_t r = 0; r < drawing.records.size(); ++r) {
        const DeviceRecord& record = *drawing.records[r];
        const QRectF row(kTableLeft, y, kTableRight - kTableLeft, row_height);
        painter.setPen(Qt::NoPen);
        painter.setBrush(r % 2 == 0 ? QColor(240, 244, 249) : QColor(255, 255, 255));
        painter.drawRect(row);
        painter.setPen(QPen(QColor(214, 220, 228), 0.6));
        for (std::size_t c = 0; c < used.size(); ++c) {
            const qreal x = kTableLeft + model_width + c * column_width;
            painter.drawLine(QPointF(x, y), QPointF(x, y + row_height));
        }
        painter.setPen(colour::kInk);
        painter.drawText(QRectF(kTableLeft + 6, y, model_width - 6, row_height), Qt::AlignLeft | Qt::AlignVCenter,
                         QString::fromStdString(record.Model));
        for (std::size_t c = 0; c < used.size(); ++c) {
            painter.drawText(QRectF(kTableLeft + model_width + c * column_width, y, column_width, row_height),
                             Qt::AlignCenter, QString::fromStdString(record.Dimensions[used[c]]));
        }
        y += row_height;
    }
    painter.setPen(QPen(QColor(160, 170, 182), 0.8));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(QRectF(kTableLeft, header, kTableRight - kTableLeft, y - header));
    return y;
}

void Notes(QPainter& painter, qreal top, const std::vector<std::size_t>& used)
{
    QStringList lines;
    lines << QStringLiteral("Wymiary w milimetrach.");
    if (std::find(used.begin(), used.end(), 10) != used.end()) {
        lines << QStringLiteral("n – liczba otworów montażowych.");
    }
    lines << QStringLiteral("Rysunek poglądowy, bez skali.");
    painter.setFont(Font(10));
    painter.setPen(QColor(80, 88, 98));
    painter.drawText(QRectF(kTableLeft, top + 10, kTableRight - kTableLeft, 60), Qt::AlignLeft | Qt::AlignTop,
                     lines.join('\n'));
}

void TitleBlock(QPainter& painter, const NamedPicture& drawing)
{
    const QRectF block(kTableLeft, kHeight - 98, kTableRight - kTableLeft, 80);
    painter.setPen(QPen(colour::kInk, 1.0));
    painter.setBrush(Qt::white);
    painter.drawRect(block);
    painter.drawLine(QPointF(block.left(), block.top() + 30), QPointF(block.right(), block.top() + 30));
    painter.drawLine(QPointF(block.left() + 34, block.top()), QPointF(block.left() + 34, block.top() + 30));

    DrawFanEmblem(painter, QPointF(block.left() + 17, block.top() + 15), 11, colour::kBlue, colour::kNavy);
    DrawSpacedText(painter, QRectF(block.left() + 44, block.top(), block.width() - 52, 30), QStringLiteral("KALVINTERA"),
                   Font(15, true), colour::kNavy, 118, Qt::AlignVCenter | Qt::AlignLeft);

    painter.setPen(colour::kInk);
    painter.setFont(Font(14, true));
    painter.drawText(QRectF(block.left() + 8, block.top() + 32, block.width() - 16, 22), Qt::AlignLeft | Qt::AlignVCenter,
                     QString::fromStdString(drawing.label));
    painter.setFont(Font(9));
    painter.setPen(QColor(80, 88, 98));
    painter.drawText(QRectF(block.left() + 8, block.top() + 52, block.width() - 16, 26),
                     Qt::AlignLeft | Qt::AlignVCenter | Qt::TextWordWrap,
                     QString::fromStdString(drawing.records.front()->NamePl));
}

} // namespace

QImage DimensionDrawing(const NamedPicture& drawing)
{
    QImage image = Canvas(kWidth, kHeight, colour::kPaper);
    QPainter painter(&image);
    PrepareTidy(painter);
    Frame(painter);
    const std::vector<std::size_t> used = UsedDimensions(drawing);
    DrawDimensionViews(painter, drawing.kind, QRectF(16, 16, kTableLeft - 34, kHeight - 32),
                       DimensionValues(*drawing.records.front()));
    const qreal table_bottom = DimensionTable(painter, drawing, used);
    Notes(painter, table_bottom, used);
    TitleBlock(painter, drawing);
    return image;
}

} // namespace kalvintera::pictures
