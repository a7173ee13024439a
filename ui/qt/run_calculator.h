#pragma once
// The calculator as it ships, from the application object to the end of its event loop. The
// program and the start benchmark both run it, so that the benchmark counts the program's own
// start and nothing else.

#include <QApplication>

#include <cstdio>
#include <cstdlib>
#include <functional>

#include "ui/qt/desktop_services.h"
#include "ui/qt/session.h"
#include "ui/qt/startup_checks.h"
#include "ui/system_clock.h"

namespace zel::view {

// Returns `result` once the event loop is done; on Wayland the program leaves at once, as nothing
// is kept. Qt 6.4 fault: its Wayland client can hang tearing its display connection down.
inline int LeaveEventLoop(int result) {
    if (QGuiApplication::platformName() == QStringLiteral("wayland")) {
        std::fflush(nullptr);
        std::_Exit(result);
    }
    return result;
}

// Runs the calculator on the desktop and returns its exit status. `beforeStart` runs once the
// application object exists, before the first window is shown.
inline int RunCalculator(int argc, char** argv, const std::function<void()>& beforeStart = {}) {
    const auto app = StartApplication(argc, argv);
    if (!app) return 1;
    QtMessageBoxes messageBoxes;
    zel::SystemClock clock;
    Session session(messageBoxes, clock);
    messageBoxes.owner = [&session] { return session.view().activeWidget(); };
    session.view().onEnded = [] { QCoreApplication::quit(); };
    if (beforeStart) beforeStart();
    session.Start();
    return LeaveEventLoop(QApplication::exec());
}

}  // namespace zel::view
