#pragma once
// The thread that owns the program and its windows, seen from the thread that drives them: work
// handed to it as messages of a window of its own, which it runs in its message loop, and also
// while a message box's loop runs there.

#include <windows.h>

#include <functional>

namespace zel::scenario::win32 {

class UiThread {
public:
    // Made on the thread that becomes the UI thread.
    UiThread();
    ~UiThread();
    UiThread(const UiThread&) = delete;
    UiThread& operator=(const UiThread&) = delete;

    // From another thread: runs `work` on the UI thread and returns once it has run; false when
    // the UI thread did not take it within `timeoutMs`.
    bool Call(const std::function<void()>& work, UINT timeoutMs = 20000);
    // From another thread: queues `work` behind the input the UI thread has yet to handle, for
    // work that may show a message box and so may not return before the box is answered.
    void Post(std::function<void()> work);
    DWORD threadId() const { return threadId_; }

    // On the UI thread: handles messages until Quit.
    void Loop();
    // From any thread.
    void Quit();

private:
    static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM w, LPARAM l);

    HWND window_;
    DWORD threadId_;
};

}  // namespace zel::scenario::win32
