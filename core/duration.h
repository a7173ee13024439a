// The five texts that show one duration in the conversion section.
#pragma once

#include <optional>
#include <string>

#include "core/units.h"

namespace zel {

struct DurationTexts {
    std::u16string dhms;  // "[-]dddd hh:nn:ss"
    std::u16string day;   // 7 decimals
    std::u16string hour;  // 5 decimals
    std::u16string min;   // 3 decimals
    std::u16string sec;   // whole seconds
};

// The texts of `duration`, of `seconds` seconds:
// - sec: floor(seconds + 0.5) as a whole number (halves upwards);
// - min, hour, day: the signed value divided successively by 60, 60 and 24,
//   with 3, 5 and 7 decimals;
// - dhms: from the magnitude A, the whole days D = floor(A / 86400) (held as a
//   fixed-point count with four decimals, so beyond 922337203685477 days it
//   fails), zero-padded to four digits up to 9999; the rest A - D*86400 rounded
//   once to whole seconds, halves to even, split into hours, minutes and
//   seconds of two digits; '-' in front when the signed day value is below 0.
// The remainder is rounded after the days are split off, so 86399.6 seconds
// read '0000 24:00:00' while sec reads '86400'.
// std::nullopt when `seconds` is not finite or the day count is out of range;
// the caller then writes nothing.
std::optional<DurationTexts> DurationTextsFor(Seconds duration);

}  // namespace zel
