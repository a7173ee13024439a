#pragma once
// The raw input of a native control, reported to its window's view before the control sees it.

#include <windows.h>

#include <cstddef>

namespace zel::win32 {

// Subclasses the control of the design row `index` of its window (form_window.h): its mouse
// buttons, double clicks and keys go to the window's input sink first, and on to the control's
// own handling only when the sink says so. A control of a window that is being closed hears
// nothing.
void Listen(HWND control, std::size_t index);

}  // namespace zel::win32
