#include "core/dhms_reading.h"

#include <cmath>
#include <string>

#include "core/leading_number.h"
#include "core/text.h"

namespace zel {

std::optional<double> DhmsIn(Unit unit, std::u16string_view text, DayEndWithoutSpace withoutSpace) {
    std::u16string s = TrimSpaces(text);
    const bool negative = !s.empty() && s.front() == u'-';
    if (negative) s.erase(0, 1);

    const auto space = FindPosition(s, u' ');
    if (!space) return std::nullopt;
    std::size_t p = *space;
    if (p == 0) {
        if (withoutSpace == DayEndWithoutSpace::Fails) return std::nullopt;
        p = 5;
    }

    const auto days = LeadingNumber(Mid(s, 1, p - 1));
    if (!days) return std::nullopt;
    const TimePieces time = TimePiecesAt(s, p + 1, 3);
    double total = Converted(*days, Unit::Day, unit) + Converted(time.hours, Unit::Hour, unit);
    total += Converted(time.minutes, Unit::Min, unit);
    total += Converted(time.seconds, Unit::Sec, unit);
    if (!std::isfinite(total)) return std::nullopt;
    return negative ? -total : total;
}

}  // namespace zel
