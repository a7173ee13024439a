// Which windows exist, and when: switching, closing with confirmation, the manual, and the
// desktop's message box.
#include <QApplication>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include "tests/qt/harness.h"
#include "tests/support/qt_text.h"
#include "ui/manual/manual_window.h"
#include "ui/manual/usage_text.h"
#include "ui/messages.h"
#include "ui/qt/desktop_services.h"

namespace zel::view::test {
namespace {

TEST(Windows, SwitchingOpensAFreshCentredWindowEachTimeWithoutAsking) {
    Desk desk;
    desk.Click("Text7(1)");
    desk.Type("2");
    QPointer<QWidget> full = desk.calculator();

    desk.clock.now = {2002, 1, 2, 3, 4, 5};
    desk.SwitchTo("cmd2Mini");
    EXPECT_TRUE(full.isNull());
    QWidget* mini = desk.calculator();
    EXPECT_TRUE(mini->isVisible());
    EXPECT_EQ(mini->windowTitle(), Q(MiniWindowDesign().caption));
    EXPECT_EQ(mini->size(), QSize(276, 238));
    EXPECT_NE(desk.Widget("cmd2Big"), nullptr);
    EXPECT_EQ(desk.Widget("cmd2Mini"), nullptr);
    EXPECT_EQ(desk.Text("Text8(1)"), "01/02 03:04:00");
    EXPECT_EQ(desk.Text("Text8(3)"), "2002");
    EXPECT_EQ(desk.Text("Text7(1)"), "");
    EXPECT_EQ(desk.QtFocus(), "Text8(1)");

    desk.SwitchTo("cmd2Big");
    EXPECT_EQ(desk.calculator()->windowTitle(), Q(FullWindowDesign().caption));
    EXPECT_EQ(desk.calculator()->size(), QSize(447, 390));
    EXPECT_EQ(desk.Text("Text7(1)"), "");
    EXPECT_EQ(desk.QtFocus(), "Text8(1)");
    EXPECT_TRUE(desk.boxes.shown.empty());
    EXPECT_EQ(desk.endedCalls, 0);
    EXPECT_FALSE(desk.program().ended());
}

TEST(Windows, TheCloseBoxAsksFirstCancelKeepsEverythingOkEndsTheProgram) {
    Desk desk;
    desk.Click("Text7(1)");
    desk.Type("2");
    QPointer<QWidget> window = desk.calculator();

    desk.boxes.answers = {MessageAnswer::Cancel};
    EXPECT_FALSE(window->close());
    Desk::Settle();
    ASSERT_EQ(desk.boxes.shown.size(), 1u);
    EXPECT_EQ(desk.boxes.shown[0].text, messages::kCloseQuestion);
    EXPECT_EQ(desk.boxes.shown[0].title, messages::kCloseTitle);
    EXPECT_EQ(desk.boxes.shown[0].buttons, MessageButtons::OkCancel);
    EXPECT_EQ(desk.calculator(), window.data());
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(desk.Text("Text9(2)"), "2");
    EXPECT_EQ(desk.QtFocus(), "Text9(2)");
    EXPECT_EQ(desk.endedCalls, 0);

    desk.boxes.answers = {MessageAnswer::Ok};
    window->close();
    Desk::Settle();
    EXPECT_EQ(desk.boxes.shown.size(), 2u);
    EXPECT_TRUE(desk.program().ended());
    EXPECT_EQ(desk.endedCalls, 1);
    EXPECT_EQ(desk.calculator(), nullptr);
    EXPECT_TRUE(window.isNull());
}

TEST(Windows, TheManualIsModalKeepsItsMinimumSizeAndLeavesTheCalculatorAsItWas) {
    Desk desk;
    desk.Click("Text7(2)");
    desk.Type("90");
    desk.Click("cmdManu");
    QWidget* manual = desk.manual();
    ASSERT_NE(manual, nullptr);
    EXPECT_TRUE(manual->isVisible());
    EXPECT_EQ(desk.QtFocus(), "txtManu");
    const ManualWindow& layer = *desk.program().manual();
    auto boxGeometry = [&] {
        const TwipRect& r = layer.form().controls().front().rect;
        return QRect(4, 4, qRound(r.width / 15.0), qRound(r.height / 15.0));
    };

    // The outer size counts the frame; a platform that reports none gets the standard one.
    QSize frame = manual->frameGeometry().size() - manual->size();
    if (frame.isNull()) frame = QSize(8, 27);

    // Dragged too small, it snaps back to 1509 x 2406 twips outside, rounded up to pixels.
    manual->resize(40, 60);
    const QSize smallest = QSize(101, 161) - frame;
    ASSERT_TRUE(WaitFor([&] { return manual->size() == smallest; })) << manual->width() << "x" << manual->height();
    EXPECT_GE(layer.outerWidth(), 1509);
    EXPECT_GE(layer.outerHeight(), 2406);
    EXPECT_EQ(desk.Widget("txtManu")->geometry(), boxGeometry());

    // Made larger, the text box follows, 220 x 500 twips smaller than the outer size.
    manual->resize(300, 400);
    const QSize outer = (QSize(300, 400) + frame) * 15;
    ASSERT_TRUE(WaitFor([&] { return layer.outerWidth() == outer.width() && layer.outerHeight() == outer.height(); }));
    EXPECT_EQ(manual->size(), QSize(300, 400));
    EXPECT_EQ(desk.Widget("txtManu")->geometry(),
              QRect(4, 4, qRound((outer.width() - 220) / 15.0), qRound((outer.height() - 500) / 15.0)));
    EXPECT_EQ(desk.Widget("txtManu")->geometry(), boxGeometry());

    // The calculator takes no input meanwhile.
    QWidget* convert = desk.calculator()->findChild<QWidget*>("cmdConvert");
    QTest::mouseClick(convert, Qt::LeftButton, Qt::NoModifier, convert->rect().center());
    Desk::Settle();
    EXPECT_TRUE(desk.boxes.shown.empty());

    // Edits reach the layer, and are gone when the manual opens again.
    desk.Type("x");
    EXPECT_EQ(layer.form().controls().front().text.substr(0, 2), u"x●");
    manual->close();
    Desk::Settle();
    EXPECT_EQ(desk.manual(), nullptr);
    EXPECT_EQ(desk.QtFocus(), "cmdManu");
    EXPECT_EQ(desk.Text("Text7(2)"), "90");
    desk.Click("cmdManu");
    ASSERT_NE(desk.manual(), nullptr);
    EXPECT_EQ(static_cast<QPlainTextEdit*>(desk.Widget("txtManu"))->toPlainText(),
              Q(UsageText()).replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
    EXPECT_EQ(desk.manual()->size(), QSize(228, 368));
}

// The real box: no icon, the layer's title and text, OK as the default, Escape for Cancel.
TEST(Windows, TheDesktopMessageBoxAnswersOkByDefaultAndCancelByEscape) {
    QtMessageBoxes boxes;
    struct Seen {
        QString title, text;
        QMessageBox::Icon icon = QMessageBox::Information;
        QMessageBox::StandardButtons buttons;
        bool okDefault = false;
    };
    auto answerWith = [](Qt::Key key, Seen& seen) {
        QTimer::singleShot(0, [key, &seen] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            ASSERT_NE(box, nullptr);
            seen = {box->windowTitle(), box->text(), box->icon(), box->standardButtons(),
                    box->defaultButton() == box->button(QMessageBox::Ok)};
            QTest::keyClick(box, key);
        });
    };
    Seen seen;
    answerWith(Qt::Key_Escape, seen);
    EXPECT_EQ(boxes.Show(std::u16string(messages::kCloseQuestion), std::u16string(messages::kCloseTitle),
                         MessageButtons::OkCancel),
              MessageAnswer::Cancel);
    EXPECT_EQ(seen.title, Q(messages::kCloseTitle));
    EXPECT_EQ(seen.text, Q(messages::kCloseQuestion));
    EXPECT_EQ(seen.icon, QMessageBox::NoIcon);
    EXPECT_EQ(seen.buttons, QMessageBox::Ok | QMessageBox::Cancel);
    EXPECT_TRUE(seen.okDefault);

    answerWith(Qt::Key_Return, seen);
    EXPECT_EQ(boxes.Show(std::u16string(messages::kCloseQuestion), std::u16string(messages::kCloseTitle),
                         MessageButtons::OkCancel),
              MessageAnswer::Ok);

    answerWith(Qt::Key_Escape, seen);
    EXPECT_EQ(boxes.Show(u"line 1\r\n\r\nline 2", std::u16string(messages::kTitle), MessageButtons::Ok),
              MessageAnswer::Ok);
    EXPECT_EQ(seen.buttons, QMessageBox::Ok);
    EXPECT_EQ(seen.text, "line 1\n\nline 2");
    EXPECT_EQ(seen.title, "Zelvorin");
}

}  // namespace
}  // namespace zel::view::test
