#include "core/conversion.h"

#include <cmath>
#include <string>

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

// The pieces of a dhms text: a leading '-' (after outer spaces) makes it negative; the first
// space p (none, or beyond 255, fails) ends the days, which are the leading number of the
// characters before it; hours, minutes and seconds are those of the two characters at p+1, p+4
// and p+7, whatever stands between them.
struct DhmsPieces {
    bool negative;
    double days, hours, minutes, seconds;
};

std::optional<DhmsPieces> SplitDhms(std::u16string_view text) {
    std::u16string s = TrimSpaces(text);
    const bool negative = !s.empty() && s.front() == u'-';
    if (negative) s.erase(0, 1);

    const auto space = FindPosition(s, u' ');
    if (!space || *space == 0) return std::nullopt;
    const std::size_t p = *space;

    const auto days = LeadingNumber(Mid(s, 1, p - 1));
    const auto hours = LeadingNumber(Mid(s, p + 1, 2));
    const auto minutes = LeadingNumber(Mid(s, p + 4, 2));
    const auto seconds = LeadingNumber(Mid(s, p + 7, 2));
    if (!days || !hours || !minutes || !seconds) return std::nullopt;
    return DhmsPieces{negative, *days, *hours, *minutes, *seconds};
}

std::optional<double> DhmsSeconds(std::u16string_view fieldText) {
    const std::u16string_view text = TrimSpaces(fieldText).empty() ? u"0000 00:00:00" : fieldText;
    const auto d = SplitDhms(text);
    if (!d) return std::nullopt;
    double total = d->days * 86400.0 + d->hours * 3600.0;
    total += d->minutes * 60.0;
    total += d->seconds;
    return Finite(total, d->negative);
}

std::optional<double> DhmsDays(std::u16string_view fieldText) {
    const auto d = SplitDhms(fieldText);
    if (!d) return std::nullopt;
    double total = d->days + d->hours / 24.0;
    total += d->minutes / 1440.0;
    total += d->seconds / 86400.0;
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
            return DhmsDays(fieldText);
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
