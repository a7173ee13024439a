#include "core/calendar.h"

#include <chrono>
#include <cmath>

#include "core/units.h"

namespace zel {

namespace {

namespace chr = std::chrono;

constexpr chr::sys_days kDayZero = chr::year{1899} / chr::December / 30;
constexpr double kSecondsPerDay = SecondsIn(Unit::Day);

chr::year_month_day ToChrono(const CalendarDate& date) {
    return chr::year{date.year} / chr::month{static_cast<unsigned>(date.month)} /
           chr::day{static_cast<unsigned>(date.day)};
}

long DaySerialOf(chr::year_month_day ymd) { return (chr::sys_days{ymd} - kDayZero).count(); }

LocalDateTime MomentOf(const chr::year_month_day& date, int secondOfDay) {
    const TimeOfDay time = ClockReading(secondOfDay);
    return {static_cast<int>(date.year()), static_cast<int>(static_cast<unsigned>(date.month())),
            static_cast<int>(static_cast<unsigned>(date.day())), time.hours, time.minutes, time.seconds};
}

}  // namespace

bool IsCalendarDate(const CalendarDate& date) {
    if (date.year < kFirstCalendarYear || date.year > kLastCalendarYear) return false;
    if (date.month < 1 || date.month > 12 || date.day < 1 || date.day > 31) return false;
    return ToChrono(date).ok();
}

long DaySerial(const CalendarDate& date) { return DaySerialOf(ToChrono(date)); }

std::optional<LocalDateTime> MomentOfSerial(double serial) {
    if (!std::isfinite(serial)) return std::nullopt;
    // Beyond these bounds no rounding brings the serial back into the calendar; they also keep
    // the day count well inside a long.
    static const double kLowest = static_cast<double>(DaySerialOf(chr::year{kFirstCalendarYear} / 1 / 1)) - 1;
    static const double kHighest = static_cast<double>(DaySerialOf(chr::year{kLastCalendarYear} / 12 / 31)) + 2;
    if (serial < kLowest || serial > kHighest) return std::nullopt;

    double wholeDays = std::floor(serial);
    double seconds = std::floor((serial - wholeDays) * kSecondsPerDay + 0.5);
    if (seconds >= kSecondsPerDay) {
        wholeDays += 1;
        seconds -= kSecondsPerDay;
    }
    const chr::year_month_day date{kDayZero + chr::days{static_cast<long>(wholeDays)}};
    const int year = static_cast<int>(date.year());
    if (year < kFirstCalendarYear || year > kLastCalendarYear) return std::nullopt;
    return MomentOf(date, static_cast<int>(seconds));
}

LocalDateTime MomentOfInstant(chr::sys_seconds instant, chr::seconds utcOffset) {
    const chr::sys_seconds shown = instant + utcOffset;
    const chr::sys_days day = chr::floor<chr::days>(shown);
    return MomentOf(chr::year_month_day{day}, static_cast<int>((shown - day).count()));
}

}  // namespace zel
