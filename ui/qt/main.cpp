// Zelvorin: the calculator for moments and spans of time, on the desktop.
#include <QApplication>

#include <cstdio>
#include <cstdlib>

#include "ui/qt/desktop_services.h"
#include "ui/qt/session.h"
#include "ui/qt/startup_checks.h"
#include "ui/system_clock.h"

int main(int argc, char** argv) {
    const auto app = zel::view::StartApplication(argc, argv);
    if (!app) return 1;
    zel::view::QtMessageBoxes messageBoxes;
    zel::SystemClock clock;
    zel::view::Session session(messageBoxes, clock);
    messageBoxes.owner = [&session] { return session.view().activeWidget(); };
    session.view().onEnded = [] { QCoreApplication::quit(); };
    session.Start();
    const int result = QApplication::exec();
    // Qt 6.4's Wayland client can hang while it tears its display connection down, keeping an
    // ended program alive without a window; the user has confirmed the end and nothing is kept.
    if (QGuiApplication::platformName() == QStringLiteral("wayland")) {
        std::fflush(nullptr);
        std::_Exit(result);
    }
    return result;
}
