#pragma once
// The raw input of the Windows view as the program hears it. The view reports which mouse button
// went down or up on which control, double clicks and keys; these functions hand each to the
// program and answer whether the control's own handling (placing the caret, editing, selecting a
// word) goes on afterwards.

#include <optional>

#include "ui/program.h"

namespace zel::win32 {

enum class MouseButton { Left, Right, Middle, Other };
// What the view does with an event after the program has seen it: whether the native control's
// own handling in a text box goes on.
enum class Toolkit { Swallow, PassOn };

class ProgramInput {
public:
    explicit ProgramInput(Program& program) : program_(program) {}

    Toolkit MouseDown(const ControlId& id, MouseButton button);
    Toolkit MouseUp(const ControlId& id, MouseButton button, bool overPressedControl);
    Toolkit MouseDoubleClick(const ControlId& id, MouseButton button);
    Toolkit KeyDown(Key key, Modifiers modifiers);
    // The control under a left-button press until its release, or null.
    const Control* pressed() const;

private:
    // The control of this id in the window that takes input, or null.
    Control* Find(const ControlId& id) const;
    // The control holds the focus of the window that takes input.
    bool HoldsFocus(const ControlId& id) const;

    Program& program_;
    std::optional<ControlId> pressed_;
};

}  // namespace zel::win32
