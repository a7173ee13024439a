// The Windows view's tests run at the DPI of the desktop, or with `--dpi=N` at N DPI. A program
// reads the system's DPI once as it starts (under Wine from the prefix's HKCU\Control Panel\Desktop
// LogPixels), so the tests start again in a process of their own with LogPixels at N, and the old
// value comes back as soon as that process has read it. CTest runs them alone (RUN_SERIAL), since
// a program started meanwhile in the prefix would take N DPI too.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <optional>
#include <string>

namespace {

constexpr wchar_t kDesktopKey[] = L"Control Panel\\Desktop";
constexpr wchar_t kDpiValue[] = L"LogPixels";
// The event the process started at the asked DPI sets once it has its DPI; its handle, inherited,
// in the environment. A process started so never starts another.
constexpr wchar_t kDpiTakenEvent[] = L"ZELVORIN_TEST_DPI_TAKEN";

std::optional<UINT> AskedDpi(int argc, char** argv) {
    for (int i = 1; i < argc; ++i)
        if (std::strncmp(argv[i], "--dpi=", 6) == 0) return static_cast<UINT>(std::atoi(argv[i] + 6));
    return std::nullopt;
}

std::optional<DWORD> ReadDpi() {
    DWORD dpi = 0, size = sizeof dpi;
    if (RegGetValueW(HKEY_CURRENT_USER, kDesktopKey, kDpiValue, RRF_RT_REG_DWORD, nullptr, &dpi, &size) != ERROR_SUCCESS)
        return std::nullopt;
    return dpi;
}

bool WriteDpi(DWORD dpi) {
    return RegSetKeyValueW(HKEY_CURRENT_USER, kDesktopKey, kDpiValue, REG_DWORD, &dpi, sizeof dpi) == ERROR_SUCCESS;
}

// This program again, with the same arguments, at `dpi`; its exit status.
int RunAt(UINT dpi) {
    SECURITY_ATTRIBUTES inherited{sizeof inherited, nullptr, TRUE};
    HANDLE taken = CreateEventW(&inherited, TRUE, FALSE, nullptr);
    SetEnvironmentVariableW(kDpiTakenEvent, std::to_wstring(reinterpret_cast<std::uintptr_t>(taken)).c_str());
    const std::optional<DWORD> before = ReadDpi();
    if (!WriteDpi(dpi)) {
        std::fprintf(stderr, "cannot set the desktop's DPI to %u\n", dpi);
        return 1;
    }
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION started{};
    const BOOL ok = CreateProcessW(nullptr, GetCommandLineW(), nullptr, nullptr, TRUE, 0, nullptr, nullptr, &startup,
                                   &started);
    if (ok) {
        const HANDLE either[] = {taken, started.hProcess};
        WaitForMultipleObjects(2, either, FALSE, INFINITE);
    }
    if (before) WriteDpi(*before);
    else RegDeleteKeyValueW(HKEY_CURRENT_USER, kDesktopKey, kDpiValue);
    if (!ok) {
        std::fprintf(stderr, "cannot start the tests again at %u DPI\n", dpi);
        return 1;
    }
    DWORD status = 1;
    WaitForSingleObject(started.hProcess, INFINITE);
    GetExitCodeProcess(started.hProcess, &status);
    CloseHandle(started.hThread);
    CloseHandle(started.hProcess);
    return static_cast<int>(status);
}

}  // namespace

int main(int argc, char** argv) {
    // A crash ends the run at once: Wine would otherwise start its debugger, whose dialog waits
    // for a user.
    SetUnhandledExceptionFilter([](EXCEPTION_POINTERS* crash) -> LONG {
        std::fprintf(stderr, "crashed: exception %08lx\n", crash->ExceptionRecord->ExceptionCode);
        std::fflush(stderr);
        TerminateProcess(GetCurrentProcess(), 3);
        return EXCEPTION_EXECUTE_HANDLER;
    });
    const UINT system = GetDpiForSystem();
    testing::InitGoogleTest(&argc, argv);
    const std::optional<UINT> dpi = AskedDpi(argc, argv);
    wchar_t taken[32] = {};
    if (GetEnvironmentVariableW(kDpiTakenEvent, taken, 32)) {
        SetEvent(reinterpret_cast<HANDLE>(static_cast<std::uintptr_t>(std::wcstoull(taken, nullptr, 10))));
        if (dpi && *dpi != system) {
            std::fprintf(stderr, "started at %u DPI, the desktop has %u\n", *dpi, system);
            return 1;
        }
    } else if (dpi && *dpi != system) {
        return RunAt(*dpi);
    }
    std::printf("at %u DPI\n", system);
    return RUN_ALL_TESTS();
}
