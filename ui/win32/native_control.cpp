#include "ui/win32/native_control.h"

#include <imm.h>

#include "ui/win32/button_face.h"

namespace zel::win32 {

namespace {

bool Has(const DesignRow& row, Flag flag) { return (row.flags & flag) != 0; }

struct NativeClass {
    const wchar_t* name;
    DWORD style;
    DWORD exStyle;
};

NativeClass ClassOf(const DesignRow& row) {
    // Siblings overlap (a moment field over its year box, a status mark over its button's edge):
    // each paints only where no sibling in front of it lies.
    constexpr DWORD child = WS_CHILD | WS_CLIPSIBLINGS;
    switch (row.kind) {
        case Kind::TextBox: {
            DWORD style = child | (Has(row, kRightAligned) ? ES_RIGHT : ES_LEFT);
            if (IsTextArea(row))
                style |= ES_MULTILINE | ES_AUTOVSCROLL | ES_WANTRETURN | (Has(row, kVerticalScroll) ? WS_VSCROLL : 0);
            else
                style |= ES_AUTOHSCROLL;
            return {L"EDIT", style, WS_EX_CLIENTEDGE};
        }
        case Kind::Label: {
            // A transparent label is painted after the siblings under it, and clips none of them.
            const DWORD style = WS_CHILD | SS_NOTIFY | SS_NOPREFIX | (Has(row, kAutoSize) ? SS_LEFTNOWORDWRAP : SS_LEFT) |
                                (Has(row, kSingleBorder) ? WS_BORDER : 0);
            if (IsTransparentLabel(row)) return {L"STATIC", style, WS_EX_TRANSPARENT};
            return {L"STATIC", style | WS_CLIPSIBLINGS, 0};
        }
        case Kind::Button: return {L"BUTTON", child | (HasOwnFace(row) ? BS_OWNERDRAW : BS_PUSHBUTTON), 0};
        case Kind::Option: return {L"BUTTON", child | BS_RADIOBUTTON, 0};
        case Kind::Frame: return {L"BUTTON", child | BS_GROUPBOX, 0};
        case Kind::Line: return {L"STATIC", child, 0};
    }
    return {L"STATIC", child, 0};
}

}  // namespace

bool IsTextArea(const DesignRow& row) { return Has(row, kTextArea); }

bool IsTransparentLabel(const DesignRow& row) { return row.kind == Kind::Label && Has(row, kTransparent); }

HWND CreateNativeControl(const DesignRow& row, HWND parent, int id, HINSTANCE instance, const wchar_t* caption,
                         const RECT& place, bool shown) {
    const NativeClass native = ClassOf(row);
    HWND control = CreateWindowExW(native.exStyle, native.name, caption, native.style | (shown ? WS_VISIBLE : 0),
                                   place.left, place.top, place.right - place.left, place.bottom - place.top, parent,
                                   reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), instance, nullptr);
    if (row.kind != Kind::TextBox) return control;
    // The program takes a text of any length: none is cut at the edit's default limit.
    SendMessageW(control, EM_SETLIMITTEXT, 0, 0);
    // A one-line box reads half-width digits, which a Japanese input method would type
    // full-width: it takes none, and the keys reach it as typed.
    if (!IsTextArea(row)) ImmAssociateContextEx(control, nullptr, 0);
    return control;
}

}  // namespace zel::win32
