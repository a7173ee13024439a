// Normalisation of what the user typed into the dhms field.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace zel {

// Turns the typed text (not empty) into the dhms text "[-]dddd hh:nn:ss", or
// gives std::nullopt when the entry is rejected.
// - A leading '-' makes the entry negative and is removed.
// - The first space p ends the day part (none, or beyond 255, rejects). The
//   day text is the first p characters, space included; up to four day
//   characters are zero-padded to four. The day characters are not checked.
// - In the time part after the space, c1 is the first ':' and c2 the next.
//   Colon form (c1 = 2 or 3): the first c2 + 2 characters must read as a time
//   of day h:m:s. Digit form (no colon, or c1 >= 7): characters 1-2, 3-4 and
//   5-6 give hours, minutes and seconds by their leading numbers, missing ones
//   0. Any other c1 rejects. Hours must lie in 0..23, minutes and seconds in
//   0..59. Whatever follows the time is ignored.
// '23 134506' -> '0023 13:45:06', '23 1:5:6' -> '0023 01:05:06',
// '-0 003000' -> '-0000 00:30:00', '23 ' -> '0023 00:00:00'.
std::optional<std::u16string> NormaliseDhmsEntry(std::u16string_view typed);

}  // namespace zel
