// The calculator as it ships (the same start, view, session and program), ending once its full
// window has painted and the program waits: the program whose instructions are counted against
// the bare window.
#include <QApplication>

#include "bench/first_paint.h"
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
    zel::bench::ExitOnceIdleAfterFirstPaint();
    session.Start();
    return QApplication::exec();
}
