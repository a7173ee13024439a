// Zelvorin: the calculator for moments and spans of time, on the Windows desktop.
#include <windows.h>

#include "ui/system_clock.h"
#include "ui/win32/message_boxes.h"
#include "ui/win32/view.h"
#include "ui/zelvorin.h"

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
    zel::win32::SystemMessageBoxes messageBoxes;
    zel::SystemClock clock;
    zel::Zelvorin program(messageBoxes, clock);
    zel::win32::View view(program, instance);
    view.Attach(messageBoxes);
    view.onEnded = [] { PostQuitMessage(0); };
    program.Start();
    view.Sync();
    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    return 0;
}
