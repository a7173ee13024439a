#include "core/arithmetic.h"

#include <cmath>

#include "core/dhms_reading.h"
#include "core/leading_number.h"

namespace zel {

std::optional<double> LeftOperand(Unit unit, std::u16string_view fieldText) {
    if (unit == Unit::Dhms) return DhmsIn(Unit::Day, fieldText, DayEndWithoutSpace::AtFive);
    return LeadingNumber(fieldText);
}

std::optional<double> SumOrDifference(double left, std::u16string_view operandText, bool plus) {
    const std::optional<double> V = LeadingNumber(operandText);
    if (!V) return std::nullopt;
    const double R = plus ? *V + left : left - *V;
    if (!std::isfinite(R)) return std::nullopt;
    return R;
}

}  // namespace zel
