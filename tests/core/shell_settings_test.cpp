#include "core/errors.h"
#include "core/shell/settings.h"
#include "shell_test_support.h"

#include <gtest/gtest.h>

using namespace kalvintera;
using kalvintera::testing::TempFolder;

namespace {

const ShortDateFormat kDates("dd.MM.yyyy");

// A file of the given values, one line each, under keys as an old program wrote them.
std::string SettingsText(std::initializer_list<std::string_view> values)
{
    static const char* const kKeys[] = {"LANGUAGE=",  "NAME=",   "STREET=",  "CITY=",    "TEL=", "TEMPERATURE=",
                                        "ATMOSPHERICAL PRESSURE=", "HUMIDITY=", "ROUGHNES=", "SPEED=", "VWENT=",
                                        "DPWENT=",    "VER=",    "DATE_DISTANCE=", "LAST_UPDATE=", "CHECK_FOR_UPDATES="};
    std::string text;
    std::size_t index = 0;
    for (std::string_view value : values) {
        text += index < 16 ? kKeys[index] : "EXTRA=";
        text += value;
        text += "\r\n";
        ++index;
    }
    return text;
}

Settings Read(const TempFolder& folder, std::string_view text, NumberFormat numbers = NumberFormat::point())
{
    return ReadSettings(folder.write(kSettingsFileName, text), numbers, kDates);
}

} // namespace

TEST(Settings, ReadsEveryFieldByPosition)
{
    TempFolder folder;
    const Settings s = Read(folder, SettingsText({"2", "Jan Kowalski", "Długa 5", "Kraków", "123", "-5", "98000",
                                                  "40", "0,1", "7", "1200", "150", "1.2", "30", "05.07.2007", "1"}));
    EXPECT_EQ(s.language, 2);
    EXPECT_EQ(s.name, "Jan Kowalski");
    EXPECT_EQ(s.street, "Długa 5");
    EXPECT_EQ(s.city, "Kraków");
    EXPECT_EQ(s.tel, "123");
    EXPECT_EQ(s.temperature, "-5");
    EXPECT_EQ(s.atmosphericPressure, "98000");
    EXPECT_EQ(s.humidity, "40");
    EXPECT_EQ(s.roughness, "0,1");
    EXPECT_EQ(s.fadeSpeed, 7);
    EXPECT_EQ(s.vWent, "1200");
    EXPECT_EQ(s.dpWent, "150");
    EXPECT_DOUBLE_EQ(s.version, 1.2);
    EXPECT_EQ(s.dateDistance, "30");
    EXPECT_EQ(s.lastUpdate, (CalendarDate{2007, 7, 5}));
    EXPECT_EQ(s.checkForUpdates, 1);
}

TEST(Settings, KeysAreIgnoredAndValueFollowsTheFirstEquals)
{
    TempFolder folder;
    const Settings s = Read(folder, "X=3\r\nNAME=A=B\r\n=Main St\r\nno equals sign\r\nTEL=\r\n");
    EXPECT_EQ(s.language, 3);
    EXPECT_EQ(s.name, "A=B");
    EXPECT_EQ(s.street, "Main St");
    EXPECT_EQ(s.city, "");
    EXPECT_EQ(s.tel, "");
    EXPECT_EQ(s.temperature, "20");
}

TEST(Settings, OnlyTheFirstFiftyCharactersOfALineCount)
{
    TempFolder folder;
    Settings written;
    written.name = std::string(30, 'a') + std::string(30, 'b');
    written.atmosphericPressure = std::string(40, '9');
    written.street = std::string(60, 'z') + "=tail"; // an "=" past the limit is not seen
    WriteSettings(folder / kSettingsFileName, written, NumberFormat::point(), kDates);
    EXPECT_NE(folder.read(kSettingsFileName).find(written.name), std::string::npos);

    const Settings s = ReadSettings(folder / kSettingsFileName, NumberFormat::point(), kDates);
    EXPECT_EQ(s.name, written.name.substr(0, 45));
    EXPECT_EQ(s.atmosphericPressure, std::string(27, '9'));
    EXPECT_EQ(s.street, std::string(43, 'z'));

    // Characters, not bytes: 45 two-byte letters survive whole.
    std::string polish;
    for (int i = 0; i < 50; ++i) polish += "ł";
    const Settings p = Read(folder, SettingsText({"0", polish}));
    std::string expected;
    for (int i = 0; i < 45; ++i) expected += "ł";
    EXPECT_EQ(p.name, expected);
}

