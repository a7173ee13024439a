#include "core/arithmetic.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "core/number_text.h"

namespace zel {
namespace {

TEST(Arithmetic, LeftOperandPlusOrMinusTheOperand) {
    using enum Operation;
    const struct {
        Unit unit;
        std::u16string left, operand;
        Operation operation;
        std::optional<std::u16string> result;  // general number text; nullopt: failure
    } cases[] = {
        {Unit::Hour, u"1.50000", u"0.25", Plus, u"1.75"},
        {Unit::Hour, u"1.50000", u"0.25", Minus, u"1.25"},
        {Unit::Dhms, u"0001 12:00:00", u"0.5", Plus, u"2"},
        {Unit::Dhms, u"0001 12:00:00", u"0.5", Minus, u"1"},
        {Unit::Dhms, u"0001 06:00:36", u"1", Plus, u"2.25041666666667"},  // seconds add to the days
        {Unit::Dhms, u"-0000 06:00:00", u"", Plus, u"-0.25"},
        {Unit::Dhms, u"10000 01:00:00", u"0", Plus, u"10000.0416666667"},
        {Unit::Dhms, u"0023", u"", Plus, u"23"},       // no space: days in the first four
        {Unit::Dhms, u"0023x12", u"", Plus, u"23.5"},  // and the hours from the sixth
        {Unit::Dhms, u" ", u"3", Plus, u"3"},
        {Unit::Dhms, u"-0000 00:00:00", u"0", Minus, u"0"},  // never "-0"
        {Unit::Sec, u"5400", u"-600", Plus, u"4800"},
        {Unit::Sec, u"5400", u"12abc", Plus, u"5412"},
        {Unit::Day, u"0.1", u"0.2", Plus, u"0.3"},
        {Unit::Min, u"1e999", u"1", Plus, std::nullopt},
        {Unit::Min, u"1", u"1e999", Plus, std::nullopt},
        {Unit::Min, u"1.7e308", u"1.7e308", Plus, std::nullopt},
        {Unit::Dhms, std::u16string(256, u'1') + u" 00:00:00", u"", Plus, std::nullopt},
    };
    for (const auto& c : cases) {
        const auto L = LeftOperand(c.unit, c.left);
        const auto R = L ? SumOrDifference(*L, c.operand, c.operation) : std::nullopt;
        EXPECT_EQ(R ? R->unit : c.unit, c.unit);
        EXPECT_EQ(R ? std::optional<std::u16string>(GeneralNumberText(R->value)) : std::nullopt, c.result)
            << testing::PrintToString(c.left + u" , " + c.operand);
    }
}

}  // namespace
}  // namespace zel
