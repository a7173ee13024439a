#include "core/number_text.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <optional>
#include <string>
#include <system_error>

namespace zel {

namespace {

// A non-zero double as decimal digits: value = 0.d1d2...dn x 10^point, with
// d1 != 0 and no trailing zeros. So `point` is the number of digits before
// the decimal point (negative or zero below 0.1).
struct Decimal {
    bool negative = false;
    std::string digits;
    int point = 0;
};

// The digits of `value` (finite, non-zero) in scientific form: the shortest
// round-trip form without `significant`, otherwise exactly rounded to that
// many significant digits.
Decimal ToDecimal(double value, std::optional<int> significant) {
    char buffer[64];
    const auto result =
        significant
            ? std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::scientific, *significant - 1)
            : std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::scientific);
    const std::string_view text(buffer, static_cast<std::size_t>(result.ptr - buffer));

    Decimal d;
    std::size_t i = 0;
    if (text[i] == '-') {
        d.negative = true;
        ++i;
    }
    const std::size_t e = text.find('e');
    for (; i < e; ++i) {
        if (text[i] != '.') d.digits += text[i];
    }
    int exponent = 0;
    const char* expBegin = text.data() + e + 1;
    if (*expBegin == '+') ++expBegin;
    std::from_chars(expBegin, text.data() + text.size(), exponent);
    d.point = exponent + 1;
    while (d.digits.size() > 1 && d.digits.back() == '0') d.digits.pop_back();
    return d;
}

std::u16string Widen(std::string_view s) { return std::u16string(s.begin(), s.end()); }

// Rounds the digits of `d` to `decimals` places after the point, halves away
// from zero, and returns the digits of the scaled whole number
// round(|value| x 10^decimals), without leading zeros ("" for zero).
std::string RoundedScaledDigits(const Decimal& d, int decimals) {
    const long keep = static_cast<long>(d.point) + decimals;  // digits that stay
    if (keep < 0) return {};
    const auto size = static_cast<long>(d.digits.size());
    std::string kept = d.digits.substr(0, static_cast<std::size_t>(std::min(keep, size)));
    if (keep < size && d.digits[static_cast<std::size_t>(keep)] >= '5') {
        int i = static_cast<int>(kept.size()) - 1;
        for (; i >= 0 && kept[static_cast<std::size_t>(i)] == '9'; --i) kept[static_cast<std::size_t>(i)] = '0';
        if (i >= 0) {
            ++kept[static_cast<std::size_t>(i)];
        } else {
            kept.insert(kept.begin(), '1');
        }
    } else if (keep > size) {
        kept.append(static_cast<std::size_t>(keep - size), '0');
    }
    if (kept.find_first_not_of('0') == std::string::npos) return {};
    return kept;
}

}  // namespace

std::u16string GeneralNumberText(double value) {
    if (!std::isfinite(value)) return {};
    if (value == 0.0) return u"0";

    const Decimal d = ToDecimal(value, 15);
    const int exponent = d.point - 1;
    std::string out = d.negative ? "-" : "";
    const auto count = static_cast<int>(d.digits.size());

    if (exponent >= 15 || exponent < -5) {
        out += d.digits[0];
        if (count > 1) {
            out += '.';
            out += d.digits.substr(1);
        }
        out += exponent < 0 ? "E-" : "E+";
        const int magnitude = std::abs(exponent);
        if (magnitude < 10) out += '0';
        out += std::to_string(magnitude);
    } else if (d.point <= 0) {
        out += "0.";
        out.append(static_cast<std::size_t>(-d.point), '0');
        out += d.digits;
    } else if (d.point >= count) {
        out += d.digits;
        out.append(static_cast<std::size_t>(d.point - count), '0');
    } else {
        out += d.digits.substr(0, static_cast<std::size_t>(d.point));
        out += '.';
        out += d.digits.substr(static_cast<std::size_t>(d.point));
    }
    return Widen(out);
}

std::u16string FixedPointText(double value, int decimals) {
    if (!std::isfinite(value)) return {};
    if (decimals < 0) decimals = 0;

    std::string scaled;
    bool negative = false;
    if (value != 0.0) {
        const Decimal d = ToDecimal(value, std::nullopt);
        scaled = RoundedScaledDigits(d, decimals);
        negative = d.negative && !scaled.empty();
    }
    const auto width = static_cast<std::size_t>(decimals) + 1;  // at least "0.000..."
    if (scaled.size() < width) scaled.insert(0, width - scaled.size(), '0');

    std::string out = negative ? "-" : "";
    const std::size_t integerDigits = scaled.size() - static_cast<std::size_t>(decimals);
    out += scaled.substr(0, integerDigits);
    if (decimals > 0) {
        out += '.';
        out += scaled.substr(integerDigits);
    }
    return Widen(out);
}

std::u16string WholeNumberText(double wholeValue) {
    if (!std::isfinite(wholeValue)) return {};
    if (std::fabs(wholeValue) < 1e15) {
        const auto whole = static_cast<std::int64_t>(wholeValue);
        return whole == 0 ? u"0" : Widen(std::to_string(whole));
    }
    const Decimal d = ToDecimal(wholeValue, std::nullopt);
    std::string out = d.negative ? "-" : "";
    // Between 1e15 and 2^53 a double may carry a fraction; the caller promises
    // whole values, so anything after the point is simply cut off.
    const auto point = static_cast<std::size_t>(d.point);
    out += d.digits.substr(0, point);
    if (point > d.digits.size()) out.append(point - d.digits.size(), '0');
    return Widen(out);
}

std::u16string ZeroPadded(int value, std::size_t width) {
    const bool negative = value < 0;
    std::string digits = std::to_string(negative ? -static_cast<long long>(value) : value);
    if (digits.size() < width) digits.insert(0, width - digits.size(), '0');
    if (negative) digits.insert(0, 1, '-');
    return Widen(digits);
}

}  // namespace zel
