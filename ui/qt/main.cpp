// Zelvorin: the calculator for moments and spans of time, on the desktop.
#include <QApplication>

#include "ui/qt/desktop_services.h"
#include "ui/qt/session.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Zelvorin"));
    // Between closing one calculator window and showing the other no window is open; the
    // program ends only when the layer says so, after the user confirmed closing.
    QApplication::setQuitOnLastWindowClosed(false);

    zel::view::QtMessageBoxes messageBoxes;
    zel::view::SystemClock clock;
    zel::view::Session session(messageBoxes, clock);
    messageBoxes.owner = [&session] { return session.view().activeWidget(); };
    session.view().onEnded = [] { QCoreApplication::quit(); };
    session.Start();
    return QApplication::exec();
}
