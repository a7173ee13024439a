// Reading a dhms text ("[-]dddd hh:nn:ss") by fixed positions, as the commands that take a
// duration from the dhms field do.
#pragma once

#include <optional>
#include <string_view>

namespace zel {

struct DhmsPieces {
    bool negative;
    double days, hours, minutes, seconds;
};

// What a text without a space means: a failure, or days ending before the fifth character.
enum class DayEndWithoutSpace { Fails, AtFive };

// The pieces of a dhms text: after outer spaces, a leading '-' makes it negative; the first
// space p ends the days, which are the leading number of the characters before it; hours,
// minutes and seconds are those of the two characters at p+1, p+4 and p+7, whatever stands
// between them. A first space beyond 255, or a number beyond the double range, fails.
std::optional<DhmsPieces> ReadDhmsPieces(std::u16string_view text, DayEndWithoutSpace withoutSpace);

// The dhms text in days: days + hours/24 + minutes/1440 + seconds/86400, added in this order,
// negated for a negative text; std::nullopt when the text fails or the sum is not finite.
std::optional<double> DhmsDays(std::u16string_view text, DayEndWithoutSpace withoutSpace);

}  // namespace zel