TEST(Settings, ShortFileKeepsDefaultsAndExtraLinesAreIgnored)
{
    TempFolder folder;
    const Settings shortFile =
        Read(folder, SettingsText({"1", "N", "S", "C", "T", "21", "100000", "55", "0,2", "3", "500", "60"}));
    EXPECT_EQ(shortFile.dpWent, "60");
    EXPECT_EQ(shortFile.version, 0);
    EXPECT_EQ(shortFile.dateDistance, "60");
    EXPECT_EQ(shortFile.lastUpdate, CalendarDate{});
    EXPECT_EQ(shortFile.checkForUpdates, 0);

    const Settings longFile = Read(folder, SettingsText({"1", "", "", "", "", "", "", "", "", "", "", "", "", "",
                                                         "", "1", "9", "junk"}));
    EXPECT_EQ(longFile.checkForUpdates, 1);

    EXPECT_EQ(Read(folder, ""), Settings{});
    EXPECT_EQ(ReadSettings(folder / "missing.ini", NumberFormat::point(), kDates), Settings{});
}

TEST(Settings, FadePositionIsLimitedAsTheSliderLimitsIt)
{
    TempFolder folder;
    const auto speed = [&](std::string_view value) {
        return Read(folder, SettingsText({"0", "", "", "", "", "", "", "", "", value})).fadeSpeed;
    };
    EXPECT_EQ(speed("0"), 1);
    EXPECT_EQ(speed("15"), 10);
    EXPECT_EQ(speed("-3"), 1);
    EXPECT_EQ(speed("99999999999"), 10);
    EXPECT_EQ(speed("fast"), 5);
}

TEST(Settings, VersionReadsWithEitherSeparatorUnderEitherLocale)
{
    TempFolder folder;
    for (NumberFormat numbers : {NumberFormat::point(), NumberFormat::comma()}) {
        for (const char* text : {"1,2", "1.2"}) {
            const Settings s = Read(folder, SettingsText({"0", "", "", "", "", "", "", "", "", "5", "", "", text}), numbers);
            EXPECT_DOUBLE_EQ(s.version, 1.2) << text << " with " << numbers.decimal_separator;
        }
    }
}

TEST(Settings, UnconvertibleNumbersAndDatesKeepDefaultsWhileLaterLinesStillRead)
{
    TempFolder folder;
    const Settings s = Read(folder, SettingsText({"polish", "Name", "", "", "", "", "", "", "", "x", "", "", "1.2.3",
                                                  "", "31.02.2020", "yes"}));
    EXPECT_EQ(s.language, 0);
    EXPECT_EQ(s.name, "Name");
    EXPECT_EQ(s.fadeSpeed, 5);
    EXPECT_EQ(s.version, 0);
    EXPECT_EQ(s.lastUpdate, CalendarDate{});
    EXPECT_EQ(s.checkForUpdates, 0);

    const Settings huge = Read(folder, SettingsText({"99999999999", "Still read"}));
    EXPECT_EQ(huge.language, 0);
    EXPECT_EQ(huge.name, "Still read");
}

TEST(Settings, ReadsCp1250WhenTheFileIsNotUtf8)
{
    TempFolder folder;
    const Settings s = Read(folder, "1\r\nNAME=\xA3\xF3\x64\x9F\r\n"); // "Łódź" in CP1250
    EXPECT_EQ(s.name, "Łódź");
}

