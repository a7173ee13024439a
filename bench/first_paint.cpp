// The calculator as it ships (the same view, session and program), ending after the first
// paint of its full window: the program whose instructions are counted against the bare window.
#include <QApplication>

#include "bench/first_paint.h"
#include "ui/qt/desktop_services.h"
#include "ui/qt/session.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    zel::view::PrepareApplication(app);
    zel::view::QtMessageBoxes messageBoxes;
    zel::view::SystemClock clock;
    zel::view::Session session(messageBoxes, clock);
    messageBoxes.owner = [&session] { return session.view().activeWidget(); };
    zel::bench::QuitAfterFirstPaint();
    session.Start();
    return QApplication::exec();
}
