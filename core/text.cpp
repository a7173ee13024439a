#include "core/text.h"

namespace zel {

namespace {

constexpr char16_t kReplacement = 0xFFFD;
constexpr std::size_t kLargestKeptPosition = 255;

void AppendUtf8(std::string& out, char32_t cp) {
    if (cp < 0x80) {
        out += static_cast<char>(cp);
    } else if (cp < 0x800) {
        out += static_cast<char>(0xC0 | (cp >> 6));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else if (cp < 0x10000) {
        out += static_cast<char>(0xE0 | (cp >> 12));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (cp >> 18));
        out += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    }
}

void AppendUtf16(std::u16string& out, char32_t cp) {
    if (cp < 0x10000) {
        out += static_cast<char16_t>(cp);
    } else {
        cp -= 0x10000;
        out += static_cast<char16_t>(0xD800 + (cp >> 10));
        out += static_cast<char16_t>(0xDC00 + (cp & 0x3FF));
    }
}

bool IsContinuation(unsigned char b) { return (b & 0xC0) == 0x80; }

// The index just past the character that starts at index i (below s.size()): a surrogate pair is one
// character, a lone surrogate is one too.
std::size_t NextCharacter(std::u16string_view s, std::size_t i) {
    return IsHighSurrogate(s[i]) && i + 1 < s.size() && IsLowSurrogate(s[i + 1]) ? i + 2 : i + 1;
}

// The index `count` characters after index `from`, or s.size() when the text ends first.
std::size_t SkipCharacters(std::u16string_view s, std::size_t from, std::size_t count) {
    for (; count > 0 && from < s.size(); --count) from = NextCharacter(s, from);
    return from;
}

}  // namespace

std::u16string TrimSpaces(std::u16string_view s) {
    const auto first = s.find_first_not_of(u' ');
    if (first == std::u16string_view::npos) return {};
    const auto last = s.find_last_not_of(u' ');
    return std::u16string(s.substr(first, last - first + 1));
}

std::u16string Mid(std::u16string_view s, std::size_t start1, std::size_t count) {
    const std::size_t start = SkipCharacters(s, 0, start1 == 0 ? 0 : start1 - 1);
    return std::u16string(s.substr(start, SkipCharacters(s, start, count) - start));
}

std::string ToUtf8(std::u16string_view s) {
    std::string out;
    out.reserve(s.size());
    for (std::size_t i = 0; i < s.size(); ++i) {
        const char16_t c = s[i];
        if (IsHighSurrogate(c) && i + 1 < s.size() && IsLowSurrogate(s[i + 1])) {
            AppendUtf8(out, 0x10000 + ((char32_t(c) - 0xD800) << 10) + (char32_t(s[i + 1]) - 0xDC00));
            ++i;
        } else if (IsHighSurrogate(c) || IsLowSurrogate(c)) {
            AppendUtf8(out, kReplacement);
        } else {
            AppendUtf8(out, c);
        }
    }
    return out;
}

std::u16string FromUtf8(std::string_view s) {
    std::u16string out;
    out.reserve(s.size());
    std::size_t i = 0;
    while (i < s.size()) {
        const auto lead = static_cast<unsigned char>(s[i]);
        if (lead < 0x80) {
            out += static_cast<char16_t>(lead);
            ++i;
            continue;
        }
        // Length of the sequence and the allowed range of its second byte, which
        // excludes overlong forms, surrogates and code points above U+10FFFF.
        std::size_t length = 0;
        unsigned char low = 0x80, high = 0xBF;
        if (lead >= 0xC2 && lead <= 0xDF) {
            length = 2;
        } else if (lead >= 0xE0 && lead <= 0xEF) {
            length = 3;
            if (lead == 0xE0) low = 0xA0;
            if (lead == 0xED) high = 0x9F;
        } else if (lead >= 0xF0 && lead <= 0xF4) {
            length = 4;
            if (lead == 0xF0) low = 0x90;
            if (lead == 0xF4) high = 0x8F;
        }
        if (length == 0) {
            out += kReplacement;
            ++i;
            continue;
        }
        char32_t cp = lead & (0xFF >> (length + 1));
        std::size_t used = 1;
        for (; used < length && i + used < s.size(); ++used) {
            const auto b = static_cast<unsigned char>(s[i + used]);
            const bool fits = used == 1 ? (b >= low && b <= high) : IsContinuation(b);
            if (!fits) break;
            cp = (cp << 6) | (b & 0x3F);
        }
        if (used == length) {
            AppendUtf16(out, cp);
        } else {
            // A broken sequence counts once, however many of its bytes were read.
            out += kReplacement;
        }
        i += used;
    }
    return out;
}

std::optional<unsigned> FindPosition(std::u16string_view s, char16_t c, std::size_t from1) {
    std::size_t position = from1 == 0 ? 1 : from1;
    for (std::size_t i = SkipCharacters(s, 0, position - 1); i < s.size(); i = NextCharacter(s, i), ++position) {
        if (s[i] != c) continue;
        if (position > kLargestKeptPosition) return std::nullopt;
        return static_cast<unsigned>(position);
    }
    return 0u;
}

}  // namespace zel
