#include "core/number_text.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

namespace zel {
namespace {

struct Case {
    double value;
    std::u16string text;
};

TEST(GeneralNumberText, WritesUpTo15SignificantDigits) {
    const Case cases[] = {
        {1.75, u"1.75"},
        {2, u"2"},
        {-0.25, u"-0.25"},
        {0.1 + 0.2, u"0.3"},
        {-0.0, u"0"},
        {123456789012345.6, u"123456789012346"},
        {0.00001, u"0.00001"},
        {999999999999999.0, u"999999999999999"},
        {999999999999999.9, u"1E+15"},  // rounds up into the exponent range
        {1.5e15, u"1.5E+15"},
        {0.000001, u"1E-06"},
        {-2.5e100, u"-2.5E+100"},
        {1.0 / 3.0, u"0.333333333333333"},
        {5e-324, u"4.94065645841247E-324"},
    };
    for (const auto& c : cases) EXPECT_EQ(GeneralNumberText(c.value), c.text) << c.value;
}

TEST(FixedPointText, RoundsHalvesAwayFromZeroOnTheShortestForm) {
    const struct {
        double value;
        int decimals;
        std::u16string text;
    } cases[] = {
        {0, 3, u"0.000"},
        {-0.0001, 3, u"0.000"},  // rounds to zero: no sign
        {-0.0005, 3, u"-0.001"},
        {0.0005, 3, u"0.001"},
        {1.0005, 3, u"1.001"},  // binary value lies below the half
        {2.675, 2, u"2.68"},
        {9.9999995, 7, u"9.9999995"},
        {9.99999995, 7, u"10.0000000"},
        {0.99996, 4, u"1.0000"},
        {1e20, 3, u"100000000000000000000.000"},
        {1.234e-8, 7, u"0.0000000"},
        {5e-8, 7, u"0.0000001"},
    };
    for (const auto& c : cases) EXPECT_EQ(FixedPointText(c.value, c.decimals), c.text) << c.value;
}

TEST(WholeNumberText, WritesPlainDigits) {
    const Case cases[] = {
        {0, u"0"},
        {-0.0, u"0"},
        {-91, u"-91"},
        {999999999999999, u"999999999999999"},
        {1e15, u"1000000000000000"},
        {std::ldexp(1.0, 60), u"1152921504606847000"},
        {-std::ldexp(1.0, 60), u"-1152921504606847000"},
        {1e20, u"100000000000000000000"},
    };
    for (const auto& c : cases) EXPECT_EQ(WholeNumberText(c.value), c.text) << c.value;
}

}  // namespace
}  // namespace zel
