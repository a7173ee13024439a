#pragma once
// The program's message boxes as the system's own: MessageBoxW with OK, or OK and Cancel, the
// program's title and no icon, owned by the window that takes input.

#include <windows.h>

#include <functional>

#include "ui/services.h"

namespace zel::win32 {

class SystemMessageBoxes : public MessageBoxes {
public:
    // Called just before a box appears: brings the screen in line with the program (so that the
    // user sees the state the box speaks about) and returns the window that owns the box.
    std::function<HWND()> owner;

    MessageAnswer Show(const std::u16string& text, const std::u16string& title, MessageButtons buttons) override;
};

}  // namespace zel::win32
