#include "core/leading_number.h"

#include <charconv>
#include <cstdint>
#include <string>

namespace zel {

namespace {

// Walks over a text, skipping the blanks that the reading ignores.
class Cursor {
public:
    explicit Cursor(std::u16string_view text) : text_(text) { Skip(); }

    char16_t Peek() const { return pos_ < text_.size() ? text_[pos_] : u'\0'; }
    void Next() {
        ++pos_;
        Skip();
    }

private:
    void Skip() {
        while (pos_ < text_.size() && (text_[pos_] == u' ' || text_[pos_] == u'\t' || text_[pos_] == u'\n')) ++pos_;
    }

    std::u16string_view text_;
    std::size_t pos_ = 0;
};

bool IsDigit(char16_t c) { return c >= u'0' && c <= u'9'; }

// Exponents are held saturated; far beyond this any non-zero mantissa has
// long overflowed or underflowed, whatever its number of digits.
constexpr std::int64_t kExponentLimit = 1'000'000'000;

// Once the first significant digit lies this many places above or below the
// point, the result is certainly out of the double range.
constexpr std::int64_t kSureOverflow = 400;
constexpr std::int64_t kSureUnderflow = -400;

}  // namespace

std::optional<double> LeadingNumber(std::u16string_view text) {
    Cursor cur(text);

    bool negative = false;
    if (cur.Peek() == u'+' || cur.Peek() == u'-') {
        negative = cur.Peek() == u'-';
        cur.Next();
    }

    // Significant digits without leading zeros, and the power of ten of the
    // last digit kept.
    std::string digits;
    std::int64_t scale = 0;
    bool anyDigit = false;
    bool seenPoint = false;
    for (;;) {
        const char16_t c = cur.Peek();
        if (IsDigit(c)) {
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
    // sign); otherwise the number ends before the letter.
    std::int64_t exponent = 0;
    const char16_t letter = cur.Peek();
    if (letter == u'E' || letter == u'e' || letter == u'D' || letter == u'd') {
        Cursor look = cur;
        look.Next();
        bool expNegative = false;
        if (look.Peek() == u'+' || look.Peek() == u'-') {
            expNegative = look.Peek() == u'-';
            look.Next();
        }
        if (IsDigit(look.Peek())) {
            for (; IsDigit(look.Peek()); look.Next()) {
                if (exponent < kExponentLimit) exponent = exponent * 10 + (look.Peek() - u'0');
            }
            if (expNegative) exponent = -exponent;
        }
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

}  // namespace zel
