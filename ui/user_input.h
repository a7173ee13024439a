#pragma once
// The user's raw input as a view hands it to the program, and the whole job of a view: what any
// toolkit's view of the program (ui/qt/ is one) must do, and what it may leave to its toolkit.
//
// Building. Whenever Program::windowGeneration() changes, the view opens a top-level window for
// each of calculator() and manual() it does not show yet, and drops those that have gone. A window
// takes its title, client size, default font, icon, maximise box and centring from its
// WindowDesign (design.h), and has one widget per design row, in the order of the rows: of the
// row's kind, at its rectangle in twips (a line's two end points) within its container frame, in
// its font (kFontFamily at the row's size, else the window's), colours and caption, with its flags
// (hidden, right-aligned, single border, transparent, auto size, flat, kTextArea with its
// scroll bar) and its accessible name and description. No widget takes the focus, selects an
// option or closes its window by itself: the program decides.
//
// Input. Every event on a control of the window that takes input (Program::activeWindow()) goes
// to the program before anything else: a mouse button down, up (over the pressed control or away
// from it) and double-clicked; a key down on the focused control; a text box's edits (UserType,
// UserEdit); the close boxes (UserClose, UserCloseManual); the manual's new outer size
// (UserResizeManual). The mouse and key events return what the toolkit does next (Toolkit). While
// a handler runs (its message box is up), and in a window the manual blocks, input reaches no
// control; a key or a press that answers a message box is still told (UserAnsweredMessage).
//
// Mirroring. After every event the view brings each control's state onto its widget: text or
// caption, visibility, foreground and background colour, an option's selection, rectangle, drawing
// order (Control::z), and each window's focus owner; a button is drawn pressed while it is
// Program::pressed(). The toolkit's own focus changes (a message box taking the focus and giving it
// back, the user switching applications) are never handed on: the program's focus is the truth.
// Focus cues follow Program::keyboardCues() and Program::focusMarked().
//
// Message boxes. The program shows them through MessageBoxes (services.h): modal, OK or OK and
// Cancel, the program's title, no icon, over the active window, once the screen is up to date.
//
// Left to the toolkit: the caret, the selection, the clipboard and a text box's context menu (what
// Toolkit::PassOn lets through), and drawing. The input method is off in every one-line box: the
// program reads half-width digits that a Japanese input method would type full-width.

#include <string_view>

namespace zel {

enum class MouseButton { Left, Right, Middle, Other };

// The button's name in transcripts and scripts.
constexpr std::string_view ButtonName(MouseButton button) {
    switch (button) {
        case MouseButton::Left: return "left";
        case MouseButton::Right: return "right";
        case MouseButton::Middle: return "middle";
        case MouseButton::Other: return "other";
    }
    return {};
}

// What the view does with a mouse or key event after the program has seen it: whether the
// toolkit's own handling in a text box goes on (placing the caret, selecting, editing, a context
// menu), or the event ends there.
enum class Toolkit { Swallow, PassOn };

}  // namespace zel
