// The units of time of the conversion section, the whole factors between them, spans counted in
// them, and the clock reading of a time within a day.
#pragma once

#include <chrono>

namespace zel {

enum class Unit { Dhms, Day, Hour, Min, Sec };

// Seconds in one of each unit. Where the dhms field stands for one number, as the arithmetic
// reads it, that number counts days.
constexpr int SecondsIn(Unit unit) {
    switch (unit) {
        case Unit::Dhms:
        case Unit::Day: return 86400;
        case Unit::Hour: return 3600;
        case Unit::Min: return 60;
        case Unit::Sec: break;
    }
    return 1;
}

// Spans of time as the commands compute them, with fractions: in seconds, or in days where a
// moment is counted as a date serial.
using Seconds = std::chrono::duration<double>;
using Days = std::chrono::duration<double, std::ratio<SecondsIn(Unit::Day)>>;

// `value` in `from` expressed in `to`: multiplied by the whole factor into a smaller unit, divided
// by it into a larger one, so that no factor is a rounded fraction (an hour is value / 24 days).
constexpr double Converted(double value, Unit from, Unit to) {
    const int f = SecondsIn(from), t = SecondsIn(to);
    return f >= t ? value * (f / t) : value / (t / f);
}

// Hours, minutes and seconds of a clock, or of the part of a duration within a day.
struct TimeOfDay {
    int hours, minutes, seconds;
};

// True for 00:00:00 to 23:59:59.
constexpr bool IsTimeOfDay(const TimeOfDay& t) {
    return t.hours >= 0 && t.hours <= 23 && t.minutes >= 0 && t.minutes <= 59 && t.seconds >= 0 && t.seconds <= 59;
}

constexpr int SecondsSinceMidnight(const TimeOfDay& t) {
    return t.hours * SecondsIn(Unit::Hour) + t.minutes * SecondsIn(Unit::Min) + t.seconds;
}

// The clock reading of `seconds` (not negative) since midnight; 86400 reads 24:00:00.
constexpr TimeOfDay ClockReading(int seconds) {
    return {seconds / SecondsIn(Unit::Hour), seconds % SecondsIn(Unit::Hour) / SecondsIn(Unit::Min),
            seconds % SecondsIn(Unit::Min)};
}

}  // namespace zel
