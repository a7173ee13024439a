#include "tools/scenario/win32/ui_thread.h"

#include <memory>

namespace zel::scenario::win32 {

namespace {
constexpr UINT kCall = WM_APP;
constexpr UINT kPost = WM_APP + 1;
constexpr UINT kQuit = WM_APP + 2;
constexpr wchar_t kClass[] = L"ZelvorinScenarioUiThread";
}  // namespace

UiThread::UiThread() : threadId_(GetCurrentThreadId()) {
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof windowClass;
    windowClass.lpfnWndProc = Procedure;
    windowClass.hInstance = GetModuleHandleW(nullptr);
    windowClass.lpszClassName = kClass;
    RegisterClassExW(&windowClass);
    window_ = CreateWindowExW(0, kClass, L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, windowClass.hInstance, nullptr);
}

UiThread::~UiThread() { DestroyWindow(window_); }

LRESULT CALLBACK UiThread::Procedure(HWND window, UINT message, WPARAM w, LPARAM l) {
    switch (message) {
        case kCall:
            (*reinterpret_cast<const std::function<void()>*>(l))();
            return 0;
        case kPost:
            std::unique_ptr<std::function<void()>>(reinterpret_cast<std::function<void()>*>(l))->operator()();
            return 0;
        case kQuit:
            PostQuitMessage(0);
            return 0;
    }
    return DefWindowProcW(window, message, w, l);
}

bool UiThread::Call(const std::function<void()>& work, UINT timeoutMs) {
    DWORD_PTR result = 0;
    return SendMessageTimeoutW(window_, kCall, 0, reinterpret_cast<LPARAM>(&work), SMTO_NORMAL, timeoutMs, &result) !=
           0;
}

void UiThread::Post(std::function<void()> work) {
    PostMessageW(window_, kPost, 0, reinterpret_cast<LPARAM>(new std::function<void()>(std::move(work))));
}

void UiThread::Loop() {
    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
}

void UiThread::Quit() { PostMessageW(window_, kQuit, 0, 0); }

}  // namespace zel::scenario::win32
