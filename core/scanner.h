// Reading a text from left to right, as the readers of numbers, dates and times do.
#pragma once

#include <cstddef>
#include <optional>
#include <string_view>

namespace zel {

constexpr bool IsAsciiDigit(char16_t c) { return c >= u'0' && c <= u'9'; }

// A position in a text. Characters in `ignored` are passed over wherever they stand, as if the
// text did not hold them.
class Scanner {
public:
    explicit Scanner(std::u16string_view text, std::u16string_view ignored = {}) : text_(text), ignored_(ignored) {
        PassIgnored();
    }

    bool AtEnd() const { return pos_ == text_.size(); }
    // The next character; U+0000 at the end.
    char16_t Peek() const { return AtEnd() ? u'\0' : text_[pos_]; }
    std::u16string_view Rest() const { return text_.substr(pos_); }

    void Next() {
        ++pos_;
        PassIgnored();
    }
    // Moves past `c` when it comes next.
    bool Take(char16_t c) {
        if (AtEnd() || text_[pos_] != c) return false;
        Next();
        return true;
    }
    // Moves past spaces; true when there was at least one.
    bool SkipSpaces() {
        const std::size_t from = pos_;
        while (Peek() == u' ') Next();
        return pos_ > from;
    }
    // A run of `least` to `most` ASCII digits as a number. A run of more than eight digits is read
    // in full but its number stops growing at nine digits: no reader needs more than that exactly.
    std::optional<int> Number(std::size_t least, std::size_t most = std::u16string_view::npos) {
        int value = 0;
        std::size_t count = 0;
        for (; count < most && IsAsciiDigit(Peek()); ++count, Next()) {
            if (value < kGrowingBelow) value = value * 10 + (Peek() - u'0');
        }
        if (count < least) return std::nullopt;
        return value;
    }

private:
    static constexpr int kGrowingBelow = 100'000'000;

    void PassIgnored() {
        while (!AtEnd() && ignored_.find(text_[pos_]) != std::u16string_view::npos) ++pos_;
    }

    std::u16string_view text_, ignored_;
    std::size_t pos_ = 0;
};

}  // namespace zel
