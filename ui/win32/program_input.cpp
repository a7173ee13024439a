#include "ui/win32/program_input.h"

#include "ui/win32/native_control.h"

namespace zel::win32 {

Control* ProgramInput::Find(const ControlId& id) const {
    Window* window = program_.activeWindow();
    return window ? window->form().Find(id) : nullptr;
}

bool ProgramInput::HoldsFocus(const ControlId& id) const {
    Window* window = program_.activeWindow();
    const Control* control = Find(id);
    return control && window->form().focus() == control && window->form().IsShown(*control);
}

const Control* ProgramInput::pressed() const { return pressed_ ? Find(*pressed_) : nullptr; }

Toolkit ProgramInput::MouseDown(const ControlId& id, MouseButton button) {
    pressed_.reset();
    const Control* control = Find(id);
    if (!control) return Toolkit::Swallow;
    const bool textBox = control->kind() == Kind::TextBox;
    // Only the left button acts, except that any button puts the focus into a text box.
    if (button != MouseButton::Left && !textBox) return Toolkit::Swallow;
    // A message box that came up while the focus moved has taken the mouse: the click is over.
    if (!program_.UserPress(id)) return Toolkit::Swallow;
    if (button == MouseButton::Left) pressed_ = id;
    return textBox && HoldsFocus(id) ? Toolkit::PassOn : Toolkit::Swallow;
}

Toolkit ProgramInput::MouseUp(const ControlId& id, MouseButton button, bool overPressedControl) {
    const Control* control = Find(id);
    const bool textBox = control && control->kind() == Kind::TextBox;
    if (button != MouseButton::Left) return textBox ? Toolkit::PassOn : Toolkit::Swallow;
    const bool pressedHere = pressed_ && *pressed_ == id;
    pressed_.reset();
    // A click is a press and a release on the same control.
    if (pressedHere && overPressedControl) program_.UserRelease(id);
    return textBox ? Toolkit::PassOn : Toolkit::Swallow;
}

Toolkit ProgramInput::MouseDoubleClick(const ControlId& id, MouseButton button) {
    const Control* control = Find(id);
    if (!control || button != MouseButton::Left) return Toolkit::Swallow;
    // A button has no double click: the second click of one is a click of its own.
    if (control->kind() == Kind::Button) return MouseDown(id, button);
    pressed_.reset();
    const bool handled = program_.activeWindow()->Handles(*control, ControlEvent::DblClick);
    const bool textBox = control->kind() == Kind::TextBox;
    program_.UserDblClick(id);
    // A text box without a double-click handler selects the word under the mouse; one with a
    // handler shows only what the handler wrote.
    return textBox && !handled && HoldsFocus(id) ? Toolkit::PassOn : Toolkit::Swallow;
}

Toolkit ProgramInput::KeyDown(Key key, Modifiers modifiers) {
    Window* window = program_.activeWindow();
    const Control* before = window ? window->form().focus() : nullptr;
    const bool textBox = before && before->kind() == Kind::TextBox;
    const bool multiLine = textBox && IsTextArea(before->design());
    const ControlId id = before ? before->id() : ControlId{};
    program_.UserKey(key, modifiers);
    // The program walks the tab order; buttons and options do only what the program did.
    if (key == Key::Tab || !textBox) return Toolkit::Swallow;
    // Enter ends an entry in a one-line box; a multi-line editor takes it as a line break.
    if (key == Key::Enter && !multiLine) return Toolkit::Swallow;
    return HoldsFocus(id) ? Toolkit::PassOn : Toolkit::Swallow;
}

}  // namespace zel::win32
