#pragma once

#include "core/order/order_line.h"

#include <array>
#include <span>
#include <string>

namespace kalvintera {

// Positions 0 … 100: at most 100 lines, and the slot after the last line is always there
// (empty) because the order file ends with it.
constexpr int kOrderSlots = 101;
constexpr int kOrderMaxLines = kOrderSlots - 1;

// Language line shown when a line is added to a full order.
constexpr int kOrderFullMessageLine = 1033;

enum class AppendResult { Appended, OrderFull };

// The products on the order, in order of adding. The LineNo text of every line equals
// its position.
class OrderList {
public:
    OrderList(); // empty: every slot cleared, count 0

    int count() const { return count_; }
    bool empty() const { return count_ == 0; }

    // The slot at `position`; a position outside 0 … 100 reads as an empty line.
    const OrderLine& at(int position) const;

    // The lines, positions 0 … count − 1.
    std::span<const OrderLine> lines() const { return {slots_.data(), static_cast<std::size_t>(count_)}; }
    // What the order file holds: the lines and the slot after them (count + 1 slots).
    std::span<const OrderLine> storedSlots() const { return {slots_.data(), static_cast<std::size_t>(count_) + 1}; }

    // Puts `line` (texts cut to their fields) at position count, numbered with that
    // position, and counts it. A full order is left as it was.
    [[nodiscard]] AppendResult append(const OrderLine& line);

    // Removes the line at `position`: the lines after it move up one place, taking all
    // their fields but LineNo, which stays with its slot so the numbering stays 0, 1, 2 …
    // Returns false, changing nothing, when no line is at that position.
    bool remove(int position);

    // Gives the line at `position` a new quantity (cut to its field), leaving every other
    // field and the line's place as they were. False, changing nothing, when no line is there.
    bool setQuantity(int position, const std::string& quantity);

    // Every slot cleared, count 0.
    void clear();

    // The list a file of these slots describes: the last slot is the empty one after the
    // lines, and the lines are numbered by their position. No slots is an empty order.
    // DataError when there are more slots than the list holds.
    static OrderList fromStoredSlots(std::span<const OrderLine> slots);

    bool operator==(const OrderList&) const = default;

private:
    std::array<OrderLine, kOrderSlots> slots_;
    int count_ = 0;
};

} // namespace kalvintera
