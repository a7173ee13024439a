#include "core/conversion.h"

#include <cmath>
#include <string>

#include "core/dhms_reading.h"
#include "core/leading_number.h"
#include "core/text.h"

namespace zel {

namespace {

std::optional<double> Finite(double value, bool negate) {
    if (!std::isfinite(value)) return std::nullopt;
    return negate ? -value : value;
}

std::optional<double> Scaled(std::u16string_view text, double factor) {
    const auto value = LeadingNumber(text);
    if (!value) return std::nullopt;
    return Finite(*value * factor, false);
}

std::optional<double> Divided(std::u16string_view text, double divisor) {
    const auto value = LeadingNumber(text);
    if (!value) return std::nullopt;
    return *value / divisor;
}

std::optional<double> DhmsSeconds(std::u16string_view fieldText) {
    const std::u16string_view text = TrimSpaces(fieldText).empty() ? u"0000 00:00:00" : fieldText;
    const auto d = ReadDhmsPieces(text, DayEndWithoutSpace::Fails);
    if (!d) return std::nullopt;
    double total = d->days * 86400.0 + d->hours * 3600.0;
    total += d->minutes * 60.0;
    total += d->seconds;
    return Finite(total, d->negative);
}

}  // namespace

std::optional<double> DurationSeconds(Unit unit, std::u16string_view fieldText) {
    switch (unit) {
        case Unit::Dhms:
            return DhmsSeconds(fieldText);
        case Unit::Day:
            return Scaled(fieldText, 86400.0);
        case Unit::Hour:
            return Scaled(fieldText, 3600.0);
        case Unit::Min:
            return Scaled(fieldText, 60.0);
        case Unit::Sec:
            return Scaled(fieldText, 1.0);
    }
    return std::nullopt;
}

std::optional<double> DurationDays(Unit unit, std::u16string_view fieldText) {
    switch (unit) {
        case Unit::Dhms:
            return DhmsDays(fieldText, DayEndWithoutSpace::Fails);
        case Unit::Day:
            return Divided(fieldText, 1.0);
        case Unit::Hour:
            return Divided(fieldText, 24.0);
        case Unit::Min:
            return Divided(fieldText, 1440.0);
        case Unit::Sec:
            return Divided(fieldText, 86400.0);
    }
    return std::nullopt;
}

}  // namespace zel
