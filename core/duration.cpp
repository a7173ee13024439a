#include "core/duration.h"

#include <algorithm>
#include <cmath>
#include <string>

#include "core/moment.h"
#include "core/number_text.h"
#include "core/units.h"

namespace zel {

namespace {

constexpr double kSecondsPerDay = SecondsIn(Unit::Day);

// The largest whole day count that a 64-bit fixed-point number with four
// decimals holds: 922337203685477.5807.
constexpr double kLargestDayCount = 922337203685477.0;

std::u16string DayCountText(double days) {
    return days <= 9999.0 ? ZeroPadded(static_cast<int>(days), 4) : WholeNumberText(days);
}

// Rounds to the nearest whole number, halves to the even neighbour, without
// relying on the floating-point environment's rounding mode.
double RoundHalfEven(double x) {
    const double down = std::floor(x);
    const double diff = x - down;
    if (diff < 0.5) return down;
    if (diff > 0.5) return down + 1.0;
    return std::fmod(down, 2.0) == 0.0 ? down : down + 1.0;
}

}  // namespace

std::optional<DurationTexts> DurationTextsFor(Seconds duration) {
    const double seconds = duration.count();
    if (!std::isfinite(seconds)) return std::nullopt;

    DurationTexts texts;
    texts.sec = WholeNumberText(std::floor(seconds + 0.5));

    double w = Converted(seconds, Unit::Sec, Unit::Min);
    texts.min = FixedPointText(w, 3);
    w = Converted(w, Unit::Min, Unit::Hour);
    texts.hour = FixedPointText(w, 5);
    w = Converted(w, Unit::Hour, Unit::Day);
    texts.day = FixedPointText(w, 7);

    const double magnitude = std::fabs(seconds);
    const double days = std::floor(magnitude / kSecondsPerDay);
    if (days > kLargestDayCount) return std::nullopt;

    // Far up the range (beyond 2^53 seconds) the product is inexact and the rest
    // may leave 0..86400 by a few thousand seconds; it is kept within a day so
    // that the clock part never shows negative or oversized pieces.
    const double rest = std::clamp(RoundHalfEven(magnitude - days * kSecondsPerDay), 0.0, kSecondsPerDay);
    texts.dhms = w < 0.0 ? u"-" : u"";
    texts.dhms += DayCountText(days) + u" " + ClockText(ClockReading(static_cast<int>(rest)));
    return texts;
}

}  // namespace zel
