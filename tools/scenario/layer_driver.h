#pragma once
// Scenarios run against the window layer itself: no display, the program's own state read
// directly, message boxes answered as the script says without ever being shown.

#include <memory>

#include "tools/scenario/driver.h"

namespace zel::scenario {

std::unique_ptr<Driver> NewLayerDriver(MessageLog& log, std::ostream* transcript);

}  // namespace zel::scenario
