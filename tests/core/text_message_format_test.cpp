#include "core/errors.h"
#include "core/message_lines.h"
#include "core/text/message_format.h"
#include "core/text/number_format.h"

#include <gtest/gtest.h>

using namespace kalvintera;

TEST(MessageFormat, FillsNumberedPlaceHoldersOnceAndLeavesTheRest)
{
    EXPECT_EQ(FormatMessage("„%1” nie jest liczbą.", {"abc"}), "„abc” nie jest liczbą.");
    EXPECT_EQ(FormatMessage("%2 / %1", {"a", "b"}), "b / a");
    // A value is shown as typed, even when it looks like a place holder.
    EXPECT_EQ(FormatMessage("%1 and %2", {"%2", "x"}), "%2 and x");
    EXPECT_EQ(FormatMessage("%1 and %3", {"a"}), "a and %3");
    EXPECT_EQ(FormatMessage("50 % of %", {"a"}), "50 % of %");
    EXPECT_EQ(FormatMessage("", {}), "");
}

TEST(MessageFormat, NumberErrorsCarryTheTextAsTyped)
{
    try {
        ParseNumber("12,5x", NumberFormat::comma());
        FAIL() << "no error";
    } catch (const ConversionError& error) {
        EXPECT_EQ(error.userMessage().line, message_line::kNotANumber);
        ASSERT_EQ(error.userMessage().values.size(), 1u);
        EXPECT_EQ(error.userMessage().values[0], "12,5x");
    }
    try {
        ParseInteger("1e3");
        FAIL() << "no error";
    } catch (const ConversionError& error) {
        EXPECT_EQ(error.userMessage().line, message_line::kNotANumber);
    }
}
