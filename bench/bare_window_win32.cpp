// The floor for the Windows program's start: a bare Win32 window with the same native controls
// as the full calculator window (EDIT, STATIC, push and radio buttons, group boxes, lines), at
// the same places, with the same captions, in the design's face with the Shift-JIS character
// set at the design's sizes, but with no behaviour at all: no window layer, no colours, no
// icon, no accessibility annotations.
#include <windows.h>

#include <algorithm>
#include <cmath>
#include <map>
#include <string>
#include <string_view>
#include <tuple>

#include "ui/design.h"

namespace {

int Px(double twips) { return static_cast<int>(std::lround(twips / 15.0)); }

std::wstring Wide(std::u16string_view text) { return std::wstring(text.begin(), text.end()); }

HFONT Font(const zel::FontSpec& size) {
    static std::map<std::tuple<double, bool>, HFONT> fonts;
    HFONT& font = fonts[{size.points, size.bold}];
    if (!font)
        font = CreateFontW(-static_cast<int>(std::lround(size.points * 96.0 / 72.0)), 0, 0, 0,
                           size.bold ? FW_BOLD : FW_NORMAL, FALSE, FALSE, FALSE, SHIFTJIS_CHARSET, OUT_DEFAULT_PRECIS,
                           CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, FIXED_PITCH | FF_MODERN,
                           Wide(zel::kFontFamily).c_str());
    return font;
}

HWND Build(const zel::DesignRow& row, HWND parent, RECT place) {
    const wchar_t* type = L"STATIC";
    DWORD style = WS_CHILD | WS_CLIPSIBLINGS;
    DWORD exStyle = 0;
    switch (row.kind) {
        case zel::Kind::TextBox:
            type = L"EDIT";
            exStyle = WS_EX_CLIENTEDGE;
            style |= (row.flags & zel::kTextArea) ? ES_MULTILINE | ES_AUTOVSCROLL | WS_VSCROLL : ES_AUTOHSCROLL;
            break;
        case zel::Kind::Label: style |= SS_LEFT | SS_NOPREFIX; break;
        case zel::Kind::Button: type = L"BUTTON"; style |= BS_PUSHBUTTON; break;
        case zel::Kind::Option: type = L"BUTTON"; style |= BS_RADIOBUTTON; break;
        case zel::Kind::Frame: type = L"BUTTON"; style |= BS_GROUPBOX; break;
        case zel::Kind::Line: style |= SS_BLACKRECT; break;
    }
    if (!(row.flags & zel::kHidden)) style |= WS_VISIBLE;
    const std::wstring caption = row.kind == zel::Kind::Line ? L"" : Wide(row.caption);
    return CreateWindowExW(exStyle, type, caption.c_str(), style, place.left, place.top, place.right - place.left,
                           place.bottom - place.top, parent, nullptr, nullptr, nullptr);
}

LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM w, LPARAM l) {
    if (message == WM_DESTROY) PostQuitMessage(0);
    return DefWindowProcW(window, message, w, l);
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
    const zel::WindowDesign& design = zel::FullWindowDesign();
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof windowClass;
    windowClass.lpfnWndProc = Procedure;
    windowClass.hInstance = instance;
    windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    windowClass.lpszClassName = L"BareWindow";
    RegisterClassExW(&windowClass);
    constexpr DWORD style = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX;
    RECT outer{0, 0, Px(design.clientWidth), Px(design.clientHeight)};
    AdjustWindowRectEx(&outer, style, FALSE, 0);
    HWND top = CreateWindowExW(0, windowClass.lpszClassName, Wide(design.caption).c_str(), style, CW_USEDEFAULT,
                               CW_USEDEFAULT, outer.right - outer.left, outer.bottom - outer.top, nullptr, nullptr,
                               instance, nullptr);
    // Controls in a frame are placed relative to it, as siblings of it on screen.
    std::map<std::string_view, POINT> frames;
    for (const zel::DesignRow& row : design.rows)
        if (row.kind == zel::Kind::Frame) frames[row.name] = {Px(row.rect.left), Px(row.rect.top)};
    for (const zel::DesignRow& row : design.rows) {
        const zel::TwipRect& r = row.rect;  // a line's rectangle holds its two end points
        RECT place = row.kind == zel::Kind::Line
                         ? RECT{std::min(Px(r.left), Px(r.width)), std::min(Px(r.top), Px(r.height)),
                                std::max(Px(r.left), Px(r.width)) + 1, std::max(Px(r.top), Px(r.height)) + 1}
                         : RECT{Px(r.left), Px(r.top), Px(r.left) + Px(r.width), Px(r.top) + Px(r.height)};
        if (!row.container.empty()) OffsetRect(&place, frames[row.container].x, frames[row.container].y);
        HWND control = Build(row, top, place);
        if (row.kind != zel::Kind::Line)
            SendMessageW(control, WM_SETFONT,
                         reinterpret_cast<WPARAM>(Font(row.font.points > 0 ? row.font : design.defaultFont)), FALSE);
    }
    ShowWindow(top, SW_SHOWNORMAL);
    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    return 0;
}
