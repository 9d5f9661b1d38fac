#pragma once

namespace kalvintera {

// What throttling leaves to the control element calculator: the surplus pressure the
// element must absorb and the flow through it, both to one decimal.
struct ThrottlingValues {
    double surplus_pressure_pa = 0;
    double flow_m3h = 0;
    bool operator==(const ThrottlingValues&) const = default;
};

} // namespace kalvintera
