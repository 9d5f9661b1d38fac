#include "core/order/order_list.h"

#include "core/errors.h"

#include <string>

namespace kalvintera {

OrderList::OrderList() = default;

const OrderLine& OrderList::at(int position) const
{
    static const OrderLine kEmpty;
    return position >= 0 && position < kOrderSlots ? slots_[static_cast<std::size_t>(position)] : kEmpty;
}

AppendResult OrderList::append(const OrderLine& line)
{
    if (count_ >= kOrderMaxLines) return AppendResult::OrderFull;
    OrderLine& slot = slots_[static_cast<std::size_t>(count_)];
    slot = FitOrderLine(line);
    slot.LineNo = std::to_string(count_);
    ++count_;
    return AppendResult::Appended;
}

bool OrderList::remove(int position)
{
    if (position < 0 || position >= count_) return false;
    for (int j = position; j < count_; ++j) {
        OrderLine& into = slots_[static_cast<std::size_t>(j)];
        std::string lineNo = std::move(into.LineNo);
        into = slots_[static_cast<std::size_t>(j + 1)];
        into.LineNo = std::move(lineNo);
    }
    slots_[static_cast<std::size_t>(count_ - 1)].LineNo.clear();
    --count_;
    return true;
}

bool OrderList::setQuantity(int position, const std::string& quantity)
{
    if (position < 0 || position >= count_) return false;
    OrderLine& line = slots_[static_cast<std::size_t>(position)];
    OrderLine changed = line;
    changed.Quantity = quantity;
    line = FitOrderLine(std::move(changed));
    return true;
}

void OrderList::clear()
{
    for (OrderLine& slot : slots_) ClearOrderLine(slot);
    count_ = 0;
}

OrderList OrderList::fromStoredSlots(std::span<const OrderLine> slots)
{
    if (slots.size() > static_cast<std::size_t>(kOrderSlots)) {
        throw DataError("An order holds at most " + std::to_string(kOrderMaxLines) + " lines, this one has "
                        + std::to_string(slots.size() - 1));
    }
    OrderList list;
    if (slots.empty()) return list;
    for (std::size_t i = 0; i < slots.size(); ++i) list.slots_[i] = FitOrderLine(slots[i]);
    list.count_ = static_cast<int>(slots.size()) - 1;
    // A file edited elsewhere may number its lines wrongly; the position is what counts.
    for (int p = 0; p < list.count_; ++p) list.slots_[static_cast<std::size_t>(p)].LineNo = std::to_string(p);
    return list;
}

} // namespace kalvintera
