#pragma once
// How the design tables' twips, fonts and colours look on this desktop, at a window's DPI.

#include <windows.h>

#include <string>
#include <string_view>

#include "ui/design.h"

namespace zel::win32 {

// A length in twips as whole pixels at `dpi` pixels per inch, rounded to the nearest.
int Pixels(double twips, UINT dpi);
// A control's rectangle in pixels at `dpi`; left, top, width and height are each rounded.
RECT PixelRect(const TwipRect& rect, UINT dpi);
// The box of a line whose end points (x1, y1, x2, y2) a line row holds: one pixel wide.
RECT LineBox(const TwipRect& ends, UINT dpi);
// A length in pixels at `dpi` as twips.
double Twips(int pixels, UINT dpi);

// The face every text is drawn in: the design's own where it is installed, else the first
// installed of Windows' Japanese gothic faces, in this order: MS Gothic (the design face's
// English name), Yu Gothic, Meiryo, MS UI Gothic. With none of them, the design's name all the
// same: asked for with the Shift-JIS character set, the font mapper still picks a face that has
// Japanese glyphs. Looked up once.
const std::wstring& DesignFace();
// The design font of this size and weight at `dpi`, with the Shift-JIS character set. Fonts are
// made once and live as long as the program.
HFONT DesignFont(const FontSpec& design, UINT dpi);
// The font a control is drawn in: its own, or its window's default when the row leaves it open.
HFONT ControlFont(const WindowDesign& window, const DesignRow& row, UINT dpi);

// A design colour on this desktop; the system colours are the desktop's own.
COLORREF ToColorRef(const Colour& colour);
// A solid brush of the colour, made once and kept.
HBRUSH SolidBrush(COLORREF colour);

std::wstring ToWide(std::u16string_view text);

}  // namespace zel::win32
