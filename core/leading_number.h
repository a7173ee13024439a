// Reading the number at the start of a text, the way every numeric field of
// the window is read.
#pragma once

#include <cstddef>
#include <optional>
#include <string_view>

namespace zel {

// The number at the start of `text`. Spaces, tabs and line feeds are dropped
// wherever they stand; then come an optional sign, decimal digits with at most
// one '.', and an optional exponent (E/e or D/d, optional sign, digits). The
// first character that does not fit ends the number, and a text without a
// number gives 0: '1 000' -> 1000, '1e3' -> 1000, '1,5' -> 1, '12abc' -> 12,
// 'abc' -> 0, '' -> 0, '1e' -> 1, '-.5' -> -0.5.
// A magnitude too large for a double gives std::nullopt; one too small gives 0.
// Never inf or NaN, and independent of the C locale.
std::optional<double> LeadingNumber(std::u16string_view text);

// Hours, minutes and seconds read by position: the leading numbers of the two characters at the
// 1-based positions `first`, `first + step` and `first + 2 * step`, whatever stands between them.
struct TimePieces {
    double hours, minutes, seconds;
};
TimePieces TimePiecesAt(std::u16string_view text, std::size_t first, std::size_t step);

}  // namespace zel
