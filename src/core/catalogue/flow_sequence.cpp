#include "core/catalogue/flow_sequence.h"

#include <algorithm>
#include <cmath>

namespace kalvintera {
namespace {

// Below this the unit of the doubles is so small that the step's last bit can be a tie;
// such flows are added one at a time.
const double kLowestRuleFlow = std::ldexp(1.0, -12);
constexpr long long kMaxSingleAdditions = 4096;

} // namespace

FlowSequence::FlowSequence(double first, double step, long long last_index, double enough_above)
    : last_index_(last_index)
{
    double x = first;
    long long index = 0;
    long long single_additions = 0;
    while (index <= last_index_) {
        if (!std::isfinite(x) || !(step > 0)) {
            usable_ = false;
            return;
        }
        long long count = 0; // additions that follow the rule from here
        double increment = 0;
        if (x >= kLowestRuleFlow) {
            int exponent = 0;
            std::frexp(x, &exponent); // x in [2^(exponent-1), 2^exponent)
            const double top = std::ldexp(1.0, exponent);
            const double unit = std::ldexp(1.0, exponent - 53);
            const double units = step / unit;
            const bool tie = units - std::floor(units) == 0.5;
            increment = (x + step) - x;
            if (increment == 0) {
                // The step is lost in rounding: the flow stays where it is for good.
                runs_.push_back({index, x, 0.0});
                return;
            }
            if (!tie) {
                // Additions j = 0, 1, … follow the rule while the exact sum stays below top.
                const auto below_top = [&](long long j) { return top - (x + static_cast<double>(j) * increment) > step; };
                double guess = std::floor((top - x - step) / increment) + 1;
                count = static_cast<long long>(std::clamp(guess, 0.0, static_cast<double>(last_index_ - index + 1)));
                while (count > 0 && !below_top(count - 1)) --count;
                while (count <= last_index_ - index && below_top(count)) ++count;
            }
        }
        runs_.push_back({index, x, increment});
        if (count == 0) {
            if (++single_additions > kMaxSingleAdditions) {
                usable_ = false;
                return;
            }
        }
        const double run_end = x + static_cast<double>(count) * increment; // exact: a multiple of the unit below top
        if (run_end > enough_above) {
            // The first flow above the bound lies in this run: the sequence ends there.
            const double past = std::floor((enough_above - x) / increment);
            long long end = index + std::clamp(static_cast<long long>(std::max(past, 0.0)), 0LL, count);
            while (end > index && x + static_cast<double>(end - 1 - index) * increment > enough_above) --end;
            while (!(x + static_cast<double>(end - index) * increment > enough_above)) ++end;
            last_index_ = end;
            return;
        }
        x = run_end;
        index += count;
        // The addition across a power of two (or one at a time) as the scan does it.
        x = x + step;
        ++index;
    }
}

double FlowSequence::at(long long index) const
{
    const auto run = std::upper_bound(runs_.begin(), runs_.end(), index,
                                      [](long long i, const Run& r) { return i < r.first; }) - 1;
    return run->value + static_cast<double>(index - run->first) * run->increment;
}

long long FlowSequence::indexNear(double flow) const
{
    const auto run = std::upper_bound(runs_.begin(), runs_.end(), flow,
                                      [](double f, const Run& r) { return f < r.value; });
    if (run == runs_.begin()) return 0;
    const Run& r = *(run - 1);
    if (r.increment <= 0) return r.first;
    const double steps = std::floor((flow - r.value) / r.increment);
    const long long next_first = run == runs_.end() ? last_index_ + 1 : run->first;
    return std::clamp(r.first + static_cast<long long>(std::max(0.0, std::min(steps, 9e15))), r.first,
                      std::max(r.first, next_first - 1));
}

long long FlowSequence::firstWhere(const std::function<bool(double)>& holds, long long from, double near_flow) const
{
    const long long end = last_index_ + 1;
    if (from >= end) return end;
    if (holds(at(from))) return from;
    // Invariant: holds is false at `low`, true at `high` (end counts as true).
    long long low = from;
    long long high = end;
    long long guess = std::clamp(indexNear(near_flow), from, end - 1);
    // Gallop from the guess to a short bracket, then halve it.
    if (guess > low) {
        if (holds(at(guess))) {
            high = guess;
            for (long long width = 1; high - width > low; width *= 2) {
                if (!holds(at(high - width))) {
                    low = high - width;
                    break;
                }
                high -= width;
            }
        } else {
            low = guess;
        }
    }
    if (high == end) {
        for (long long width = 1; low + width < end; width *= 2) {
            if (holds(at(low + width))) {
                high = low + width;
                break;
            }
            low += width;
        }
    }
    while (high - low > 1) {
        const long long middle = low + (high - low) / 2;
        if (holds(at(middle))) high = middle;
        else low = middle;
    }
    return high;
}

} // namespace kalvintera
