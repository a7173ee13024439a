#pragma once
// The window classes of the top-level windows and their window procedure.

#include <windows.h>

namespace zel::win32 {

// The resource ID of the program's icon (zelvorin.rc.in).
inline constexpr int kIconResource = 1;

// Registers the calculator's and the manual's window classes, once.
void RegisterWindowClasses(HINSTANCE instance);

}  // namespace zel::win32
