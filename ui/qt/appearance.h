#pragma once
// How the design tables' units, fonts, colours and icon look on this desktop.

#include <QColor>
#include <QFont>
#include <QIcon>
#include <QPalette>
#include <QRect>
#include <QString>

#include <string_view>

#include "ui/design.h"

namespace zel::view {

// The layout is drawn at 96 device-independent pixels per inch: 1440 / 96 twips to a pixel.
inline constexpr double kTwipsPerPixel = 15;

// A length in twips as whole pixels, rounded to the nearest.
int Pixels(double twips);
// A control's rectangle in pixels; left, top, width and height are each rounded.
QRect PixelRect(const TwipRect& rect);
// The box of a line whose end points (x1, y1, x2, y2) a line row holds: one pixel wide.
QRect LineBox(const TwipRect& ends);

// Makes the design's font family fall back to an installed Japanese gothic font.
// Call once after the application object exists and before any window is built.
void InstallFontSubstitutes();
// The family the design font is drawn in: the design's own when installed, else the first
// installed Japanese gothic substitute, else the design's own all the same.
const QString& DesignFamily();
// Whether the family DesignFamily() names is installed: when it is, Japanese can be drawn.
bool DesignFamilyInstalled();
// The font of the given size and weight; sized in pixels so that it keeps to the twip layout
// whatever the screen's resolution.
QFont DesignFont(const FontSpec& size);
// The font a control is drawn in: its own, or its window's default when the row leaves it open.
QFont ControlFont(const WindowDesign& window, const DesignRow& row);

// The design fixes every control's colours (light-yellow fields, red and blue marks) and its
// size in twips, for a light window drawn in a style whose controls fit those sizes. A desktop's
// own style and palette (a dark theme, a high-contrast one, a style with larger indicators and
// wider margins) would leave texts unreadable and controls cut. The program draws in Fusion with
// Fusion's light palette, whatever style, platform theme or colour scheme the desktop names.
// Call once after the application object exists and before any window is built.
void KeepTheDesignsStyleAndPalette();

// The palette roles a control of the kind draws its foreground and background colours in; a line
// has no background (NoRole).
struct ColourRoles {
    QPalette::ColorRole fore, back;
};
ColourRoles ColourRolesOf(Kind kind);

// A design colour on this desktop; the system colours come from the palette.
QColor ToQColor(const Colour& colour, const QPalette& palette);

// The program's icon: the images of the icon installed for the desktop.
QIcon ApplicationIcon();

QString ToQString(std::u16string_view text);
// The layer keeps line breaks as CR LF; Qt's text widgets use LF alone (the way back, edit by
// edit, is document_edit.h's).
QString ToDisplayText(std::u16string_view text);

}  // namespace zel::view
