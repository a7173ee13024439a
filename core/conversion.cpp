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

}  // namespace

std::optional<double> DurationSeconds(Unit unit, std::u16string_view fieldText) {
    if (unit != Unit::Dhms) return LeadingNumberIn(unit, fieldText, Unit::Sec);
    const std::u16string_view text = TrimSpaces(fieldText).empty() ? u"0000 00:00:00" : fieldText;
    return DhmsIn(Unit::Sec, text, DayEndWithoutSpace::Fails);
}

std::optional<double> DurationDays(Unit unit, std::u16string_view fieldText) {
    if (unit != Unit::Dhms) return LeadingNumberIn(unit, fieldText, Unit::Day);
    return DhmsIn(Unit::Day, fieldText, DayEndWithoutSpace::Fails);
}

}  // namespace zel
