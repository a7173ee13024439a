#pragma once
// The native control that shows a design row: its window class and styles.

#include <windows.h>

#include "ui/design.h"

namespace zel::win32 {

// Whether a text box is a multi-line editor (a text area); every other is a one-line edit.
bool IsTextArea(const DesignRow& row);
// A label that lets what lies under it show through around its caption.
bool IsTransparentLabel(const DesignRow& row);

// Creates the native control of the row with its caption, in its place and shown or hidden, as
// a child of `parent` with the control ID `id`, below the siblings made before it: an EDIT for a text box, a STATIC for a label and for a line (which is painted
// in its colour), a BUTTON as push button (owner-drawn in a colour of its own: button_face.h),
// radio button or group box. Options are siblings of
// their group box, placed over it: a radio button inside a group box would send its
// notifications to the group box.
HWND CreateNativeControl(const DesignRow& row, HWND parent, int id, HINSTANCE instance, const wchar_t* caption,
                         const RECT& place, bool shown);

}  // namespace zel::win32
