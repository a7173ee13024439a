#include "core/calendar.h"

#include <gtest/gtest.h>

#include <array>
#include <limits>
#include <random>
#include <vector>

namespace zel {
namespace {

// An independent day count: whole years summed one by one from the year 100, then months
// from a table, so that it shares nothing with the library's algorithm.
class NaiveCalendar {
public:
    NaiveCalendar() {
        yearStart_.resize(kLastCalendarYear + 2);
        for (int y = kFirstCalendarYear; y <= kLastCalendarYear; ++y)
            yearStart_[y + 1] = yearStart_[y] + (Leap(y) ? 366 : 365);
    }
    static bool Leap(int y) { return (y % 4 == 0 && y % 100 != 0) || y % 400 == 0; }
    static int MonthLength(int y, int m) {
        static constexpr std::array<int, 12> kLengths{31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
        return kLengths[m - 1] + (m == 2 && Leap(y) ? 1 : 0);
    }
    // Days since 1 January 100.
    long DaysSinceStart(int y, int m, int d) const {
        long days = yearStart_[y];
        for (int month = 1; month < m; ++month) days += MonthLength(y, month);
        return days + d - 1;
    }

private:
    std::vector<long> yearStart_{0};
};

TEST(Calendar, DaySerialsAgreeWithAnIndependentCountOverRandomDates) {
    const NaiveCalendar naive;
    const long dayZero = naive.DaysSinceStart(1899, 12, 30);
    std::mt19937 random(20261207);
    std::uniform_int_distribution<int> year(kFirstCalendarYear, kLastCalendarYear), month(1, 12), day(1, 31);
    for (int i = 0; i < 20000; ++i) {
        const CalendarDate date{year(random), month(random), day(random)};
        const bool exists = date.day <= NaiveCalendar::MonthLength(date.year, date.month);
        ASSERT_EQ(IsCalendarDate(date), exists) << date.year << '-' << date.month << '-' << date.day;
        if (!exists) continue;
        const long serial = DaySerial(date);
        ASSERT_EQ(serial, naive.DaysSinceStart(date.year, date.month, date.day) - dayZero);
        // Back from the serial, at any time of the day.
        const int second = (i * 7919) % 86400;
        const auto moment = MomentOfSerial(static_cast<double>(serial) + second / 86400.0);
        ASSERT_TRUE(moment);
        EXPECT_EQ(moment->day, date.day);
        EXPECT_EQ(moment->month, date.month);
        EXPECT_EQ(moment->year, date.year);
        EXPECT_EQ(moment->hour * 3600 + moment->minute * 60 + moment->second, second);
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
