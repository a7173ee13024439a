// Runs the view tests inside one application object; without a display they use the offscreen
// platform, which also lets the test list be read at build time.
#include <QApplication>

#include <cstdio>
#include <cstdlib>

#include <gtest/gtest.h>

#include "ui/qt/desktop_services.h"

int main(int argc, char** argv) {
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    zel::view::PrepareApplication(app);
    ::testing::InitGoogleTest(&argc, argv);
    const int result = RUN_ALL_TESTS();
    // Qt 6.4's Wayland client can hang while it tears its display connection down (its event
    // thread waits on a read that never comes); nothing is left to do but leave.
    if (QGuiApplication::platformName() == QStringLiteral("wayland")) {
        std::fflush(nullptr);
        std::_Exit(result);
    }
    return result;
}
