// zelvorin-win32-scenario [-v] FILE...: runs acceptance scenarios against the real Windows
// windows of the program, driven by real input on a thread of their own.
#include <fcntl.h>
#include <io.h>
#include <windows.h>

#include <cstdio>
#include <iostream>
#include <string>
#include <thread>
#include <vector>

#include "core/text.h"
#include "tools/scenario/scenario.h"
#include "tools/scenario/win32/ui_thread.h"
#include "tools/scenario/win32/window_driver.h"

int wmain(int argc, wchar_t** argv) {
    // The reports are the same bytes as on Linux: UTF-8 with bare line feeds.
    _setmode(_fileno(stdout), _O_BINARY);
    _setmode(_fileno(stderr), _O_BINARY);
    std::vector<std::string> arguments;
    for (int i = 1; i < argc; ++i)
        arguments.push_back(zel::ToUtf8(std::u16string(argv[i], argv[i] + std::char_traits<wchar_t>::length(argv[i]))));

    // This thread owns the program's windows; the scenarios run on another one, as a user would
    // sit outside the program.
    zel::scenario::win32::UiThread ui;
    int status = 0;
    std::thread scenarios([&] {
        status = zel::scenario::Main(arguments, "usage: zelvorin-win32-scenario [-v] FILE...\n",
                                     [&](zel::scenario::MessageLog& log, std::ostream* transcript) {
                                         return zel::scenario::win32::NewWindowDriver(ui, log, transcript);
                                     });
        std::cout.flush();
        ui.Quit();
    });
    ui.Loop();
    scenarios.join();
    return status;
}
