#pragma once
// The computer's own clock, in standard C++, so that the program reads the local time the same
// way on every system and the reading is tested wherever the window layer is.

#include "ui/services.h"

namespace zel {

class SystemClock : public Clock {
public:
    // The local date and time now, to the second.
    LocalDateTime Now() override;
};

}  // namespace zel
