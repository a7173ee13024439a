#include "core/dhms_entry.h"

#include "core/leading_number.h"
#include "core/moment.h"
#include "core/moment_readers.h"
#include "core/text.h"

namespace zel {

namespace {

// Reads the digit form "hhnnss" (parts missing count as 0), whose parts must be whole numbers.
std::optional<TimeOfDay> ReadDigitTime(std::u16string_view timePart) {
    const TimePieces p = TimePiecesAt(timePart, 1, 2);
    const TimeOfDay t{static_cast<int>(p.hours), static_cast<int>(p.minutes), static_cast<int>(p.seconds)};
    if (t.hours != p.hours || t.minutes != p.minutes || t.seconds != p.seconds || !IsTimeOfDay(t)) return std::nullopt;
    return t;
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

    // The colon form is cut after the two characters that follow the second colon.
    std::optional<TimeOfDay> time;
    if (*c1 == 2 || *c1 == 3) {
        time = ReadTimeOfDay(Mid(timePart, 1, c2 + 2));
    } else if (*c1 == 0 || *c1 >= 7) {
        time = ReadDigitTime(timePart);
    }
    if (!time) return std::nullopt;
    return (negative ? u"-" : u"") + dayText + ClockText(*time);
}

}  // namespace zel
