#include "core/errors.h"
#include "core/shell/update_check.h"

#include <gtest/gtest.h>

using namespace kalvintera;

TEST(UpdateCheck, VersionsCompareAtThreeDecimals)
{
    EXPECT_FALSE(IsNewerVersion("1.0412", 1.041, NumberFormat::point()));
    EXPECT_TRUE(IsNewerVersion("1,05", 1.04, NumberFormat::point()));
    EXPECT_TRUE(IsNewerVersion("1.05", 1.04, NumberFormat::comma()));
    EXPECT_FALSE(IsNewerVersion("1.04", 1.04, NumberFormat::point()));
    EXPECT_FALSE(IsNewerVersion("1.03", 1.04, NumberFormat::point()));
    EXPECT_FALSE(IsNewerVersion("1.0425", 1.042, NumberFormat::point())); // the half goes to the even 1.042
    EXPECT_TRUE(IsNewerVersion(" 2 ", 1.999, NumberFormat::point()));
    EXPECT_THROW(IsNewerVersion("wersja 2", 1, NumberFormat::point()), ConversionError);
}

TEST(UpdateCheck, VersionFileReadsAtMostFiveLines)
{
    const VersionFile file = ParseVersionFile("1.05\r\nnot used\r\n http://example.com/pub/setup_2_0.exe \r\n4\n5\r6\r\n7\r\n");
    ASSERT_EQ(file.lines.size(), 5u);
    EXPECT_EQ(file.newestVersion(), "1.05");
    EXPECT_EQ(file.installerAddress(), "http://example.com/pub/setup_2_0.exe");
    EXPECT_EQ(file.line(5), "5");
    EXPECT_EQ(file.line(6), "");

    EXPECT_EQ(ParseVersionFile("").newestVersion(), "");
    EXPECT_EQ(ParseVersionFile("\r\nx\r\nhttp://a/b.exe").newestVersion(), "");
    EXPECT_EQ(ParseVersionFile("\r\nx\r\nhttp://a/b.exe").installerAddress(), "http://a/b.exe");
    EXPECT_EQ(ParseVersionFile("1.1").lines.size(), 1u);
}

TEST(UpdateCheck, InstallerNameIsAPlainFileName)
{
    EXPECT_EQ(InstallerFileName("http://example.com/kalvintera/setup_2_0.exe"), "setup_2_0.exe");
    EXPECT_EQ(InstallerFileName("http://example.com/setup.exe?from=program#top"), "setup.exe");
    EXPECT_EQ(InstallerFileName("http://example.com/a\\..\\..\\setup.exe"), "setup.exe");
    EXPECT_EQ(InstallerFileName("setup.exe"), "setup.exe");
    EXPECT_THROW(InstallerFileName("http://example.com/kalvintera/"), DataError);
    EXPECT_THROW(InstallerFileName("http://example.com/kalvintera/.."), DataError);
    EXPECT_THROW(InstallerFileName("http://example.com/."), DataError);
    EXPECT_THROW(InstallerFileName(""), DataError);
}

TEST(UpdateCheck, ReminderAfterMoreThanTheInterval)
{
    const CalendarDate today{2026, 12, 9};
    EXPECT_FALSE(UpdateReminderDue(true, CalendarDate{2026, 10, 10}, 60, today)); // 60 days ago
    EXPECT_TRUE(UpdateReminderDue(true, CalendarDate{2026, 10, 9}, 60, today));   // 61 days ago
    EXPECT_FALSE(UpdateReminderDue(false, CalendarDate{2026, 10, 9}, 60, today));
    EXPECT_FALSE(UpdateReminderDue(true, CalendarDate{2027, 1, 1}, 60, today));   // in the future
    EXPECT_TRUE(UpdateReminderDue(true, CalendarDate{}, 60, today));              // never checked
}

TEST(UpdateCheck, ProgressInWholeKilobytes)
{
    EXPECT_EQ(WholeKilobytes(5000000), 4882);
    EXPECT_EQ(DownloadTotalText(5000000), "/ 4882 kB");
    EXPECT_EQ(DownloadedAmountText(5000000), "4882 kB ");
    EXPECT_EQ(DownloadedAmountText(1023), "0 kB ");
    EXPECT_EQ(DownloadTotalText(std::nullopt), "");

    EXPECT_EQ(ParseContentLength("5000000"), 5000000);
    EXPECT_EQ(ParseContentLength(" 12 "), 12);
    EXPECT_EQ(ParseContentLength(""), std::nullopt);
    EXPECT_EQ(ParseContentLength("abc"), std::nullopt);
    EXPECT_EQ(ParseContentLength("12abc"), std::nullopt);
    EXPECT_EQ(ParseContentLength("-5"), std::nullopt);
    EXPECT_EQ(ParseContentLength("99999999999999999999999"), std::nullopt);
}