TEST(Settings, WritesSixteenKeyedLinesAndReadsThemBack)
{
    TempFolder folder;
    Settings s;
    s.language = 4;
    s.name = "Ирина Łódź";
    s.roughness = "0.05";
    s.fadeSpeed = 9;
    s.version = 2.15;
    s.lastUpdate = CalendarDate{2024, 2, 29};
    s.checkForUpdates = 1;
    for (NumberFormat numbers : {NumberFormat::point(), NumberFormat::comma()}) {
        WriteSettings(folder / kSettingsFileName, s, numbers, kDates);
        EXPECT_EQ(ReadSettings(folder / kSettingsFileName, numbers, kDates), s);
    }
    EXPECT_EQ(folder.read(kSettingsFileName),
              "LANGUAGE=4\r\nNAME=Ирина Łódź\r\nSTREET=\r\nCITY=\r\nTEL=\r\nTEMPERATURE=20\r\n"
              "ATMOSPHERICAL PRESSURE=101300\r\nHUMIDITY=50\r\nROUGHNES=0.05\r\nSPEED=9\r\nVWENT=300\r\n"
              "DPWENT=50\r\nVER=2,15\r\nDATE_DISTANCE=60\r\nLAST_UPDATE=29.02.2024\r\nCHECK_FOR_UPDATES=1\r\n"
              "OPERATING_HOURS=4000\r\nENERGY_PRICE=1.00\r\nCURRENCY=PLN\r\nDENSITY_CORRECTION=0\r\n");

    WriteSettings(folder / kSettingsFileName, Settings{}, NumberFormat::point(), kDates);
    EXPECT_EQ(ReadSettings(folder / kSettingsFileName, NumberFormat::point(), kDates), Settings{});
}

TEST(Settings, EnergySettingsFollowTheOldLinesAndOldFilesReadAsBefore)
{
    TempFolder folder;
    // A file of the 16 old lines: the energy settings keep their built-in values.
    const Settings old = Read(folder, SettingsText({"2", "Jan", "", "", "", "20", "101300", "50", "0,05", "5", "300",
                                                    "50", "2", "60", "", "1"}));
    EXPECT_EQ(old.language, 2);
    EXPECT_EQ(old.operatingHours, "4000");
    EXPECT_EQ(old.energyPrice, "1.00");
    EXPECT_EQ(old.currency, "PLN");
    EXPECT_EQ(old.densityCorrection, 0);

    Settings s;
    s.operatingHours = "8760";
    s.energyPrice = "0,85";
    s.currency = "€";
    s.densityCorrection = 1;
    WriteSettings(folder / kSettingsFileName, s, NumberFormat::comma(), kDates);
    EXPECT_EQ(ReadSettings(folder / kSettingsFileName, NumberFormat::comma(), kDates), s);
    // Only 1 turns the correction on.
    EXPECT_EQ(Read(folder, SettingsText({"", "", "", "", "", "", "", "", "", "", "", "", "", "", "", "", "", "", "",
                                         "7"}))
                  .densityCorrection,
              0);
}

TEST(Settings, LineBreakInATextCannotShiftLaterLines)
{
    TempFolder folder;
    Settings s;
    s.name = "Jan\r\nKowalski";
    s.language = 2;
    s.checkForUpdates = 1;
    WriteSettings(folder / kSettingsFileName, s, NumberFormat::point(), kDates);
    const Settings back = ReadSettings(folder / kSettingsFileName, NumberFormat::point(), kDates);
    EXPECT_EQ(back.name, "Jan  Kowalski");
    EXPECT_EQ(back.street, "");
    EXPECT_EQ(back.checkForUpdates, 1);
}

TEST(Settings, FailedWriteRaisesFileErrorAndKeepsWhatWasThere)
{
    TempFolder folder;
    std::filesystem::create_directory(folder / "Kalvintera.ini");
    folder.write("Kalvintera.ini/keep.txt", "kept");
    EXPECT_THROW(WriteSettings(folder / "Kalvintera.ini", Settings{}, NumberFormat::point(), kDates), FileError);
    EXPECT_EQ(folder.read("Kalvintera.ini/keep.txt"), "kept");
    EXPECT_THROW(ReadSettings(folder / "Kalvintera.ini", NumberFormat::point(), kDates), FileError);

    EXPECT_THROW(WriteSettings(folder / "no-such-folder" / "Kalvintera.ini", Settings{}, NumberFormat::point(), kDates),
                 FileError);
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.path()), {}), 1);
}
