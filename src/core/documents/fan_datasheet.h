#pragma once

#include "core/details/characteristic_chart.h"
#include "core/documents/datasheet_context.h"
#include "core/documents/document_composer.h"
#include "core/order/order_list.h"
#include "core/selection/duty_point.h"
#include "core/shell/work_progress.h"

#include <optional>
#include <span>

namespace kalvintera {

// One product of a data sheet: a fan at its duty point (with the regulation its pressure
// chart shows), or any product without one.
struct DatasheetRequest {
    DeviceIndex device = 0;
    std::optional<DutyPoint> duty;
    Regulation regulation = Regulation::None;
};

// The header every page of a data sheet document carries: the maker's logo, the program's
// name and version, the date, the customer where an order is open, and "n / N".
DocumentComposer::HeaderFn DatasheetHeader(const DatasheetContext& context);
inline constexpr double kDatasheetHeaderHeightMm = 22.0;

// Whether the record is a fan with a characteristic (an accessory's loss curve is none).
bool HasCharacteristic(const DeviceRecord& device);

// Adds the sheet of one product from a new page: the product, the duty point asked and the
// operating point found, the energy figures, the three characteristic charts, the acoustic
// spectrum, the technical and dimension tables with the drawing, and the accessories. A
// product without a characteristic (a ventilator, an accessory) gets the short sheet: name,
// model, picture, description and technical data. Throws the errors of the chart drawing
// (a curve file missing, a field that is not a number) and DataError for a duty point the
// fan does not reach.
void AddDatasheet(DocumentComposer& composer, const DatasheetContext& context, const DatasheetRequest& request);

// The name a saved sheet is offered under: "<model>_<flow>_<pressure>.pdf", the texts as the
// user typed them, with characters no file name may hold (path separators among them) as "_".
std::string DatasheetFileName(const std::string& model, const std::string& flow, const std::string& pressure);

// The data sheet of one product.
Document MakeDatasheet(const DatasheetContext& context, const DatasheetRequest& request);

// The data sheets of an order: a cover page with the customer and the order lines, then the
// sheet of every product line in order (fans at the duty point stored with their line). One
// step of `progress` per product; none when cancelled. DataError when the order holds no
// product.
std::optional<Document> MakeOrderDatasheets(const DatasheetContext& context, const OrderList& order,
                                            const WorkProgress& progress = {});
// The same for lines that need not fit an order (a schedule's chosen fans may be more).
std::optional<Document> MakeOrderDatasheets(const DatasheetContext& context, std::span<const OrderLine> lines,
                                            const WorkProgress& progress = {});

} // namespace kalvintera
