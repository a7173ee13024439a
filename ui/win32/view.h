#pragma once
// The Windows view of the program: puts the layer's windows on screen as native windows and hands
// the user's raw input to the program. It holds no behaviour of its own. Every mouse button and
// key on a control goes to the program first (user_input.h); after each event the view brings
// every control in line with the layer's state, including which windows exist and which control
// has the focus. The system's own focus changes (a message box taking the focus and giving it
// back, the user switching to another program) are never passed on: the layer's focus owner is
// the only truth. The dialog manager is not used: the program walks its own tab order.
// The UI runs on the thread that created the View.

#include <windows.h>

#include <cstdint>
#include <functional>
#include <memory>

#include "ui/program.h"
#include "ui/win32/form_window.h"
#include "ui/win32/input_sink.h"
#include "ui/win32/message_boxes.h"

namespace zel::win32 {

class View final : private InputSink {
public:
    View(Program& program, HINSTANCE instance);
    ~View();
    View(const View&) = delete;
    View& operator=(const View&) = delete;

    // Mirrors the layer onto the windows: which windows exist, every control, the focus.
    void Sync();

    // The top-level window of the open calculator, or null.
    HWND calculatorWindow() const;
    // The manual window while it is open, or null.
    HWND manualWindow() const;
    // The native control of this control in the window that takes input (the manual while it is
    // open), or null.
    HWND ControlWindow(const ControlId& id) const;

    // Called once, when the program has ended.
    std::function<void()> onEnded;

    // Lets the message boxes find the screen up to date and owned by the window taking input.
    void Attach(SystemMessageBoxes& boxes);

private:
    // InputSink
    Toolkit MouseDown(FormWindow& form, std::size_t index, MouseButton button) override;
    Toolkit MouseUp(FormWindow& form, std::size_t index, MouseButton button, bool inside) override;
    Toolkit DoubleClick(FormWindow& form, std::size_t index, MouseButton button) override;
    Toolkit KeyDown(FormWindow& form, std::size_t index, Key key, Modifiers modifiers) override;
    void TextChanged(FormWindow& form, std::size_t index, std::u16string text) override;
    void CloseBox(FormWindow& form) override;
    void Resized(FormWindow& form) override;
    void FocusReturned(FormWindow& form) override;

    InputSink& sink() { return *this; }
    // The window that takes input: the manual while it is open.
    FormWindow* active() const { return manual_ ? manual_.get() : calculator_.get(); }
    // Input reaches a window only when it takes input and no handler is running (its message
    // box is up).
    bool Accepts(const FormWindow& form) const;
    // The form is still open (an action may have closed it).
    bool Open(const FormWindow* form) const { return form == calculator_.get() || form == manual_.get(); }
    // Runs one action of the program, then mirrors.
    template <class F>
    void Forward(F&& action);
    void SyncFocus();
    void ManualResized();
    // A press or the second press of a double click handed to the program by `event`; a control
    // the program then holds pressed is drawn so and keeps the mouse.
    template <class F>
    Toolkit Press(FormWindow& form, std::size_t index, F&& event);
    // Takes the mouse for the control the program now holds pressed, if it is this one.
    void HoldPressed(FormWindow& form, std::size_t index);

    Program& program_;
    HINSTANCE instance_;
    std::unique_ptr<FormWindow> calculator_;
    std::unique_ptr<FormWindow> manual_;
    std::uint64_t generation_ = ~std::uint64_t{0};
    bool forwarding_ = false;
    bool syncing_ = false;
    bool applyingManualSize_ = false;
    bool endReported_ = false;
    // The control this view took the mouse for, until its left button is released.
    HWND held_ = nullptr;
};

}  // namespace zel::win32
