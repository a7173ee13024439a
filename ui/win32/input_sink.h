#pragma once
// What a window of the view reports: the user's raw input on its controls and on itself. The view
// hands each report to the program and answers whether the native control's own handling goes on.

#include <cstddef>
#include <string>

#include "ui/keys.h"
#include "ui/user_input.h"

namespace zel::win32 {

class FormWindow;

class InputSink {
public:
    // `index` is the control's row in its window's design table.
    virtual Toolkit MouseDown(FormWindow& form, std::size_t index, MouseButton button) = 0;
    virtual Toolkit MouseUp(FormWindow& form, std::size_t index, MouseButton button, bool inside) = 0;
    virtual Toolkit DoubleClick(FormWindow& form, std::size_t index, MouseButton button) = 0;
    virtual Toolkit KeyDown(FormWindow& form, std::size_t index, Key key, Modifiers modifiers) = 0;
    // The text of a text box changed by the user's editing.
    virtual void TextChanged(FormWindow& form, std::size_t index, std::u16string text) = 0;
    // The close box, the system menu's Close or Alt+F4.
    virtual void CloseBox(FormWindow& form) = 0;
    // The user changed the window's size.
    virtual void Resized(FormWindow& form) = 0;
    // The system gave the window itself the keyboard focus (on activation): it belongs to a control.
    virtual void FocusReturned(FormWindow& form) = 0;

protected:
    ~InputSink() = default;
};

}  // namespace zel::win32
