#include "core/leading_number.h"

#include <charconv>
#include <cstdint>
#include <string>

#include "core/scanner.h"
#include "core/text.h"

namespace zel {

namespace {

// Blanks that the reading drops wherever they stand.
constexpr std::u16string_view kBlanks = u" \t\n";

// Once the first significant digit lies this many places above or below the
// point, the result is certainly out of the double range.
constexpr std::int64_t kSureOverflow = 400;
constexpr std::int64_t kSureUnderflow = -400;

// An optional sign; true for '-'.
bool TakeSign(Scanner& cur) {
    if (cur.Take(u'-')) return true;
    cur.Take(u'+');
    return false;
}

}  // namespace

std::optional<double> LeadingNumber(std::u16string_view text) {
    Scanner cur(text, kBlanks);
    const bool negative = TakeSign(cur);

    // Significant digits without leading zeros, and the power of ten of the
    // last digit kept.
    std::string digits;
    std::int64_t scale = 0;
    bool anyDigit = false;
    bool seenPoint = false;
    for (;;) {
        const char16_t c = cur.Peek();
        if (IsAsciiDigit(c)) {
            anyDigit = true;
            if (!digits.empty() || c != u'0') digits += static_cast<char>(c);
            if (seenPoint) --scale;
        } else if (c == u'.' && !seenPoint) {
            seenPoint = true;
        } else {
            break;
        }
        cur.Next();
    }
    if (!anyDigit) return 0.0;

    // The exponent counts only when at least one digit follows its letter (and
    // sign); otherwise the number ends before the letter. An exponent of nine
    // digits or more is held at nine digits, where any mantissa of a field's
    // length has long overflowed or underflowed.
    std::int64_t exponent = 0;
    if (cur.Take(u'E') || cur.Take(u'e') || cur.Take(u'D') || cur.Take(u'd')) {
        const bool expNegative = TakeSign(cur);
        if (const auto power = cur.Number(1)) exponent = expNegative ? -*power : *power;
    }

    if (digits.empty()) return 0.0;  // only zeros

    const auto count = static_cast<std::int64_t>(digits.size());
    // A digit string "d1...dn" with the last digit at 10^(scale + exponent)
    // has its leading digit at 10^(count - 1 + scale + exponent).
    const std::int64_t lastPower = scale + exponent;
    const std::int64_t leadPower = count - 1 + lastPower;
    if (leadPower > kSureOverflow) return std::nullopt;
    if (leadPower < kSureUnderflow) return 0.0;

    std::string literal = digits;
    literal += 'e';
    literal += std::to_string(lastPower);

    double value = 0.0;
    const auto result = std::from_chars(literal.data(), literal.data() + literal.size(), value);
    if (result.ec == std::errc::result_out_of_range) {
        if (leadPower > 0) return std::nullopt;
        return 0.0;
    }
    if (result.ec != std::errc()) return 0.0;
    return negative ? -value : value;
}

TimePieces TimePiecesAt(std::u16string_view text, std::size_t first, std::size_t step) {
    // Two characters never hold a number beyond the double range.
    const auto at = [&](std::size_t n) { return LeadingNumber(Mid(text, first + n * step, 2)).value(); };
    return {at(0), at(1), at(2)};
}

}  // namespace zel
