#pragma once
// What a screen reader says for a control besides its own text.

#include <windows.h>

#include "ui/design.h"

namespace zel::win32 {

// Gives the control the accessible name and description of its design row, where the row has
// them, through the system's dynamic annotation (IAccPropServices). A control without a name of
// its own is named by its caption, as the system does.
void Annotate(HWND control, const DesignRow& row);

}  // namespace zel::win32
