#pragma once
// How far two colours stand apart for the eye: the contrast ratio of the Web Content
// Accessibility Guidelines. A view chooses its focus ring's colour by it, and the look tests of
// every view measure their texts' pixels by it.

namespace zel {

// A colour's red, green and blue, 0 to 255 each.
struct Rgb {
    int red = 0, green = 0, blue = 0;
};

// From 1 (the same relative luminance) to 21 (black against white).
double ContrastRatio(Rgb a, Rgb b);

}  // namespace zel
