#include "core/dhms_entry.h"

#include <cmath>

#include "core/leading_number.h"
#include "core/text.h"

namespace zel {

namespace {

struct TimeOfDay {
    int hours, minutes, seconds;
};

bool IsValid(const TimeOfDay& t) {
    return t.hours >= 0 && t.hours <= 23 && t.minutes >= 0 && t.minutes <= 59 && t.seconds >= 0 && t.seconds <= 59;
}

// One part of an h:m:s text: one or two ASCII digits.
std::optional<int> ClockPart(std::u16string_view part) {
    if (part.empty() || part.size() > 2) return std::nullopt;
    int value = 0;
    for (const char16_t c : part) {
        if (c < u'0' || c > u'9') return std::nullopt;
        value = value * 10 + (c - u'0');
    }
    return value;
}

// Reads "h:m:s" (spaces around the whole text allowed) as a time of day.
std::optional<TimeOfDay> ReadColonTime(std::u16string_view text) {
    const std::u16string trimmed = TrimSpaces(text);
    const std::u16string_view s = trimmed;
    const auto first = s.find(u':');
    if (first == std::u16string_view::npos) return std::nullopt;
    const auto second = s.find(u':', first + 1);
    if (second == std::u16string_view::npos) return std::nullopt;
    const auto h = ClockPart(s.substr(0, first));
    const auto m = ClockPart(s.substr(first + 1, second - first - 1));
    const auto sec = ClockPart(s.substr(second + 1));
    if (!h || !m || !sec) return std::nullopt;
    const TimeOfDay t{*h, *m, *sec};
    if (!IsValid(t)) return std::nullopt;
    return t;
}

// One part of the digit form: the leading number of two characters, which
// must be a whole number.
std::optional<int> DigitPart(std::u16string_view timePart, std::size_t start1) {
    const auto value = LeadingNumber(Mid(timePart, start1, 2));
    if (!value || *value != std::floor(*value) || std::fabs(*value) > 99.0) return std::nullopt;
    return static_cast<int>(*value);
}

// Reads the digit form "hhnnss" (parts missing count as 0).
std::optional<TimeOfDay> ReadDigitTime(std::u16string_view timePart) {
    const auto h = DigitPart(timePart, 1);
    const auto m = DigitPart(timePart, 3);
    const auto s = DigitPart(timePart, 5);
    if (!h || !m || !s) return std::nullopt;
    const TimeOfDay t{*h, *m, *s};
    if (!IsValid(t)) return std::nullopt;
    return t;
}

void AppendTwoDigits(std::u16string& out, int value) {
    out += static_cast<char16_t>(u'0' + value / 10);
    out += static_cast<char16_t>(u'0' + value % 10);
}

}  // namespace

std::optional<std::u16string> NormaliseDhmsEntry(std::u16string_view typed) {
    std::u16string_view entry = typed;
    const bool negative = !entry.empty() && entry.front() == u'-';
    if (negative) entry.remove_prefix(1);

    const auto space = FindPosition(entry, u' ');
    if (!space || *space == 0) return std::nullopt;
    const std::size_t p = *space;

    std::u16string dayText = Mid(entry, 1, p);
    if (p <= 5) dayText.insert(0, 5 - p, u'0');
    const std::u16string timePart = Mid(entry, p + 1, entry.size());

    const auto c1 = FindPosition(timePart, u':');
    if (!c1) return std::nullopt;
    unsigned c2 = 0;
    if (*c1 > 0) {
        const auto next = FindPosition(timePart, u':', *c1 + 1);
        if (!next) return std::nullopt;
        c2 = *next;
    }

    std::optional<TimeOfDay> time;
    if (*c1 == 2 || *c1 == 3) {
        time = ReadColonTime(Mid(timePart, 1, c2 + 2));
    } else if (*c1 == 0 || *c1 >= 7) {
        time = ReadDigitTime(timePart);
    }
    if (!time) return std::nullopt;

    std::u16string out = negative ? u"-" : u"";
    out += dayText;
    AppendTwoDigits(out, time->hours);
    out += u':';
    AppendTwoDigits(out, time->minutes);
    out += u':';
    AppendTwoDigits(out, time->seconds);
    return out;
}

}  // namespace zel
