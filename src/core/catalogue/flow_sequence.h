#pragma once

#include <functional>
#include <limits>
#include <vector>

namespace kalvintera {

// The flows the operating-point scan visits: the first, then each the one before plus a
// fixed step, added in double arithmetic one at a time. Any of them by its index, without
// the additions before it: between two powers of two every double is a multiple of the
// same unit, so adding the step rounds the same way each time and n additions are one
// product, except at the crossing of a power of two and where the step is a tie at the
// unit (both taken one addition at a time).
class FlowSequence {
public:
    // Indices 0 … last_index, or fewer: when `enough_above` is given, the sequence ends
    // with the first flow above it (lastIndex() tells where).
    FlowSequence(double first, double step, long long last_index,
                 double enough_above = std::numeric_limits<double>::infinity());

    // False when so many values must be added one at a time (a start far below zero) that
    // the scan itself is as quick.
    bool usable() const { return usable_; }

    long long lastIndex() const { return last_index_; }
    double at(long long index) const;

    // The first index from `from` on whose flow satisfies `holds`, which must hold for a
    // flow once it holds for a smaller one; lastIndex() + 1 when none does. `near_flow` is a
    // flow at which `holds` starts to hold, as far as the caller can tell: a guess that makes
    // the search short, never one that changes its answer.
    long long firstWhere(const std::function<bool(double)>& holds, long long from, double near_flow) const;

    // The index whose flow lies nearest below or at `flow`, roughly: a guess for firstWhere.
    long long indexNear(double flow) const;

private:
    struct Run {
        long long first;  // index of `value`
        double value;
        double increment; // value(first + j) = value + j · increment, exactly
    };
    std::vector<Run> runs_;
    long long last_index_;
    bool usable_ = true;
};

} // namespace kalvintera
