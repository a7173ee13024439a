// Small helpers for the UTF-16 texts that the fields of the window hold. Positions and counts of
// characters treat a surrogate pair as one character, so that no piece cut from a text by them
// holds half of a pair.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace zel {

// The first and the second half of a surrogate pair.
constexpr bool IsHighSurrogate(char16_t c) { return c >= 0xD800 && c <= 0xDBFF; }
constexpr bool IsLowSurrogate(char16_t c) { return c >= 0xDC00 && c <= 0xDFFF; }

// Drops leading and trailing U+0020 only; tabs and other blanks stay.
std::u16string TrimSpaces(std::u16string_view s);

// `count` characters from the 1-based position `start1`; shorter or empty
// when the text ends first. A start of 0 is taken as 1.
std::u16string Mid(std::u16string_view s, std::size_t start1, std::size_t count);

// Conversions between the fields' UTF-16 and UTF-8. Unpaired surrogates and
// invalid UTF-8 sequences become U+FFFD.
std::string ToUtf8(std::u16string_view s);
std::u16string FromUtf8(std::string_view s);

// A character position found by searching, as the program keeps it: in an
// unsigned byte, so a position above 255 is a failure. `c` is not a surrogate.
// Searches from the 1-based position `from1` (0 is taken as 1) and returns
// 0 when `c` does not occur, its 1-based position when found at 255 or
// below, and std::nullopt when it is first found beyond 255.
std::optional<unsigned> FindPosition(std::u16string_view s, char16_t c, std::size_t from1 = 1);

}  // namespace zel
