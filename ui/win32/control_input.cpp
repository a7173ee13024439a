#include "ui/win32/control_input.h"

#include <windowsx.h>

#include "ui/win32/form_window.h"

namespace zel::win32 {

namespace {

// What a listened-to control keeps in its user data: its class's own procedure and its place
// in its window. Reading the user data asks the system's window server nothing; a window
// property, where the common controls keep a subclass, is a request to it for every message
// under Wine, which made up most of what the program asked of the server before its first paint.
struct Listener {
    WNDPROC own;
    std::size_t index;
};

Listener* ListenerOf(HWND control) { return reinterpret_cast<Listener*>(GetWindowLongPtrW(control, GWLP_USERDATA)); }

// The control's own handling of the message.
LRESULT Pass(HWND control, UINT message, WPARAM w, LPARAM l) {
    return CallWindowProcW(ListenerOf(control)->own, control, message, w, l);
}

// The control whose next character is swallowed: the one a swallowed key produces (Tab,
// Enter, Space on a button). Keys come one after the other, so one control at a time.
HWND swallowCharacterOf = nullptr;

// The window a control belongs to, while it is open.
FormWindow* FormOf(HWND control) {
    return reinterpret_cast<FormWindow*>(GetWindowLongPtrW(GetParent(control), GWLP_USERDATA));
}

Key KeyOf(WPARAM virtualKey) {
    switch (virtualKey) {
        case VK_TAB: return Key::Tab;
        case VK_RETURN: return Key::Enter;
        case VK_SPACE: return Key::Space;
        case VK_LEFT: return Key::Left;
        case VK_UP: return Key::Up;
        case VK_RIGHT: return Key::Right;
        case VK_DOWN: return Key::Down;
        default: return Key::Other;
    }
}

Modifiers HeldModifiers() {
    Modifiers held = Modifiers::None;
    if (GetKeyState(VK_SHIFT) < 0) held |= Modifiers::Shift;
    if (GetKeyState(VK_CONTROL) < 0) held |= Modifiers::Ctrl;
    if (GetKeyState(VK_MENU) < 0) held |= Modifiers::Alt;
    return held;
}

MouseButton ButtonOf(UINT message) {
    switch (message) {
        case WM_LBUTTONDOWN: case WM_LBUTTONUP: case WM_LBUTTONDBLCLK: return MouseButton::Left;
        case WM_RBUTTONDOWN: case WM_RBUTTONUP: case WM_RBUTTONDBLCLK: return MouseButton::Right;
        case WM_MBUTTONDOWN: case WM_MBUTTONUP: case WM_MBUTTONDBLCLK: return MouseButton::Middle;
        default: return MouseButton::Other;
    }
}

bool Inside(HWND control, LPARAM position) {
    RECT client{};
    GetClientRect(control, &client);
    const POINT point{GET_X_LPARAM(position), GET_Y_LPARAM(position)};
    return PtInRect(&client, point) != FALSE;
}

// Runs the control's own handling when the sink passes the event on. The sink may have closed
// the control's window meanwhile: a destroyed control handles nothing.
LRESULT Finish(Toolkit toolkit, HWND control, UINT message, WPARAM w, LPARAM l) {
    if (toolkit == Toolkit::Swallow || !IsWindow(control)) return 0;
    return Pass(control, message, w, l);
}

LRESULT KeyDown(HWND control, FormWindow& form, std::size_t index, UINT message, WPARAM w, LPARAM l) {
    const Toolkit toolkit = form.sink().KeyDown(form, index, KeyOf(w), HeldModifiers());
    if (!IsWindow(control)) return 0;
    swallowCharacterOf = toolkit == Toolkit::Swallow ? control : nullptr;
    // System keys (Alt+F4 closing the window, Alt+Space its menu) stay the system's.
    if (message == WM_SYSKEYDOWN) return Pass(control, message, w, l);
    return Finish(toolkit, control, message, w, l);
}

LRESULT CALLBACK ControlProcedure(HWND control, UINT message, WPARAM w, LPARAM l) {
    if (message == WM_NCDESTROY) {
        // The control's last message: its own procedure takes it, and the listener goes.
        Listener* listener = ListenerOf(control);
        SetWindowLongPtrW(control, GWLP_USERDATA, 0);
        SetWindowLongPtrW(control, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(listener->own));
        const LRESULT result = CallWindowProcW(listener->own, control, message, w, l);
        delete listener;
        return result;
    }
    FormWindow* open = FormOf(control);
    if (!open) return Pass(control, message, w, l);
    FormWindow& form = *open;
    const std::size_t index = ListenerOf(control)->index;
    const bool textBox = form.ControlAt(index).kind() == Kind::TextBox;
    switch (message) {
        case WM_LBUTTONDOWN:
        case WM_RBUTTONDOWN:
        case WM_MBUTTONDOWN:
            return Finish(form.sink().MouseDown(form, index, ButtonOf(message)), control, message, w, l);
        case WM_LBUTTONUP:
        case WM_RBUTTONUP:
        case WM_MBUTTONUP: {
            const LRESULT result = Finish(form.sink().MouseUp(form, index, ButtonOf(message), Inside(control, l)),
                                          control, message, w, l);
            // The release ends the mouse's capture, also one a text box took on the press and
            // kept because the press moved the focus away from it (its twin took the focus): else
            // the next press anywhere would reach that box.
            if (message == WM_LBUTTONUP && IsWindow(control) && GetCapture() == control) ReleaseCapture();
            return result;
        }
        case WM_LBUTTONDBLCLK:
        case WM_RBUTTONDBLCLK:
        case WM_MBUTTONDBLCLK:
            return Finish(form.sink().DoubleClick(form, index, ButtonOf(message)), control, message, w, l);
        case WM_KEYDOWN:
        case WM_SYSKEYDOWN:
            return KeyDown(control, form, index, message, w, l);
        case WM_KEYUP:
            // A button or option would click on the release of Space: only a text box hears it.
            return textBox ? Pass(control, message, w, l) : 0;
        case WM_CHAR:
            if (swallowCharacterOf == control) {
                swallowCharacterOf = nullptr;
                return 0;
            }
            break;
    }
    return Pass(control, message, w, l);
}

}  // namespace

void Listen(HWND control, std::size_t index) {
    auto* listener = new Listener{nullptr, index};
    SetWindowLongPtrW(control, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(listener));
    listener->own = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrW(control, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(ControlProcedure)));
}

}  // namespace zel::win32
