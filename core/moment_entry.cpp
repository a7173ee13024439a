#include "core/moment_entry.h"

#include "core/leading_number.h"
#include "core/moment_readers.h"
#include "core/number_text.h"
#include "core/text.h"

namespace zel {

std::optional<std::u16string> NormaliseMoment(std::u16string_view typed, const LocalDateTime& now) {
    const std::u16string s = TrimSpaces(typed);
    const auto p = FindPosition(s, u'/');
    if (!p) return std::nullopt;
    if (*p == 2 || *p == 3) {
        const auto moment = ReadMonthDayTime(s, now.year);
        if (!moment) return std::nullopt;
        return MomentText(*moment);
    }
    const auto q = FindPosition(s, u' ');
    if (!q) return std::nullopt;
    if (*q == 5)
        return Mid(s, 1, 2) + u"/" + Mid(s, 3, 2) + u" " + Mid(s, 6, 2) + u":" + Mid(s, 8, 2) + u":" + Mid(s, 10, 2);
    if (*q == 3)
        return MonthText(now) + u"/" + Mid(s, 1, 2) + u" " + Mid(s, 4, 2) + u":" + Mid(s, 6, 2) + u":" + Mid(s, 8, 2);
    return std::nullopt;
}

namespace {

// Four ASCII digits: a year as the elapsed moment writes it, '0998' included.
bool IsFourDigitYear(std::u16string_view s) {
    if (s.size() != 4) return false;
    for (const char16_t c : s)
        if (c < u'0' || c > u'9') return false;
    return true;
}

}  // namespace

std::optional<std::u16string> NormaliseYear(std::u16string_view typed) {
    std::u16string trimmed = TrimSpaces(typed);
    if (IsFourDigitYear(trimmed)) return trimmed;
    const auto n = LeadingNumber(typed);
    if (!n) return std::nullopt;
    const std::u16string y = GeneralNumberText(*n);
    switch (y.size()) {
        case 1:
            return u"200" + y;
        case 2:
            return u"20" + y;
        case 3:
            return u"2" + y;
        default:
            return y.substr(0, 4);
    }
}

}  // namespace zel
