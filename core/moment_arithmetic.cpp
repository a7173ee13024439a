#include "core/moment_arithmetic.h"

#include <cmath>
#include <cstdint>
#include <string>

#include "core/calendar.h"
#include "core/leading_number.h"
#include "core/moment_readers.h"
#include "core/text.h"
#include "core/units.h"

namespace zel {

namespace {

std::u16string MonthDayOf(std::u16string_view moment) { return Mid(moment, 1, 5); }

// Seconds since midnight from the leading numbers of the hour, minute and second positions.
double LenientTimeOfDay(std::u16string_view moment) {
    const TimePieces t = TimePiecesAt(moment, 7, 3);
    return t.seconds + Converted(t.minutes, Unit::Min, Unit::Sec) + Converted(t.hours, Unit::Hour, Unit::Sec);
}

// The date as the difference reads it, from four characters of the year box.
std::optional<CalendarDate> DateOfDifference(MomentTexts m) {
    return ReadYearFirstDate(Mid(TrimSpaces(m.year), 1, 4) + u" " + MonthDayOf(m.monthDayTime));
}

}  // namespace

std::optional<Seconds> MomentDifference(MomentTexts moment1, MomentTexts moment2) {
    const auto date1 = DateOfDifference(moment1), date2 = DateOfDifference(moment2);
    if (!date1 || !date2) return std::nullopt;
    // Whole days give whole seconds: in 64 bits this is exact for every span of the calendar.
    const std::int64_t daySeconds =
        static_cast<std::int64_t>(DaySerial(*date1) - DaySerial(*date2)) * SecondsIn(Unit::Day);
    const double T = (LenientTimeOfDay(moment1.monthDayTime) - LenientTimeOfDay(moment2.monthDayTime)) +
                     static_cast<double>(daySeconds);
    if (!std::isfinite(T)) return std::nullopt;
    return Seconds(T);
}

std::optional<LocalDateTime> ElapsedMoment(MomentTexts moment1, Days duration) {
    const auto date = ReadYearFirstDate(std::u16string(moment1.year) + u"/" + MonthDayOf(moment1.monthDayTime));
    const auto time = ReadTimeOfDay(Mid(moment1.monthDayTime, 7, moment1.monthDayTime.size()));
    if (!date || !time) return std::nullopt;
    const double timeFraction = Converted(SecondsSinceMidnight(*time), Unit::Sec, Unit::Day);
    const double serial = (timeFraction + static_cast<double>(DaySerial(*date))) + duration.count();
    return MomentOfSerial(serial);
}

}  // namespace zel
