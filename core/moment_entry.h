// Normalisation of what the user typed into a moment field or a year box.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "core/moment.h"

namespace zel {

// The canonical moment text "mm/dd hh:nn:ss" of a typed moment, or std::nullopt when it is
// rejected. s is the text without outer spaces; p its first '/', q its first space (1-based,
// 0 when absent; a position beyond 255 rejects). Positions and pieces count a surrogate pair as
// one character, so a copied piece never holds half of one.
// - p = 2 or 3: a date and time, read by ReadMonthDayTime in the year of `now`; a year typed
//   with it is not shown. '5/7 9:05' -> '05/07 09:05:00'.
// - otherwise q = 5: month and day given, characters copied into place unchecked:
//   '1004 051627' -> '10/04 05:16:27'; characters after the 11th are ignored.
// - otherwise q = 3: the day in the month of `now`: '02 150405' -> 'mm/02 15:04:05'.
// - anything else, the empty text included, is rejected.
// The copying forms leave pieces beyond the end of s empty: '1004 0516' -> '10/04 05:16:'.
std::optional<std::u16string> NormaliseMoment(std::u16string_view typed, const LocalDateTime& now);

// The year text of a typed year. Four ASCII digits (less outer spaces) stay as they are, so a
// year below 1000 that the elapsed moment wrote, '0998', survives a pass through its box.
// Any other text gives the general number text y of its leading number, completed to four
// characters: 4 or more give the first four, 3 get "2" in front, 2 get "20", 1 gets "200".
// '5' -> '2005', '' -> '2000', '12345' -> '1234', '-5' -> '20-5'. std::nullopt only when the
// number is too large for a double.
std::optional<std::u16string> NormaliseYear(std::u16string_view typed);

}  // namespace zel
