// Runs the view tests inside one application object; without a display they use the offscreen
// platform, which also lets the test list be read at build time.
#include <QApplication>

#include <gtest/gtest.h>

#include "ui/qt/run_calculator.h"

int main(int argc, char** argv) {
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    zel::view::PrepareApplication(app);
    ::testing::InitGoogleTest(&argc, argv);
    return zel::view::LeaveEventLoop(RUN_ALL_TESTS());
}
