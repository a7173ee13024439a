#include "core/leading_number.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

namespace zel {
namespace {

TEST(LeadingNumber, ReadsTheNumberAtTheStart) {
    const struct {
        std::u16string text;
        double value;
    } cases[] = {
        {u"1 000", 1000},
        {u"1e3", 1000},
        {u"1,5", 1},
        {u"12abc", 12},
        {u"abc", 0},
        {u"", 0},
        {u"1e", 1},
        {u"-.5", -0.5},
        {u"\t-1\n2 .5", -12.5},
        {u"+7", 7},
        {u"1.5.5", 1.5},
        {u"2D2", 200},
        {u"2d-2", 0.02},
        {u"1e+", 1},
        {u"-", 0},
        {u".", 0},
        {u"e5", 0},
        {u"1 e 2", 100},
        {u"00012", 12},
        {u"0.000", 0},
        {u"１２", 0},
        {u"1.5\u6642間", 1.5},
        {u"0e99999", 0},
        {u"12345678901234567890", 12345678901234567890.0},
    };
    for (const auto& c : cases) {
        const auto value = LeadingNumber(c.text);
        ASSERT_TRUE(value.has_value()) << testing::PrintToString(c.text);
        EXPECT_EQ(*value, c.value) << testing::PrintToString(c.text);
    }
}

TEST(LeadingNumber, OverflowFailsAndUnderflowGivesZero) {
    EXPECT_EQ(LeadingNumber(u"1e999"), std::nullopt);
    EXPECT_EQ(LeadingNumber(u"-1e309"), std::nullopt);
    EXPECT_EQ(LeadingNumber(std::u16string(400, u'9')), std::nullopt);
    EXPECT_EQ(LeadingNumber(u"1e99999999999999999999"), std::nullopt);
    EXPECT_EQ(LeadingNumber(u"1.8e308"), std::nullopt);
    EXPECT_EQ(LeadingNumber(u"1.7976931348623157e308"), 1.7976931348623157e308);

    EXPECT_EQ(LeadingNumber(u"1e-999"), 0.0);
    EXPECT_EQ(LeadingNumber(u"-1e-99999999999999999999"), 0.0);
    EXPECT_EQ(LeadingNumber(u"1e-310"), 1e-310);  // subnormal, still a number
    // Many digits offset by an exponent stay within range.
    EXPECT_EQ(LeadingNumber(std::u16string(400, u'1') + u"e-399"), 1.1111111111111111);
    EXPECT_EQ(LeadingNumber(u"0." + std::u16string(400, u'0') + u"5e402"), 50.0);
}

}  // namespace
}  // namespace zel
