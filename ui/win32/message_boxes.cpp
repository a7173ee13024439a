#include "ui/win32/message_boxes.h"

#include "ui/win32/appearance.h"

namespace zel::win32 {

MessageAnswer SystemMessageBoxes::Show(const std::u16string& text, const std::u16string& title,
                                       MessageButtons buttons) {
    HWND parent = owner ? owner() : nullptr;
    const UINT type = (buttons == MessageButtons::OkCancel ? MB_OKCANCEL : MB_OK) | MB_DEFBUTTON1 | MB_APPLMODAL;
    const int answer = MessageBoxW(parent, ToWide(text).c_str(), ToWide(title).c_str(), type);
    return answer == IDCANCEL && buttons == MessageButtons::OkCancel ? MessageAnswer::Cancel : MessageAnswer::Ok;
}

}  // namespace zel::win32
