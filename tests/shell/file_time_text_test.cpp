#include "shell/file_time_text.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>

namespace {

FILETIME FileTimeOf(WORD year, WORD month, WORD day, WORD hour, WORD minute, WORD second) {
    SYSTEMTIME fields{};
    fields.wYear = year;
    fields.wMonth = month;
    fields.wDay = day;
    fields.wHour = hour;
    fields.wMinute = minute;
    fields.wSecond = second;
    FILETIME time{};
    SystemTimeToFileTime(&fields, &time);
    return time;
}

// The offset that applies now, read from the zone settings rather than from the conversion.
LONG PresentBiasMinutes() {
    TIME_ZONE_INFORMATION zone{};
    switch (GetTimeZoneInformation(&zone)) {
    case TIME_ZONE_ID_STANDARD: return zone.Bias + zone.StandardBias;
    case TIME_ZONE_ID_DAYLIGHT: return zone.Bias + zone.DaylightBias;
    default: return zone.Bias;
    }
}

std::string ExpectedLocalText(const FILETIME& utc) {
    const LONGLONG ticksPerMinute = 600000000;
    ULARGE_INTEGER ticks;
    ticks.LowPart = utc.dwLowDateTime;
    ticks.HighPart = utc.dwHighDateTime;
    ticks.QuadPart -= PresentBiasMinutes() * ticksPerMinute;
    FILETIME local{ticks.LowPart, ticks.HighPart};
    SYSTEMTIME fields{};
    FileTimeToSystemTime(&local, &fields);
    char text[32];
    std::snprintf(text, sizeof text, "%04u/%02u/%02u %02u:%02u", fields.wYear, fields.wMonth, fields.wDay, fields.wHour,
                  fields.wMinute);
    return text;
}

const FILETIME kSampleUtc = FileTimeOf(2005, 2, 21, 3, 4, 0);

TEST(FileTimeText, ShowsTheTimeShiftedByThePresentOffsetOfThisMachine) {
    EXPECT_EQ(ExpectedLocalText(kSampleUtc), FormatFileTime(kSampleUtc));
    FILETIME turnOfYear = FileTimeOf(2024, 12, 31, 23, 30, 0);
    EXPECT_EQ(ExpectedLocalText(turnOfYear), FormatFileTime(turnOfYear));
}

// Wine takes the zone from the TZ variable of the Unix process, which a Windows process cannot
// change for itself or hand to a child; the test runs where the suite is started with
// TZ=Asia/Tokyo.
TEST(FileTimeText, MachineInJapanShowsNineHoursLater) {
    const LONG japan = -9 * 60;
    if (PresentBiasMinutes() != japan) GTEST_SKIP() << "this machine is not set to UTC+9";
    EXPECT_EQ("2005/02/21 12:04", FormatFileTime(kSampleUtc));
}

TEST(FileTimeText, SecondsAreLeftOutNotRounded) {
    FILETIME withSeconds = FileTimeOf(2005, 2, 21, 3, 4, 59);
    EXPECT_EQ(FormatFileTime(kSampleUtc), FormatFileTime(withSeconds));
    EXPECT_NE(FormatFileTime(FileTimeOf(2005, 2, 21, 3, 5, 0)), FormatFileTime(withSeconds));
}

FILETIME FromTicks(LONGLONG ticks) {
    ULARGE_INTEGER value;
    value.QuadPart = static_cast<ULONGLONG>(ticks);
    return FILETIME{value.LowPart, value.HighPart};
}

// Whatever the zone: east of UTC these would otherwise wrap round into 1601, west of it past
// the year 30827.
TEST(FileTimeText, NegativeTimesGiveNoText) {
    const LONGLONG ticksPerHour = 36000000000;
    EXPECT_EQ("", FormatFileTime(FromTicks(-1)));
    EXPECT_EQ("", FormatFileTime(FromTicks(-ticksPerHour)));
    EXPECT_EQ("", FormatFileTime(FromTicks(-24 * ticksPerHour)));
    EXPECT_EQ("", FormatFileTime(FromTicks(static_cast<LONGLONG>(0x8000000000000000))));
}

}  // namespace
