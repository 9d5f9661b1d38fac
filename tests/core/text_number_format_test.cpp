#include "core/errors.h"
#include "core/text/number_format.h"

#include <gtest/gtest.h>

using namespace kalvintera;

TEST(Placeholder, Builds) { EXPECT_EQ(FormatShortest(65.0, NumberFormat::point()), "65"); }
