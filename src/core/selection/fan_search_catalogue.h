#pragma once

#include "core/catalogue/characteristic.h"
#include "core/catalogue/device_table.h"
#include "core/shell/data_folder.h"
#include "core/text/number_format.h"

#include <cstdint>
#include <exception>
#include <optional>
#include <vector>

namespace kalvintera {

// What a fan search reads from each record — whether it is a fan, its flow range, its
// polynomials — read on first need and kept, so that many searches over one catalogue (a
// schedule) read each record once. A record whose texts do not read keeps its error, which
// is raised again exactly where a search would have met it. Curve files still go through
// the data folder's cache. Valid while the table is not changed.
class FanSearchCatalogue {
public:
    FanSearchCatalogue(const DeviceTable& table, const DataFolder& data, NumberFormat format);

    const DeviceTable& table() const { return table_; }
    const DataFolder& data() const { return data_; }
    NumberFormat format() const { return format_; }

    // A fan with both ends of its flow range given.
    bool isFan(DeviceIndex index) const;
    // ContainsText(kind_name, NamePl), kept per kind name's address (the search's three
    // kind names are constants).
    bool isOfKind(DeviceIndex index, int kind, const char* kind_name) const;
    // ReadFlowRange of the record, with its RecordDataError.
    FlowRange range(DeviceIndex index) const;
    // ReadPressureCharacteristic and ReadEfficiencyCharacteristic of the record.
    FanCharacteristic pressureCharacteristic(DeviceIndex index, std::uint64_t use) const;
    void addEfficiency(FanCharacteristic& fan, DeviceIndex index, std::uint64_t use) const;

private:
    struct Slot {
        bool read = false;
        bool fan = false;
        FlowRange range;
        std::exception_ptr range_error;
        bool pressure_read = false;
        Polynomial4 pressure_coef{};
        std::exception_ptr pressure_error;
        bool efficiency_read = false;
        Polynomial4 efficiency_coef{};
        std::exception_ptr efficiency_error;
        signed char kinds[3] = {-1, -1, -1}; // unknown, no, yes per kind
        // The curve tables as last read, and the cache use they were read in.
        std::uint64_t curves_use = 0;
        SharedCurveTable pressure_table;
        SharedCurveTable efficiency_table;
    };
    Slot& slot(DeviceIndex index) const;

    const DeviceTable& table_;
    DataFolder data_;
    NumberFormat format_;
    mutable std::vector<Slot> slots_;
};

} // namespace kalvintera
