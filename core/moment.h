// A moment of the calendar (a reading of the clock, or a result) and the texts that show it.
#pragma once

#include <string>

#include "core/units.h"

namespace zel {

struct LocalDateTime {
    int year, month, day, hour, minute, second;
};

std::u16string MomentTextZeroSeconds(const LocalDateTime& t);  // "mm/dd hh:nn:00"
std::u16string MomentText(const LocalDateTime& t);             // "mm/dd hh:nn:ss"
std::u16string YearText(const LocalDateTime& t);               // "yyyy", zero-padded to four digits
std::u16string MonthText(const LocalDateTime& t);              // "mm"
std::u16string ClockText(const TimeOfDay& t);                  // "hh:nn:ss"

}  // namespace zel
