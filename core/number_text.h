// How numbers are written into the fields of the window.
#pragma once

#include <cstddef>
#include <string>

namespace zel {

// General number text: at most 15 significant digits rounded to nearest, '-'
// for negatives, '.' as the point with '0' before it below 1, no grouping, no
// trailing zeros and no point for whole values. From 1E+15 upwards (judged
// after the rounding to 15 digits) and below 1E-05 the exponent form is used:
// '1.5E+15', '1E-06', '-2.5E+100'. -0 is written '0'.
// `value` must be finite; otherwise the text is empty.
std::u16string GeneralNumberText(double value);

// Fixed point with `decimals` places, as the formats "####0.000" (3),
// "####0.00000" (5) and "####0.0000000" (7) write it: all integer digits and
// at least one, no grouping, '.', rounded to the last place with halves away
// from zero. The half is judged on the shortest decimal form that reads back
// as the same double, so 1.0005 gives '1.001' with 3 places although its
// binary value lies just below the half. A value that rounds to zero has no
// '-'. `value` must be finite; otherwise the text is empty.
std::u16string FixedPointText(double value, int decimals);

// A whole-valued double as plain decimal digits with '-' when negative, never
// '-0'. From 1e15 on, where a double no longer holds every whole number, the
// digits are those of the shortest decimal form that reads back as the same
// double, padded with zeros: 2^60 -> '1152921504606847000'.
// `wholeValue` must be finite; otherwise the text is empty.
std::u16string WholeNumberText(double wholeValue);

// The decimal digits of `value`, zero-padded to at least `width` digits, '-' in front of a negative
// value: (7, 2) -> '07', (-7, 2) -> '-07', (12345, 4) -> '12345'.
std::u16string ZeroPadded(int value, std::size_t width);

}  // namespace zel
