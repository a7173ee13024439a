// Zelvorin: the calculator for moments and spans of time, on the desktop.
#include <QApplication>

#include <cstdio>
#include <cstdlib>

#include "ui/qt/desktop_services.h"
#include "ui/qt/session.h"

int main(int argc, char** argv) {
    if (!zel::view::DisplayAvailable()) {
        std::fputs("zelvorin: no display to show the calculator on (DISPLAY and WAYLAND_DISPLAY are not set)\n",
                   stderr);
        return 1;
    }
    QApplication app(argc, argv);
    zel::view::PrepareApplication(app);
    zel::view::QtMessageBoxes messageBoxes;
    zel::view::SystemClock clock;
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
