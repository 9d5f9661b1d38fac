#include "core/selection/result_sorting.h"

#include <gtest/gtest.h>

using namespace kalvintera;

namespace {

using Order = std::vector<std::size_t>;

TEST(ColumnSortOrder, NumbersCompareAsNumbersNotAsText)
{
    // As text "1003" < "271" < "98"; as numbers the other way round.
    const std::vector<std::string> texts{"271", "1003", "98", "98,5"};
    EXPECT_EQ(ColumnSortOrder(texts, SortDirection::Ascending, NumberFormat::comma()), (Order{2, 3, 0, 1}));
    EXPECT_EQ(ColumnSortOrder(texts, SortDirection::Descending, NumberFormat::comma()), (Order{1, 0, 3, 2}));
}

TEST(ColumnSortOrder, EmptyTextsStayLastAndTiesKeepTheirOrder)
{
    // A fan without a power must not head the list in either direction.
    const std::vector<std::string> texts{"", "120.5", "80", "", "120.5"};
    EXPECT_EQ(ColumnSortOrder(texts, SortDirection::Ascending, NumberFormat::point()), (Order{2, 1, 4, 0, 3}));
    EXPECT_EQ(ColumnSortOrder(texts, SortDirection::Descending, NumberFormat::point()), (Order{1, 4, 2, 0, 3}));
}

TEST(ColumnSortOrder, TextsThatAreNoNumbersFollowTheNumbers)
{
    // Joined supplies read as text; a lone supply reads as a number.
    const std::vector<std::string> texts{"230/400", "400", "KDH-250", "230"};
    EXPECT_EQ(ColumnSortOrder(texts, SortDirection::Ascending, NumberFormat::point()), (Order{3, 1, 0, 2}));
    EXPECT_EQ(ColumnSortOrder(texts, SortDirection::Descending, NumberFormat::point()), (Order{1, 3, 2, 0}));
}

TEST(ColumnSortOrder, NoRowsGiveNoOrder)
{
    EXPECT_TRUE(ColumnSortOrder({}, SortDirection::Ascending, NumberFormat::point()).empty());
}

} // namespace
