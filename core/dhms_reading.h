// Reading a dhms text ("[-]dddd hh:nn:ss") by fixed positions, as the commands that take a
// duration from the dhms field do.
#pragma once

#include <optional>
#include <string_view>

#include "core/units.h"

namespace zel {

// What a text without a space means: a failure, or days ending before the fifth character.
enum class DayEndWithoutSpace { Fails, AtFive };

// The dhms text in `unit`: after outer spaces, a leading '-' makes it negative; the first space p
// ends the days, which are the leading number of the characters before it; hours, minutes and
// seconds are those of the two characters at p+1, p+4 and p+7, whatever stands between them. The
// four pieces are converted to `unit` (Converted) and added in this order, then negated for a
// negative text. A first space beyond 255, a number beyond the double range or a sum that is not
// finite gives std::nullopt.
std::optional<double> DhmsIn(Unit unit, std::u16string_view text, DayEndWithoutSpace withoutSpace);

}  // namespace zel
