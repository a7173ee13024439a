#include "ui/win32/button_face.h"

#include <string>

#include "ui/win32/appearance.h"

namespace zel::win32 {

bool HasOwnFace(const DesignRow& row) {
    return row.kind == Kind::Button && row.back != kKindDefault && row.back != KindBack(Kind::Button);
}

void PaintButtonFace(const DRAWITEMSTRUCT& item, COLORREF fore, COLORREF back) {
    HDC dc = item.hDC;
    RECT face = item.rcItem;
    const bool pushed = (item.itemState & ODS_SELECTED) != 0;
    DrawFrameControl(dc, &face, DFC_BUTTON, DFCS_BUTTONPUSH | DFCS_ADJUSTRECT | (pushed ? DFCS_PUSHED : 0));
    FillRect(dc, &face, SolidBrush(back));
    std::wstring caption(static_cast<std::size_t>(GetWindowTextLengthW(item.hwndItem)) + 1, L'\0');
    caption.resize(static_cast<std::size_t>(GetWindowTextW(item.hwndItem, caption.data(), static_cast<int>(caption.size()))));
    HGDIOBJ old = SelectObject(dc, reinterpret_cast<HFONT>(SendMessageW(item.hwndItem, WM_GETFONT, 0, 0)));
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, fore);
    RECT text = face;
    // A pushed button's caption sinks with its face, as the system draws it.
    if (pushed) OffsetRect(&text, 1, 1);
    DrawTextW(dc, caption.c_str(), static_cast<int>(caption.size()), &text, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
    SelectObject(dc, old);
    if ((item.itemState & ODS_FOCUS) && !(item.itemState & ODS_NOFOCUSRECT)) {
        InflateRect(&face, -2, -2);
        DrawFocusRect(dc, &face);
    }
}

}  // namespace zel::win32
