// Lists the visible top-level windows of the Wine prefix's desktop, one line each:
// "PROCESS-ID<TAB>CLASS<TAB>TITLE<TAB>answers|hangs", in UTF-8. A window answers when its thread
// has taken an empty message within two seconds. The real-input monkey (tests/xmonkey/run) asks
// this between its batches of events: whether the program still answers, and whether a window
// that is not the program's (Wine's crash dialog) has come up.
#include <windows.h>

#include <string>

namespace {

std::string Utf8(const wchar_t* text) {
    const int bytes = WideCharToMultiByte(CP_UTF8, 0, text, -1, nullptr, 0, nullptr, nullptr);
    std::string utf8(static_cast<std::size_t>(bytes > 0 ? bytes : 1), '\0');
    WideCharToMultiByte(CP_UTF8, 0, text, -1, utf8.data(), bytes, nullptr, nullptr);
    utf8.pop_back();  // the terminating zero
    // A tab or line break in a title would break the line's fields.
    for (char& c : utf8)
        if (c == '\t' || c == '\n' || c == '\r') c = ' ';
    return utf8;
}

BOOL CALLBACK Report(HWND window, LPARAM output) {
    if (!IsWindowVisible(window)) return TRUE;
    wchar_t windowClass[256] = L"", title[512] = L"";
    GetClassNameW(window, windowClass, 256);
    GetWindowTextW(window, title, 512);
    DWORD process = 0;
    GetWindowThreadProcessId(window, &process);
    DWORD_PTR result = 0;
    const bool answers = SendMessageTimeoutW(window, WM_NULL, 0, 0, SMTO_ABORTIFHUNG, 2000, &result) != 0;
    const std::string line = std::to_string(process) + '\t' + Utf8(windowClass) + '\t' + Utf8(title) + '\t' +
                             (answers ? "answers" : "hangs") + '\n';
    DWORD written = 0;
    WriteFile(reinterpret_cast<HANDLE>(output), line.data(), static_cast<DWORD>(line.size()), &written, nullptr);
    return TRUE;
}

}  // namespace

int main() {
    EnumWindows(Report, reinterpret_cast<LPARAM>(GetStdHandle(STD_OUTPUT_HANDLE)));
    return 0;
}
