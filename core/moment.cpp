#include "core/moment.h"

#include <string>

#include "core/number_text.h"

namespace zel {

std::u16string MomentTextZeroSeconds(const LocalDateTime& t) {
    return MomentText({t.year, t.month, t.day, t.hour, t.minute, 0});
}

std::u16string MomentText(const LocalDateTime& t) {
    return ZeroPadded(t.month, 2) + u"/" + ZeroPadded(t.day, 2) + u" " + ClockText({t.hour, t.minute, t.second});
}

std::u16string YearText(const LocalDateTime& t) { return ZeroPadded(t.year, 4); }

std::u16string MonthText(const LocalDateTime& t) { return ZeroPadded(t.month, 2); }

std::u16string ClockText(const TimeOfDay& t) {
    return ZeroPadded(t.hours, 2) + u":" + ZeroPadded(t.minutes, 2) + u":" + ZeroPadded(t.seconds, 2);
}

}  // namespace zel
