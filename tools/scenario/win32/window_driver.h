#pragma once
// Scenarios run against the real Windows view: the program and its windows on the UI thread,
// driven from the scenario's thread by real input and read from what the windows show.

#include <memory>

#include "tools/scenario/driver.h"
#include "tools/scenario/win32/ui_thread.h"

namespace zel::scenario::win32 {

std::unique_ptr<Driver> NewWindowDriver(UiThread& ui, MessageLog& log, std::ostream* transcript);

}  // namespace zel::scenario::win32
