#include "core/conversion.h"

#include <cmath>
#include <string>

#include "core/leading_number.h"
#include "core/text.h"

namespace zel {

namespace {

std::optional<double> Scaled(std::u16string_view text, double factor) {
    const auto value = LeadingNumber(text);
    if (!value) return std::nullopt;
    const double product = *value * factor;
    if (!std::isfinite(product)) return std::nullopt;
    return product;
}

std::optional<double> DhmsSeconds(std::u16string_view fieldText) {
    std::u16string s = TrimSpaces(fieldText);
    if (s.empty()) s = u"0000 00:00:00";
    const bool negative = s.front() == u'-';
    if (negative) s.erase(0, 1);

    const auto space = FindPosition(s, u' ');
    if (!space || *space == 0) return std::nullopt;
    const std::size_t p = *space;

    const auto days = Scaled(Mid(s, 1, p - 1), 86400.0);
    const auto hours = Scaled(Mid(s, p + 1, 2), 3600.0);
    const auto minutes = Scaled(Mid(s, p + 4, 2), 60.0);
    const auto seconds = Scaled(Mid(s, p + 7, 2), 1.0);
    if (!days || !hours || !minutes || !seconds) return std::nullopt;

    double total = *days + *hours;
    total += *minutes;
    total += *seconds;
    if (!std::isfinite(total)) return std::nullopt;
    return negative ? -total : total;
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

}  // namespace zel
