// Reading the duration that a field of the conversion section holds.
#pragma once

#include <optional>
#include <string_view>

#include "core/units.h"

namespace zel {

// The duration in seconds held in the field of `unit`, as the conversion
// command reads it.
// - Dhms: the text without surrounding spaces (empty reads "0000 00:00:00"),
//   a leading '-' negating; the first space p (none or beyond 255 fails) splits
//   it; days are the leading number of the characters before the space, hours,
//   minutes and seconds those of the two characters at p+1, p+4 and p+7. The
//   fixed positions are read whatever the text looks like, so '23 134506'
//   gives 23 days 13 hours 50 minutes.
// - Day, Hour, Min, Sec: the leading number times 86400, 3600, 60 or 1.
// std::nullopt when a leading number lies beyond the double range or a
// product or sum is not finite.
std::optional<Seconds> DurationSeconds(Unit unit, std::u16string_view fieldText);

// The duration in days held in the field of `unit`, as the elapsed moment reads it: the leading
// number of a unit field divided by 1, 24, 1440 or 86400; for dhms, the pieces read as above
// give days + hours/24 + minutes/1440 + seconds/86400, but a text without a space, the empty
// one included, fails. std::nullopt also when a number lies beyond the double range.
std::optional<Days> DurationDays(Unit unit, std::u16string_view fieldText);

}  // namespace zel
