// The calculator on a Wayland compositor: the window opens and a conversion works through the
// real widgets. CTest runs it inside a headless weston; elsewhere it is skipped.
#include <QGuiApplication>
#include <QWindow>

#include "tests/qt/harness.h"

namespace zel::view::test {
namespace {

TEST(Wayland, TheWindowOpensAndAConversionWorks) {
    if (QGuiApplication::platformName() != QStringLiteral("wayland")) GTEST_SKIP() << "needs a Wayland compositor";
    Desk desk;
    ASSERT_TRUE(WaitFor([&] { return desk.calculator()->windowHandle()->isExposed(); }));
    desk.Click("Text7(1)");
    desk.Type("1.5");
    desk.Key(Qt::Key_Return);
    desk.Key(Qt::Key_Return);
    EXPECT_EQ(desk.Text("Text9(0)"), "0000 01:30:00");
    EXPECT_EQ(desk.Text("Text7(3)"), "5400");
}

}  // namespace
}  // namespace zel::view::test
