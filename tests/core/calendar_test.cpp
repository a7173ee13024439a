#include "core/calendar.h"

#include "core/moment_arithmetic.h"

#include <gtest/gtest.h>

#include <array>
#include <chrono>
#include <cstdint>
#include <limits>

namespace zel {
namespace {

// Every day of the calendar, walked one by one with a month table of the test's own: the day
// serial counts up by one, comes back through MomentOfSerial at any time of day, ends each month
// where the table says, and the moment difference and the elapsed moment agree on it.
TEST(Calendar, EveryDayFrom100To9999) {
    constexpr std::array<int, 12> kLengths{31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    const auto leap = [](int y) { return (y % 4 == 0 && y % 100 != 0) || y % 400 == 0; };
    const long base = DaySerial({2001, 1, 1});
    long serial = DaySerial({100, 1, 1});
    std::int64_t days = 0;  // days * 7919 overflows a long where it has 32 bits, as on Windows
    for (int y = kFirstCalendarYear; y <= kLastCalendarYear; ++y) {
        for (int m = 1; m <= 12; ++m) {
            const int length = kLengths[m - 1] + (m == 2 && leap(y));
            ASSERT_FALSE(IsCalendarDate({y, m, length + 1})) << y << '-' << m;
            for (int d = 1; d <= length; ++d, ++serial, ++days) {
                ASSERT_TRUE(IsCalendarDate({y, m, d}));
                ASSERT_EQ(DaySerial({y, m, d}), serial) << y << '-' << m << '-' << d;
                const int second = static_cast<int>(days * 7919 % 86400);
                const auto back = MomentOfSerial(static_cast<double>(serial) + second / 86400.0);
                ASSERT_TRUE(back && back->year == y && back->month == m && back->day == d);
                ASSERT_EQ(back->hour * 3600 + back->minute * 60 + back->second, second);
                const LocalDateTime midnight{y, m, d, 0, 0, 0};
                const auto T = MomentDifference({YearText(midnight), MomentText(midnight)}, {u"2001", u"01/01 00:00:00"});
                ASSERT_EQ(T, Seconds((serial - base) * 86400.0));
                const auto there = ElapsedMoment({u"2001", u"01/01 00:00:00"}, Days(serial - base));
                ASSERT_TRUE(there && MomentText(*there) == MomentText(midnight) && there->year == y);
            }
        }
    }
    EXPECT_EQ(days, 3615900);
    EXPECT_FALSE(MomentOfSerial(static_cast<double>(serial)));
}

// One table of moments, run by the Linux and the Windows build alike: the seconds from day 0, the
// moment difference to day 0, the elapsed moment from it and the clock's reading of the instant at
// nine hours ahead of UTC. The rows cross the leap rules, day 0, the start of time_t in 1970, the
// ends of a 32-bit time_t and the year 3000, past which Windows' C time functions fail.
TEST(Calendar, MomentsReadAlikeOnEverySystem) {
    constexpr std::int64_t kUnixSecondsOfDayZero = -2209161600;
    constexpr std::chrono::hours kJapan{9};
    const struct {
        LocalDateTime moment;
        std::int64_t seconds;  // from 30 December 1899 00:00:00
    } cases[] = {
        {{100, 1, 1, 0, 0, 0}, -56802297600},        {{100, 2, 28, 23, 59, 59}, -56797200001},
        {{100, 3, 1, 0, 0, 0}, -56797200000},        {{1600, 2, 29, 0, 0, 0}, -9461836800},
        {{1899, 12, 29, 23, 59, 59}, -1},            {{1899, 12, 30, 0, 0, 0}, 0},
        {{1900, 2, 28, 23, 59, 59}, 5270399},        {{1900, 3, 1, 0, 0, 0}, 5270400},
        {{1901, 12, 13, 20, 45, 52}, 61677952},      {{1969, 12, 31, 23, 59, 59}, 2209161599},
        {{1970, 1, 1, 0, 0, 0}, 2209161600},         {{2000, 2, 29, 23, 59, 59}, 3161030399},
        {{2038, 1, 19, 3, 14, 8}, 4356645248},       {{3000, 12, 31, 23, 59, 59}, 34744377599},
        {{3001, 1, 1, 0, 0, 0}, 34744377600},        {{9999, 12, 31, 23, 59, 59}, 255611462399},
    };
    const auto shown = [](const LocalDateTime& m) { return MomentText(m) + u" " + YearText(m); };
    for (const auto& c : cases) {
        const std::u16string expected = shown(c.moment);
        SCOPED_TRACE(testing::PrintToString(expected));
        EXPECT_EQ(MomentDifference({YearText(c.moment), MomentText(c.moment)}, {u"1899", u"12/30 00:00:00"}),
                  Seconds(c.seconds));
        const auto elapsed = ElapsedMoment({u"1899", u"12/30 00:00:00"}, Days(static_cast<double>(c.seconds) / 86400));
        EXPECT_EQ(elapsed ? shown(*elapsed) : u"none", expected);
        const std::chrono::sys_seconds instant{std::chrono::seconds{c.seconds + kUnixSecondsOfDayZero} - kJapan};
        EXPECT_EQ(shown(MomentOfInstant(instant, kJapan)), expected);
    }
}

TEST(Calendar, ValidityAtTheEdges) {
    const struct {
        CalendarDate date;
        bool valid;
    } cases[] = {
        {{2000, 2, 29}, true},  {{1900, 2, 29}, false}, {{2004, 2, 29}, true},  {{2001, 2, 29}, false},
        {{100, 1, 1}, true},    {{99, 12, 31}, false},  {{9999, 12, 31}, true}, {{10000, 1, 1}, false},
        {{2001, 4, 31}, false}, {{2001, 13, 1}, false}, {{2001, 0, 1}, false},  {{2001, 1, 0}, false},
    };
    for (const auto& c : cases)
        EXPECT_EQ(IsCalendarDate(c.date), c.valid) << c.date.year << '-' << c.date.month << '-' << c.date.day;
    EXPECT_EQ(DaySerial({1899, 12, 30}), 0);
    EXPECT_EQ(DaySerial({1900, 1, 1}), 2);
    EXPECT_EQ(DaySerial({2001, 1, 1}), 36892);
}

TEST(Calendar, SerialsRoundToTheSecondAndCountBackLinearly) {
    const struct {
        double serial;
        LocalDateTime moment;
    } cases[] = {
        {0.0, {1899, 12, 30, 0, 0, 0}},
        {-0.25, {1899, 12, 29, 18, 0, 0}},       // floor(-0.25) = -1, plus 0.75 of a day
        {-1.5, {1899, 12, 28, 12, 0, 0}},
        {36892.5, {2001, 1, 1, 12, 0, 0}},
        {36892 + 0.4 / 86400, {2001, 1, 1, 0, 0, 0}},
        {36892 + 0.6 / 86400, {2001, 1, 1, 0, 0, 1}},
        {36891 + 86399.6 / 86400, {2001, 1, 1, 0, 0, 0}},  // 31 December 23:59:59.6: next year
    };
    for (const auto& c : cases) {
        const auto m = MomentOfSerial(c.serial);
        ASSERT_TRUE(m) << c.serial;
        EXPECT_EQ(MomentText(*m) + u" " + YearText(*m), MomentText(c.moment) + u" " + YearText(c.moment)) << c.serial;
    }
    const double first = DaySerial({100, 1, 1}), last = DaySerial({9999, 12, 31});
    EXPECT_TRUE(MomentOfSerial(first));
    EXPECT_FALSE(MomentOfSerial(first - 1.0 / 86400));
    EXPECT_TRUE(MomentOfSerial(last + 86399.0 / 86400));
    EXPECT_FALSE(MomentOfSerial(last + 86399.6 / 86400));
    for (const double bad : {1e300, -1e300, std::numeric_limits<double>::infinity(),
                             std::numeric_limits<double>::quiet_NaN()})
        EXPECT_FALSE(MomentOfSerial(bad)) << bad;
}

}  // namespace
}  // namespace zel
