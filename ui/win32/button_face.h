#pragma once
// A push button in a colour of its own. A system push button draws its face in the system's
// colour whatever WM_CTLCOLORBTN answers, so a button whose design row gives it another
// background is owner-drawn: the system's frame, the face in the button's colour, the caption,
// and the focus cue as the window shows it.

#include <windows.h>

#include "ui/design.h"

namespace zel::win32 {

// Whether the row's button has a face colour other than the system's.
bool HasOwnFace(const DesignRow& row);
// Paints the button of WM_DRAWITEM in these colours.
void PaintButtonFace(const DRAWITEMSTRUCT& item, COLORREF fore, COLORREF back);

}  // namespace zel::win32
