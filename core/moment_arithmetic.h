// The two commands of the moment section over the texts of the moment fields and year boxes.
#pragma once

#include <optional>
#include <string_view>

#include "core/moment.h"

namespace zel {

// A moment as the section holds it: the texts of its year box and its moment field.
struct MomentTexts {
    std::u16string_view year, monthDayTime;  // "yyyy", "mm/dd hh:nn:ss"
};

// Moment 1 minus moment 2. Each date is the first four characters of the year box
// without outer spaces, a space, and the first five characters of the moment field, read by
// ReadYearFirstDate: a date that is no date of the calendar fails. The days between the dates
// are counted exactly; each time of day is hh*3600 + nn*60 + ss from the leading numbers of
// the moment field's characters 7-8, 10-11 and 13-14, where letters count as 0.
std::optional<Seconds> MomentDifference(MomentTexts moment1, MomentTexts moment2);

// Moment 1 plus `duration`, rounded to the second. Moment 1 is the whole year box,
// '/', and the moment field's first five characters read by ReadYearFirstDate, with the rest
// of the field from its 7th character read by ReadTimeOfDay (letters fail there). The sum is
// taken as a date serial (MomentOfSerial); it fails outside the years 100..9999.
std::optional<LocalDateTime> ElapsedMoment(MomentTexts moment1, Days duration);

}  // namespace zel
