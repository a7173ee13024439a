#include "ui/win32/window_procedure.h"

#include "ui/win32/form_window.h"

namespace zel::win32 {

namespace {

LRESULT CALLBACK FormWindowProcedure(HWND top, UINT message, WPARAM w, LPARAM l) {
    if (message == WM_NCCREATE)
        SetWindowLongPtrW(top, GWLP_USERDATA,
                          reinterpret_cast<LONG_PTR>(reinterpret_cast<CREATESTRUCTW*>(l)->lpCreateParams));
    auto* form = reinterpret_cast<FormWindow*>(GetWindowLongPtrW(top, GWLP_USERDATA));
    if (!form) return DefWindowProcW(top, message, w, l);
    switch (message) {
        case WM_CLOSE:
            // The program decides whether the window closes.
            form->sink().CloseBox(*form);
            return 0;
        case WM_SIZE:
            if (IsWindowVisible(top) && w != SIZE_MINIMIZED) form->sink().Resized(*form);
            break;
        case WM_GETMINMAXINFO:
            // The layer keeps the manual from getting too small, snapping it back; the system's
            // own minimum, wider than the layer's, would keep the window from ever getting there.
            reinterpret_cast<MINMAXINFO*>(l)->ptMinTrackSize = {1, 1};
            return 0;
        case WM_SETFOCUS:
            form->sink().FocusReturned(*form);
            return 0;
        case WM_CTLCOLOREDIT:
        case WM_CTLCOLORSTATIC:
        case WM_CTLCOLORBTN:
            if (HBRUSH brush = form->ControlColours(reinterpret_cast<HWND>(l), reinterpret_cast<HDC>(w)))
                return reinterpret_cast<LRESULT>(brush);
            break;
        case WM_DRAWITEM:
            form->PaintButton(*reinterpret_cast<const DRAWITEMSTRUCT*>(l));
            return TRUE;
        case WM_COMMAND:
            if (HIWORD(w) == EN_CHANGE) form->TextEdited(reinterpret_cast<HWND>(l));
            return 0;
        case WM_DPICHANGED:
            form->DpiChanged(HIWORD(w), *reinterpret_cast<const RECT*>(l));
            return 0;
    }
    return DefWindowProcW(top, message, w, l);
}

void Register(HINSTANCE instance, const wchar_t* name, HICON icon, HICON smallIcon) {
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof windowClass;
    windowClass.lpfnWndProc = FormWindowProcedure;
    windowClass.hInstance = instance;
    windowClass.hIcon = icon;
    windowClass.hIconSm = smallIcon;
    windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    windowClass.lpszClassName = name;
    RegisterClassExW(&windowClass);
}

}  // namespace

void RegisterWindowClasses(HINSTANCE instance) {
    static const bool registered = [instance] {
        const auto load = [instance](int size) {
            return static_cast<HICON>(LoadImageW(instance, MAKEINTRESOURCEW(kIconResource), IMAGE_ICON, size, size, 0));
        };
        // The calculators show the program's icon; the manual the system's default one.
        Register(instance, kCalculatorClass, load(GetSystemMetrics(SM_CXICON)), load(GetSystemMetrics(SM_CXSMICON)));
        Register(instance, kManualClass, LoadIconW(nullptr, IDI_APPLICATION), nullptr);
        return true;
    }();
    (void)registered;
}

}  // namespace zel::win32
