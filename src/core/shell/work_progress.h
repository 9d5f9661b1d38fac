#pragma once

#include <atomic>
#include <functional>

namespace kalvintera {

// What long work (a schedule, the data sheets of an order) tells its caller as it goes, and
// how the caller asks it to stop: `report(done, total)` after each step, from a thread the
// work runs on (long work may use several at once); the work stops at the next step once
// `cancel` is set.
struct WorkProgress {
    std::function<void(int done, int total)> report;
    const std::atomic<bool>* cancel = nullptr;

    bool cancelled() const { return cancel != nullptr && cancel->load(); }
    void step(int done, int total) const
    {
        if (report) report(done, total);
    }
};

} // namespace kalvintera
