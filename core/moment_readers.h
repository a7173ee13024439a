// Readers of the date and time texts that the moment section accepts. Digits are ASCII; every
// number is one or two digits unless said otherwise; times are on the 24-hour clock.
#pragma once

#include <optional>
#include <string_view>

#include "core/calendar.h"
#include "core/moment.h"
#include "core/units.h"

namespace zel {

// A time of day "h:m" or "h:m:s" (hours 0-23, minutes and seconds 0-59, seconds 0 when not given),
// spaces around it allowed: '9:5' -> 09:05:00, ' 23:59:59 ' -> 23:59:59.
std::optional<TimeOfDay> ReadTimeOfDay(std::u16string_view text);

// A date and time as typed into a moment field: "month/day" or "yy/month/day", then optionally
// spaces and a time of day; without a time it is midnight. A two-digit year reads as 2000-2029
// for 00-29 and 1930-1999 for 30-99. Without a year the date lies in `currentYear`, but 02/29
// is accepted whatever that year is: the year box, not the clock, decides the moment's year.
std::optional<LocalDateTime> ReadMonthDayTime(std::u16string_view text, int currentYear);

// A year-first date: a year of one to four digits, "/" or spaces, then "month/day", spaces
// around it allowed: '2001 01/29', '2001/1/29', '999 12/31'. No century window: the year is
// read as written and must lie in 100..9999.
std::optional<CalendarDate> ReadYearFirstDate(std::u16string_view text);

}  // namespace zel
