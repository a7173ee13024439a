#include "core/moment_readers.h"

#include "core/scanner.h"

namespace zel {

namespace {

int WindowedYear(int twoDigits) { return twoDigits < 30 ? 2000 + twoDigits : 1900 + twoDigits; }

// A year that has a 29 February, for checking month/day without a year.
constexpr int kAnyLeapYear = 2000;

}  // namespace

std::optional<TimeOfDay> ReadTimeOfDay(std::u16string_view text) {
    Scanner c(text);
    c.SkipSpaces();
    const auto hour = c.Number(1, 2);
    if (!hour || !c.Take(u':')) return std::nullopt;
    const auto minute = c.Number(1, 2);
    if (!minute) return std::nullopt;
    std::optional<int> second = 0;
    if (c.Take(u':')) second = c.Number(1, 2);
    c.SkipSpaces();
    if (!second || !c.AtEnd()) return std::nullopt;
    const TimeOfDay time{*hour, *minute, *second};
    if (!IsTimeOfDay(time)) return std::nullopt;
    return time;
}

std::optional<LocalDateTime> ReadMonthDayTime(std::u16string_view text, int currentYear) {
    Scanner c(text);
    c.SkipSpaces();
    const auto first = c.Number(1, 2);
    if (!first || !c.Take(u'/')) return std::nullopt;
    const auto second = c.Number(1, 2);
    if (!second) return std::nullopt;
    CalendarDate date{kAnyLeapYear, *first, *second};
    bool yearGiven = false;
    if (c.Take(u'/')) {
        const auto third = c.Number(1, 2);
        if (!third) return std::nullopt;
        date = {WindowedYear(*first), *second, *third};
        yearGiven = true;
    }
    if (!IsCalendarDate(date)) return std::nullopt;

    std::optional<TimeOfDay> time = TimeOfDay{0, 0, 0};
    const bool spaced = c.SkipSpaces();
    if (!c.AtEnd()) time = spaced ? ReadTimeOfDay(c.Rest()) : std::nullopt;
    if (!time) return std::nullopt;
    return LocalDateTime{
        yearGiven ? date.year : currentYear, date.month, date.day, time->hours, time->minutes, time->seconds};
}

std::optional<CalendarDate> ReadYearFirstDate(std::u16string_view text) {
    Scanner c(text);
    c.SkipSpaces();
    const auto year = c.Number(1, 4);
    if (!year) return std::nullopt;
    if (!c.Take(u'/') && !c.SkipSpaces()) return std::nullopt;
    const auto month = c.Number(1, 2);
    if (!month || !c.Take(u'/')) return std::nullopt;
    const auto day = c.Number(1, 2);
    c.SkipSpaces();
    if (!day || !c.AtEnd()) return std::nullopt;
    const CalendarDate date{*year, *month, *day};
    if (!IsCalendarDate(date)) return std::nullopt;
    return date;
}

}  // namespace zel
