// The sum and difference of two durations in the selected unit.
#pragma once

#include <optional>
#include <string_view>

#include "core/conversion.h"

namespace zel {

// The left operand in the selected unit: the leading number of a unit field, or for dhms the
// text in days (DhmsIn; a text without a space has its days in the first four characters).
// std::nullopt when a number lies beyond the double range.
std::optional<double> LeftOperand(Unit unit, std::u16string_view fieldText);

// left + V with `plus`, left - V without, V being the leading number of the operand text.
// std::nullopt when V or the result lies beyond the double range.
std::optional<double> SumOrDifference(double left, std::u16string_view operandText, bool plus);

}  // namespace zel
