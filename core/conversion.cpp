#include "core/conversion.h"

#include <cmath>
#include <string>

#include "core/dhms_reading.h"
#include "core/leading_number.h"
#include "core/text.h"

namespace zel {

namespace {

// The leading number of a unit field in `to`.
std::optional<double> LeadingNumberIn(Unit unit, std::u16string_view fieldText, Unit to) {
    const auto value = LeadingNumber(fieldText);
    if (!value) return std::nullopt;
    const double converted = Converted(*value, unit, to);
    if (!std::isfinite(converted)) return std::nullopt;
    return converted;
}

// A count of the unit of `Span` as that span.
template <class Span>
std::optional<Span> SpanOf(std::optional<double> count) {
    return count ? std::optional<Span>(*count) : std::nullopt;
}

}  // namespace

std::optional<Seconds> DurationSeconds(Unit unit, std::u16string_view fieldText) {
    if (unit != Unit::Dhms) return SpanOf<Seconds>(LeadingNumberIn(unit, fieldText, Unit::Sec));
    const std::u16string_view text = TrimSpaces(fieldText).empty() ? u"0000 00:00:00" : fieldText;
    return SpanOf<Seconds>(DhmsIn(Unit::Sec, text, DayEndWithoutSpace::Fails));
}

std::optional<Days> DurationDays(Unit unit, std::u16string_view fieldText) {
    if (unit != Unit::Dhms) return SpanOf<Days>(LeadingNumberIn(unit, fieldText, Unit::Day));
    return SpanOf<Days>(DhmsIn(Unit::Day, fieldText, DayEndWithoutSpace::Fails));
}

}  // namespace zel
