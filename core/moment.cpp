#include "core/moment.h"

#include <string>

namespace zel {

namespace {

// The decimal digits of `value`, zero-padded to at least `width` digits.
std::u16string Padded(int value, std::size_t width) {
    const bool negative = value < 0;
    std::string digits = std::to_string(negative ? -static_cast<long long>(value) : value);
    if (digits.size() < width) digits.insert(0, width - digits.size(), '0');
    if (negative) digits.insert(0, 1, '-');
    return std::u16string(digits.begin(), digits.end());
}

std::u16string MonthDayHourMinute(const LocalDateTime& t) {
    return Padded(t.month, 2) + u"/" + Padded(t.day, 2) + u" " + Padded(t.hour, 2) + u":" + Padded(t.minute, 2);
}

}  // namespace

std::u16string MomentTextZeroSeconds(const LocalDateTime& t) { return MonthDayHourMinute(t) + u":00"; }

std::u16string MomentText(const LocalDateTime& t) { return MonthDayHourMinute(t) + u":" + Padded(t.second, 2); }

std::u16string YearText(const LocalDateTime& t) { return Padded(t.year, 4); }

std::u16string MonthText(const LocalDateTime& t) { return Padded(t.month, 2); }

}  // namespace zel
