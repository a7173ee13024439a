#include "ui/win32/view.h"

#include "ui/win32/window_procedure.h"

namespace zel::win32 {

View::View(Program& program, HINSTANCE instance) : program_(program), instance_(instance) {
    RegisterWindowClasses(instance);
}

View::~View() {
    manual_.reset();
    calculator_.reset();
}

HWND View::calculatorWindow() const { return calculator_ ? calculator_->handle() : nullptr; }
HWND View::manualWindow() const { return manual_ ? manual_->handle() : nullptr; }

HWND View::ControlWindow(const ControlId& id) const {
    const FormWindow* form = active();
    if (!form) return nullptr;
    for (std::size_t i = 0; i < form->count(); ++i)
        if (form->ControlAt(i).id() == id) return form->ControlHandle(i);
    return nullptr;
}

void View::Attach(SystemMessageBoxes& boxes) {
    boxes.owner = [this] {
        Sync();
        const FormWindow* form = active();
        return form ? form->handle() : nullptr;
    };
}

// ---- Windows

void View::Sync() {
    if (syncing_) return;
    syncing_ = true;
    Window* calculator = program_.calculator();
    Window* manual = program_.manual();
    bool showCalculator = false, showManual = false, manualClosed = false;
    if (generation_ != program_.windowGeneration()) {
        generation_ = program_.windowGeneration();
        if (manual_ && &manual_->window() != manual) {
            // The owner is enabled again before the manual goes, or the activation goes elsewhere.
            if (calculator_) EnableWindow(calculator_->handle(), TRUE);
            manual_.reset();
            manualClosed = true;
        }
        if (calculator_ && &calculator_->window() != calculator) calculator_.reset();
        if (calculator && !calculator_) {
            calculator_ = std::make_unique<FormWindow>(*calculator, sink(), instance_, nullptr);
            showCalculator = true;
        }
        if (manual && !manual_) {
            manual_ = std::make_unique<FormWindow>(*manual, sink(), instance_, calculatorWindow());
            showManual = true;
        }
    }
    if (calculator_) calculator_->Mirror();
    if (manual_) manual_->Mirror();
    if (showCalculator) calculator_->Show();
    if (showManual) {
        // Modal: the calculator takes no input while the manual is open.
        if (calculator_) EnableWindow(calculator_->handle(), FALSE);
        // It opens at the layer's outer size, whose standard frame may differ from the system's:
        // the client area is what the system's frame leaves, as after any resize.
        manual_->ResizeOuter(program_.manual()->outerWidth(), program_.manual()->outerHeight());
        manual_->Show();
    }
    if (manualClosed && calculator_) SetForegroundWindow(calculator_->handle());
    SyncFocus();
    syncing_ = false;
    // The layer learns the size the system gave the manual when it appeared.
    if (showManual) ManualResized();
    if (program_.ended() && !endReported_) {
        endReported_ = true;
        if (onEnded) onEnded();
    }
}

void View::SyncFocus() {
    FormWindow* form = active();
    if (!form || &form->window() != program_.activeWindow()) return;
    form->ShowFocusCues(program_.keyboardCues());
    // Focusing a control of a window the system has not activated would activate it: the
    // window takes its focus when it is activated (FocusReturned).
    if (GetActiveWindow() == form->handle()) form->TakeFocus(program_.keyboardCues());
}

// ---- Input

bool View::Accepts(const FormWindow& form) const {
    return !forwarding_ && !syncing_ && &form == active() && &form.window() == program_.activeWindow();
}

template <class F>
void View::Forward(F&& action) {
    forwarding_ = true;
    action();
    forwarding_ = false;
    Sync();
}

template <class F>
Toolkit View::Press(FormWindow& form, std::size_t index, F&& event) {
    if (!Accepts(form)) return Toolkit::Swallow;
    const ControlId id = form.ControlAt(index).id();
    Toolkit toolkit = Toolkit::Swallow;
    Forward([&] { toolkit = event(id); });
    if (!Open(&form)) return Toolkit::Swallow;
    if (toolkit == Toolkit::Swallow) HoldPressed(form, index);
    return toolkit;
}

Toolkit View::MouseDown(FormWindow& form, std::size_t index, MouseButton button) {
    return Press(form, index, [&](const ControlId& id) { return program_.UserMouseDown(id, button); });
}

void View::HoldPressed(FormWindow& form, std::size_t index) {
    if (program_.pressed() != &form.ControlAt(index)) return;
    // A control pressed with the left button is drawn pressed, and hears its release wherever the
    // mouse is then. (A text box that hears the press itself takes the mouse itself.)
    HWND native = form.ControlHandle(index);
    SetCapture(native);
    held_ = native;
    if (form.ControlAt(index).kind() == Kind::Button) SendMessageW(native, BM_SETSTATE, TRUE, 0);
}

Toolkit View::MouseUp(FormWindow& form, std::size_t index, MouseButton button, bool inside) {
    HWND native = form.ControlHandle(index);
    if (button == MouseButton::Left) {
        // The mouse is let go of only where this view took it: a text box that heard its press
        // lets go itself. A text box that takes no typing heard none, and lets go of nothing.
        if (GetCapture() == native && held_ == native) ReleaseCapture();
        held_ = nullptr;
        if (form.ControlAt(index).kind() == Kind::Button) SendMessageW(native, BM_SETSTATE, FALSE, 0);
    }
    if (!Accepts(form)) return Toolkit::Swallow;
    const ControlId id = form.ControlAt(index).id();
    Toolkit toolkit = Toolkit::Swallow;
    Forward([&] { toolkit = program_.UserMouseUp(id, button, inside); });
    return Open(&form) ? toolkit : Toolkit::Swallow;
}

Toolkit View::DoubleClick(FormWindow& form, std::size_t index, MouseButton button) {
    return Press(form, index, [&](const ControlId& id) { return program_.UserMouseDoubleClick(id, button); });
}

Toolkit View::KeyDown(FormWindow& form, std::size_t, Key key, Modifiers modifiers) {
    if (!Accepts(form)) return Toolkit::Swallow;
    Toolkit toolkit = Toolkit::Swallow;
    Forward([&] { toolkit = program_.UserKeyDown(key, modifiers); });
    return Open(&form) ? toolkit : Toolkit::Swallow;
}

void View::TextChanged(FormWindow& form, std::size_t index, std::u16string text) {
    if (!Accepts(form)) return;
    const ControlId id = form.ControlAt(index).id();
    Forward([&] { program_.UserType(id, std::move(text)); });
}

void View::CloseBox(FormWindow& form) {
    if (forwarding_ || syncing_) return;
    if (&form == manual_.get())
        Forward([&] { program_.UserCloseManual(); });
    else if (&form == calculator_.get())
        Forward([&] { program_.UserClose(); });
}

void View::FocusReturned(FormWindow& form) {
    if (!forwarding_ && !syncing_ && &form == active()) SyncFocus();
}

// ---- The manual's size

void View::Resized(FormWindow& form) {
    if (&form == manual_.get()) ManualResized();
}

void View::ManualResized() {
    if (applyingManualSize_ || forwarding_ || syncing_ || !manual_ || !program_.manual()) return;
    const double width = manual_->outerWidth(), height = manual_->outerHeight();
    Forward([&] { program_.UserResizeManual(width, height); });
    // The layer keeps the window from getting too small: it snaps back to the layer's size.
    const ManualWindow* manual = program_.manual();
    if (!manual_ || !manual) return;
    applyingManualSize_ = true;
    manual_->ResizeOuter(manual->outerWidth(), manual->outerHeight());
    applyingManualSize_ = false;
}

}  // namespace zel::win32
