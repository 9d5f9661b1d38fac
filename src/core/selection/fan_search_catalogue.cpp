#include "core/selection/fan_search_catalogue.h"

#include "core/catalogue/fan_curves.h"
#include "core/text/contains_text.h"

namespace kalvintera {
namespace {

// A value read once, or the error reading it raised, kept to be raised again.
template <typename Read>
void Remember(bool& read, std::exception_ptr& error, Read&& reading)
{
    if (read) return;
    read = true;
    try {
        reading();
    } catch (...) {
        error = std::current_exception();
    }
}

} // namespace

FanSearchCatalogue::FanSearchCatalogue(const DeviceTable& table, const DataFolder& data, NumberFormat format)
    : table_(table), data_(data), format_(format), slots_(static_cast<std::size_t>(kDeviceTableSlots))
{
}

FanSearchCatalogue::Slot& FanSearchCatalogue::slot(DeviceIndex index) const
{
    Slot& s = slots_[static_cast<std::size_t>(index - 1)];
    if (!s.read) {
        s.read = true;
        const DeviceRecord& record = table_.at(index);
        s.fan = ContainsText("WENTYLATOR", record.NamePl) && !record.FlowMin.empty() && !record.FlowMax.empty();
        if (s.fan) {
            try {
                s.range = ReadFlowRange(record, format_);
            } catch (...) {
                s.range_error = std::current_exception();
            }
        }
    }
    return s;
}

bool FanSearchCatalogue::isFan(DeviceIndex index) const { return DeviceTable::isValidIndex(index) && slot(index).fan; }

bool FanSearchCatalogue::isOfKind(DeviceIndex index, int kind, const char* kind_name) const
{
    signed char& known = slot(index).kinds[kind];
    if (known < 0) known = ContainsText(kind_name, table_.at(index).NamePl) ? 1 : 0;
    return known == 1;
}

FlowRange FanSearchCatalogue::range(DeviceIndex index) const
{
    const Slot& s = slot(index);
    if (s.range_error) std::rethrow_exception(s.range_error);
    return s.range;
}

FanCharacteristic FanSearchCatalogue::pressureCharacteristic(DeviceIndex index, std::uint64_t use) const
{
    const DeviceRecord& record = table_.at(index);
    Slot& s = slot(index);
    if (!record.CurveFile.empty()) {
        // Within one use of the curve cache its answer cannot change: asked once.
        if (use != 0 && s.curves_use == use && s.pressure_table.count() > 0) {
            FanCharacteristic fan;
            fan.tabulated = true;
            fan.pressure_table = s.pressure_table;
            return fan;
        }
        FanCharacteristic fan = ReadPressureCharacteristic(record, data_, format_, use);
        s.pressure_table = fan.pressure_table;
        s.efficiency_table = {};
        s.curves_use = use;
        return fan;
    }
    Remember(s.pressure_read, s.pressure_error, [&] { s.pressure_coef = ReadPolynomial(record.PressureCoef, format_); });
    if (s.pressure_error) std::rethrow_exception(s.pressure_error);
    FanCharacteristic fan;
    fan.pressure_coef = s.pressure_coef;
    return fan;
}

void FanSearchCatalogue::addEfficiency(FanCharacteristic& fan, DeviceIndex index, std::uint64_t use) const
{
    const DeviceRecord& record = table_.at(index);
    Slot& s = slot(index);
    if (fan.tabulated) {
        if (use != 0 && s.curves_use == use && s.efficiency_table.count() > 0) {
            fan.efficiency_table = s.efficiency_table;
            return;
        }
        ReadEfficiencyCharacteristic(fan, record, data_, format_, use);
        if (s.curves_use == use) s.efficiency_table = fan.efficiency_table;
        return;
    }
    Remember(s.efficiency_read, s.efficiency_error,
             [&] { s.efficiency_coef = ReadPolynomial(record.EfficiencyCoef, format_); });
    if (s.efficiency_error) std::rethrow_exception(s.efficiency_error);
    fan.efficiency_coef = s.efficiency_coef;
}

} // namespace kalvintera
