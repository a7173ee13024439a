#include "core/arithmetic.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "core/number_text.h"

namespace zel {
namespace {

TEST(Arithmetic, LeftOperandPlusOrMinusTheOperand) {
    const struct {
        Unit unit;
        std::u16string left, operand;
        bool plus;
        std::optional<std::u16string> result;  // general number text; nullopt: failure
    } cases[] = {
        {Unit::Hour, u"1.50000", u"0.25", true, u"1.75"},
        {Unit::Hour, u"1.50000", u"0.25", false, u"1.25"},
        {Unit::Dhms, u"0001 12:00:00", u"0.5", true, u"2"},
        {Unit::Dhms, u"0001 12:00:00", u"0.5", false, u"1"},
        {Unit::Dhms, u"0001 06:00:36", u"1", true, u"2.25041666666667"},  // seconds add to the days
        {Unit::Dhms, u"-0000 06:00:00", u"", true, u"-0.25"},
        {Unit::Dhms, u"10000 01:00:00", u"0", true, u"10000.0416666667"},
        {Unit::Dhms, u"0023", u"", true, u"23"},       // no space: days in the first four
        {Unit::Dhms, u"0023x12", u"", true, u"23.5"},  // and the hours from the sixth
        {Unit::Dhms, u" ", u"3", true, u"3"},
        {Unit::Dhms, u"-0000 00:00:00", u"0", false, u"0"},  // never "-0"
        {Unit::Sec, u"5400", u"-600", true, u"4800"},
        {Unit::Sec, u"5400", u"12abc", true, u"5412"},
        {Unit::Day, u"0.1", u"0.2", true, u"0.3"},
        {Unit::Min, u"1e999", u"1", true, std::nullopt},
        {Unit::Min, u"1", u"1e999", true, std::nullopt},
        {Unit::Min, u"1.7e308", u"1.7e308", true, std::nullopt},
        {Unit::Dhms, std::u16string(256, u'1') + u" 00:00:00", u"", true, std::nullopt},
    };
    for (const auto& c : cases) {
        const auto L = LeftOperand(c.unit, c.left);
        const auto R = L ? SumOrDifference(*L, c.operand, c.plus) : std::nullopt;
        EXPECT_EQ(R ? std::optional<std::u16string>(GeneralNumberText(*R)) : std::nullopt, c.result)
            << testing::PrintToString(c.left + u" , " + c.operand);
    }
}

}  // namespace
}  // namespace zel
