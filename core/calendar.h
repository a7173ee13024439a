// The proleptic Gregorian calendar of the years 100 to 9999, and date serials: days counted
// from 30 December 1899 (day 0), with the time of day as the fraction of a day.
#pragma once

#include <chrono>
#include <optional>

#include "core/moment.h"

namespace zel {

inline constexpr int kFirstCalendarYear = 100;
inline constexpr int kLastCalendarYear = 9999;

struct CalendarDate {
    int year, month, day;
};

// True when the date exists in the calendar (leap years by 4, 100 and 400) and its year lies
// in 100..9999.
bool IsCalendarDate(const CalendarDate& date);

// The day number of a calendar date: days from 30 December 1899, negative before it.
long DaySerial(const CalendarDate& date);

// The moment a date serial names, rounded to the nearest second (halves upwards). The date is
// floor(serial) days from day 0 and the time of day serial - floor(serial), so serials below 0
// count back linearly. A time that rounds to 24:00:00 is midnight of the next day. Fails when
// the serial is not finite or the rounded moment lies outside the years 100..9999.
std::optional<LocalDateTime> MomentOfSerial(double serial);

// The moment that an instant of the system clock shows at `utcOffset` from UTC. It is read with
// <chrono>'s calendar alone, so that every year reads alike on every system, whatever range the
// C library's time_t has there.
LocalDateTime MomentOfInstant(std::chrono::sys_seconds instant, std::chrono::seconds utcOffset);

}  // namespace zel
