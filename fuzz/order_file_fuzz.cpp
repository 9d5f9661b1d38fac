// Order files: read, shown row by row against a catalogue, lines removed, and saved again;
// a saved order must read back as it was saved.
#include "fuzz_support.h"

#include "core/catalogue/device_table.h"
#include "core/order/order_file.h"
#include "core/order/order_rows.h"
#include "core/shell/file_io.h"

#include <cstddef>
#include <cstdint>

using namespace kalvintera;

namespace {

const DeviceTable& Catalogue()
{
    static const DeviceTable table = [] {
        DeviceTable devices;
        devices.slot(1).NamePl = "WENTYLATOR DACHOWY";
        devices.slot(1).Model = "KDH-400";
        devices.slot(kDeviceTableSlots).Model = "LAST";
        return devices;
    }();
    return table;
}

void Show(const OrderList& order)
{
    for (int first = -1; first <= OrderScrollRange(order.count()) + 1; ++first) MakeOrderRows(order, Catalogue(), first);
    for (const OrderLine& line : order.lines()) {
        // The details of a fan line put its duty point back into the selection window.
        FormatShortest(line.DutyFlow, NumberFormat::comma());
        FormatShortest(line.DutyPressure, NumberFormat::point());
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const auto file = fuzz::WriteInput(data, size, "zamowienie.kvt");
    const auto saved = file.parent_path() / "saved.kvt";
    OrderList order;
    if (!fuzz::Expecting([&] { order = ReadOrderFile(file); })) return 0;
    fuzz::Require(order.count() >= 0 && order.count() <= kOrderMaxLines, "an order of impossible size");
    Show(order);

    WriteOrderFile(saved, order);
    const std::string first_save = ReadWholeFile(saved);
    const OrderList reopened = ReadOrderFile(saved);
    fuzz::Require(reopened.count() == order.count(), "a saved order reopens with another number of lines");
    WriteOrderFile(saved, reopened);
    fuzz::Require(ReadWholeFile(saved) == first_save, "a saved order does not read back as it was saved");

    OrderList shrinking = reopened;
    while (!shrinking.empty()) {
        const int before = shrinking.count();
        fuzz::Require(shrinking.remove(before / 2), "a line of the order cannot be removed");
        fuzz::Require(shrinking.count() == before - 1, "removing a line did not shorten the order");
        Show(shrinking);
    }
    return 0;
}
