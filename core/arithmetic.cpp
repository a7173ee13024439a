#include "core/arithmetic.h"

#include <cmath>

#include "core/dhms_reading.h"
#include "core/leading_number.h"

namespace zel {

std::optional<Amount> LeftOperand(Unit unit, std::u16string_view fieldText) {
    const auto value =
        unit == Unit::Dhms ? DhmsIn(Unit::Day, fieldText, DayEndWithoutSpace::AtFive) : LeadingNumber(fieldText);
    if (!value) return std::nullopt;
    return Amount{*value, unit};
}

std::optional<Amount> SumOrDifference(Amount left, std::u16string_view operandText, Operation operation) {
    const std::optional<double> V = LeadingNumber(operandText);
    if (!V) return std::nullopt;
    const double R = operation == Operation::Plus ? *V + left.value : left.value - *V;
    if (!std::isfinite(R)) return std::nullopt;
    return Amount{R, left.unit};
}

}  // namespace zel
