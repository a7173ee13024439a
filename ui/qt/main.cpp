// Zelvorin: the calculator for moments and spans of time, on the desktop.
#include <QApplication>

#include <cstdio>

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
    return QApplication::exec();
}
