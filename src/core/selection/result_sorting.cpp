#include "core/selection/result_sorting.h"

#include "core/errors.h"

#include <algorithm>
#include <cmath>
#include <numeric>
#include <optional>

namespace kalvintera {
namespace {

// What a text sorts by: its rank (number, other text, empty), then the number or the text.
struct SortKey {
    int rank = 0;
    double number = 0;
    const std::string* text = nullptr;
};

SortKey KeyOf(const std::string& text, NumberFormat format)
{
    if (text.empty()) return {2, 0, &text};
    try {
        const double number = ParseNumber(text, format);
        if (!std::isnan(number)) return {0, number, &text};
    } catch (const ConversionError&) {
    }
    return {1, 0, &text};
}

// Whether `a` goes before `b` within one rank, in the direction asked.
bool Before(const SortKey& a, const SortKey& b, SortDirection direction)
{
    const bool ascending = direction == SortDirection::Ascending;
    if (a.rank == 0) return ascending ? a.number < b.number : b.number < a.number;
    if (a.rank == 1) return ascending ? *a.text < *b.text : *b.text < *a.text;
    return false;
}

} // namespace

std::vector<std::size_t> ColumnSortOrder(const std::vector<std::string>& texts, SortDirection direction,
                                         NumberFormat format)
{
    std::vector<SortKey> keys;
    keys.reserve(texts.size());
    for (const std::string& text : texts) keys.push_back(KeyOf(text, format));
    std::vector<std::size_t> order(texts.size());
    std::iota(order.begin(), order.end(), std::size_t{0});
    std::stable_sort(order.begin(), order.end(), [&](std::size_t a, std::size_t b) {
        if (keys[a].rank != keys[b].rank) return keys[a].rank < keys[b].rank;
        return Before(keys[a], keys[b], direction);
    });
    return order;
}

} // namespace kalvintera
