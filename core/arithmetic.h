// The sum and difference of two durations in the selected unit.
#pragma once

#include <optional>
#include <string_view>

#include "core/units.h"

namespace zel {

// A number of `unit`, the unit the user selected; where that is dhms, the number counts days.
struct Amount {
    double value;
    Unit unit;
};

enum class Operation { Plus, Minus };

// The left operand in the selected unit: the leading number of a unit field, or for dhms the
// text in days (DhmsIn; a text without a space has its days in the first four characters).
// std::nullopt when a number lies beyond the double range.
std::optional<Amount> LeftOperand(Unit unit, std::u16string_view fieldText);

// left + V or left - V in the unit of `left`, V being the leading number of the operand text.
// std::nullopt when V or the result lies beyond the double range.
std::optional<Amount> SumOrDifference(Amount left, std::u16string_view operandText, Operation operation);

}  // namespace zel
