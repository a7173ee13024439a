// The user's mouse and keyboard on the real widgets: what reaches the layer, and what the
// screen shows afterwards.
#include <QApplication>
#include <QClipboard>
#include <QFocusFrame>
#include <QGuiApplication>
#include <QLabel>
#include <QMessageBox>
#include <QMimeData>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QTest>
#include <QTextCursor>
#include <QTimer>

#include <sstream>

#include "core/text.h"
#include "tests/qt/harness.h"
#include "tests/support/qt_text.h"
#include "ui/manual/manual_window.h"
#include "ui/qt/appearance.h"
#include "ui/qt/desktop_services.h"
#include "ui/messages.h"

namespace zel::view::test {
namespace {

// Presses Tab once for each control of `forward`, then Shift+Tab once for each of `backward`:
// Qt's focus and the layer's go to each in turn, and no message box appears.
void WalkTabOrder(Desk& desk, const std::string& forward, const std::string& backward) {
    for (const bool isForward : {true, false}) {
        std::istringstream expected(isForward ? forward : backward);
        for (std::string to; expected >> to;) {
            SCOPED_TRACE((isForward ? "Tab to " : "Shift+Tab to ") + to);
            desk.Key(isForward ? Qt::Key_Tab : Qt::Key_Backtab, isForward ? Qt::NoModifier : Qt::ShiftModifier);
            ASSERT_EQ(desk.QtFocus().toStdString(), to);
            ASSERT_EQ(desk.LayerFocus(), to);
        }
    }
    EXPECT_TRUE(desk.boxes.shown.empty());
}

// The stops are the shown text boxes and buttons and the selected option of each group, in the
// order of their tab indices, round the end. Tabbing onto a display twin brings its entry field
// back, which takes the focus; entering the day field selects its unit, Option4, which is the
// stop of its group from then on. Each walk goes on until it has gone once round the loop it ends in.
TEST(Input, TabWalksTheTabIndicesOfTheFullWindowSkippingHiddenControls) {
    Desk desk;
    WalkTabOrder(desk,
                 "cmdManu cmdKeika cmdClearK Text8(2) Text8(3) Text9(0) cmdCalc Option3 Text6 Option8 cmdConvert "
                 "cmdClear cmdClearT cmdCalcT cmd2Mini cmdClearV Text9(1) cmdCalc Option4 Text6 Option8 cmdConvert "
                 "cmdClear cmdClearT cmdCalcT cmd2Mini cmdClearV Text9(1) cmdCalc",
                 "Text9(0) Text8(3) Text8(2) cmdClearK cmdKeika cmdManu Text8(1) Text8(0) Text9(5) Text9(0)");
}

TEST(Input, TabWalksTheTabIndicesOfTheMiniWindowSkippingHiddenControls) {
    Desk desk;
    desk.SwitchTo("cmd2Mini");
    WalkTabOrder(desk,
                 "Text8(2) Text8(3) cmdKeika cmdClearK Text9(0) cmdManu Text6 Option3 Option8 cmdCalc cmdConvert "
                 "cmdCalcT cmdClear cmdClearT cmd2Big cmdClearV Text9(1) cmdManu Text6 Option4 Option8 cmdCalc "
                 "cmdConvert cmdCalcT cmdClear cmdClearT cmd2Big cmdClearV",
                 "cmd2Big cmdClearT cmdClear cmdCalcT cmdConvert cmdCalc Option8 Option4 Text6 cmdManu Text9(0) "
                 "cmdClearK cmdKeika Text8(3) Text8(2) Text8(1) Text8(0) Text9(5) Text9(0)");
}

TEST(Input, HoursTypedWithTheKeyboardConvertOnEnterThenEnter) {
    Desk desk;
    desk.Click("Text7(1)");  // the hour twin gives way to its entry field
    EXPECT_EQ(desk.QtFocus(), "Text9(2)");
    EXPECT_TRUE(desk.Widget("Text9(2)")->isVisible());
    EXPECT_FALSE(desk.Widget("Text7(1)")->isVisible());
    EXPECT_EQ(desk.Widget("Text9(2)")->palette().color(QPalette::Base), QColor(255, 255, 192));

    desk.Type("1.5");
    EXPECT_EQ(desk.Text("Text9(2)"), "1.5");
    EXPECT_EQ(desk.program().calculator()->form()("Text9", 2).text, u"1.5");

    desk.Key(Qt::Key_Return);
    EXPECT_EQ(desk.QtFocus(), "cmdConvert");
    // Reached by the keyboard, the button shows its focus cue.
    EXPECT_TRUE(desk.Widget("cmdConvert")->window()->testAttribute(Qt::WA_KeyboardFocusChange));
    desk.Key(Qt::Key_Return);

    EXPECT_EQ(desk.Text("Text9(0)"), "0000 01:30:00");
    EXPECT_EQ(desk.Text("Text7(0)"), "0.0625000");
    EXPECT_EQ(desk.Text("Text7(1)"), "1.50000");
    EXPECT_EQ(desk.Text("Text7(2)"), "90.000");
    EXPECT_EQ(desk.Text("Text7(3)"), "5400");
    for (int i = 0; i <= 3; ++i) EXPECT_TRUE(desk.Widget("Text7(" + std::to_string(i) + ")")->isVisible()) << i;
    auto* mark = desk.As<QLabel>("Label6(0)");
    EXPECT_EQ(mark->text(), "済");
    EXPECT_EQ(mark->palette().color(QPalette::WindowText), QColor(0, 0, 255));
    EXPECT_TRUE(desk.boxes.shown.empty());
}

TEST(Input, AButtonIsClickedOnceByAClickByEnterAndBySpace) {
    Desk desk;
    auto clicks = [&] { return desk.TraceCount("  cmdClearV_Click"); };
    desk.Click("cmdClearV");
    EXPECT_EQ(clicks(), 1);
    EXPECT_EQ(desk.QtFocus(), "cmdClearV");
    desk.Key(Qt::Key_Return);
    EXPECT_EQ(clicks(), 2);
    desk.Key(Qt::Key_Enter, Qt::KeypadModifier);
    EXPECT_EQ(clicks(), 3);
    desk.Key(Qt::Key_Space);
    EXPECT_EQ(clicks(), 4);
    // A press whose release ends outside the button is no click.
    QWidget* button = desk.Widget("cmdClearV");
    QTest::mousePress(button, Qt::LeftButton, Qt::NoModifier, button->rect().center());
    QTest::mouseRelease(button, Qt::LeftButton, Qt::NoModifier, QPoint(-5, -5));
    Desk::Settle();
    EXPECT_EQ(clicks(), 4);
    // With nothing entered, the conversion says so: once for one click.
    desk.Click("cmdConvert");
    ASSERT_EQ(desk.boxes.shown.size(), 1u);
    EXPECT_EQ(desk.boxes.shown[0].text.substr(0, messages::kNoDuration.size()), messages::kNoDuration);
}

TEST(Input, ArrowKeysMoveThroughTheUnitOptionsAsTheLayerSays) {
    Desk desk;
    desk.Click("Option5");
    EXPECT_EQ(desk.QtFocus(), "Option5");
    desk.Key(Qt::Key_Down);
    EXPECT_EQ(desk.QtFocus(), "Option6");
    EXPECT_TRUE(desk.As<QRadioButton>("Option6")->isChecked());
    EXPECT_FALSE(desk.As<QRadioButton>("Option5")->isChecked());
    EXPECT_EQ(desk.As<QLabel>("Label5(0)")->text(), "min");
    desk.Click("Option3");
    EXPECT_TRUE(desk.As<QRadioButton>("Option3")->isChecked());
    EXPECT_FALSE(desk.As<QRadioButton>("Option6")->isChecked());
    EXPECT_EQ(desk.As<QLabel>("Label5(1)")->text(), "day");
    // From a button the arrows walk the tab order; Qt's own arrow handling does not act too.
    desk.Click("cmdClearK");
    desk.Key(Qt::Key_Down);
    EXPECT_EQ(desk.QtFocus(), "Text8(2)");
    EXPECT_EQ(desk.LayerFocus(), "Text8(2)");
}

// A message box that came up as the focus left a rejected moment took the click: the option
// holds the focus unselected, and Space selects it, once.
TEST(Input, SpaceSelectsTheFocusedOptionAMessageBoxLeftUnselected) {
    Desk desk;
    desk.Click("Text8(1)");
    desk.Type("xyz");
    desk.Click("Option9");
    ASSERT_EQ(desk.boxes.shown.size(), 1u);
    EXPECT_EQ(desk.QtFocus(), "Option9");
    EXPECT_FALSE(desk.As<QRadioButton>("Option9")->isChecked());
    desk.Key(Qt::Key_Space);
    EXPECT_TRUE(desk.As<QRadioButton>("Option9")->isChecked());
    EXPECT_FALSE(desk.As<QRadioButton>("Option8")->isChecked());
    EXPECT_EQ(desk.TraceCount("  Option9_Click"), 1);
}

// The message box takes Qt's focus and gives it back; the view passes neither change on, so
// the rejected entry is reported once, and the screen showed the entry while the box was up.
TEST(Input, ARejectedDhmsEntryIsReportedOnceThoughTheBoxTakesTheFocus) {
    Desk desk;
    QWidget* calculator = desk.calculator();
    desk.Click("Text9(0)");
    desk.Type("abc");
    QString onScreen;
    QString focusOnScreen;
    desk.boxes.whileShown = [&] {
        onScreen = desk.Text("Text9(0)");
        focusOnScreen = calculator->focusWidget()->objectName();
        QWidget box;
        auto* edit = new QLineEdit(&box);
        box.show();
        box.activateWindow();
        edit->setFocus();
        EXPECT_TRUE(QTest::qWaitForWindowActive(&box));
        box.hide();
        calculator->activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(calculator));
    };
    desk.Click("Text8(1)");
    QTest::qWait(50);
    Desk::Settle();
    ASSERT_EQ(desk.boxes.shown.size(), 1u);
    EXPECT_EQ(desk.boxes.shown[0].text, messages::kDhmsRejected);
    EXPECT_EQ(desk.boxes.shown[0].title, messages::kTitle);
    EXPECT_EQ(desk.boxes.shown[0].buttons, MessageButtons::Ok);
    EXPECT_EQ(onScreen, "abc");
    EXPECT_EQ(focusOnScreen, "Text8(1)");
    EXPECT_EQ(desk.Text("Text9(0)"), "abc");
    EXPECT_EQ(desk.QtFocus(), "Text8(1)");
    EXPECT_EQ(desk.LayerFocus(), "Text8(1)");
}

// 和差 clicked with nothing to add: its message box answered with Enter leaves the ring around
// the button, as any key does; answered with a click, it leaves none, as any click does.
TEST(Input, TheKeyThatAnswersAMessageBoxShowsTheFocusRing) {
    Desk desk;
    QtMessageBoxes real;
    real.owner = [&desk] { return desk.calculator(); };
    for (const bool byKey : {true, false}) {
        SCOPED_TRACE(byKey ? "Enter" : "click");
        desk.boxes.whileShown = [&] {
            QTimer::singleShot(0, [byKey] {
                auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
                ASSERT_NE(box, nullptr);
                if (byKey)
                    QTest::keyClick(box->focusWidget() ? box->focusWidget() : box, Qt::Key_Return);
                else
                    QTest::mouseClick(box->button(QMessageBox::Ok), Qt::LeftButton);
            });
            real.Show(u"?", u"Zelvorin", MessageButtons::Ok);
        };
        desk.Click("cmdCalcT");
        ASSERT_EQ(desk.boxes.shown.size(), byKey ? 1u : 2u);
        EXPECT_EQ(desk.QtFocus(), "cmdCalcT");
        QWidget* button = desk.Widget("cmdCalcT");
        EXPECT_EQ(desk.calculator()->testAttribute(Qt::WA_KeyboardFocusChange), byKey);
        const auto* ring = desk.calculator()->findChild<QFocusFrame*>();
        ASSERT_NE(ring, nullptr);
        EXPECT_EQ(ring->isVisible(), byKey);
        if (byKey) {
            EXPECT_TRUE(ring->geometry().contains(button->geometry()));
        }
    }
}

}  // namespace
}  // namespace zel::view::test

namespace zel::view::test {
namespace {

// A moment typed with the keyboard normalises when Enter takes the focus to the other moment;
// a double click writes the clock's moment and selects nothing.
TEST(Input, MomentEntryOnEnterAndTheDoubleClickInBothWindows) {
    Desk desk;
    for (const char* window : {"full", "mini"}) {
        SCOPED_TRACE(window);
        if (std::string(window) == "mini") desk.SwitchTo("cmd2Mini");
        ASSERT_EQ(desk.QtFocus(), "Text8(1)");
        desk.Key(Qt::Key_A, Qt::ControlModifier);
        desk.Type("1004 051627");
        desk.Key(Qt::Key_Return);
        EXPECT_EQ(desk.QtFocus(), "Text8(0)");
        EXPECT_EQ(desk.Text("Text8(1)"), "10/04 05:16:27");

        desk.clock.now = {2003, 2, 1, 8, 9, 10};
        QLineEdit* moment2 = desk.As<QLineEdit>("Text8(0)");
        QTest::mouseDClick(moment2, Qt::LeftButton, Qt::NoModifier, moment2->rect().center());
        EXPECT_EQ(desk.Text("Text8(0)"), "02/01 08:09:10");
        EXPECT_EQ(desk.Text("Text8(2)"), "2003");
        EXPECT_FALSE(moment2->hasSelectedText());
        EXPECT_TRUE(desk.boxes.shown.empty());
        desk.clock.now = {2001, 7, 15, 10, 20, 30};
    }
}

// A sum typed and computed through the widgets in both windows; the full window's section
// titles run their commands when clicked.
TEST(Input, SumInBothWindowsAndTheSectionTitles) {
    Desk desk;
    for (const char* window : {"full", "mini"}) {
        SCOPED_TRACE(window);
        const bool full = std::string(window) == "full";
        if (!full) desk.SwitchTo("cmd2Mini");
        desk.Click("Text7(1)");
        desk.Type("1.5");
        desk.Key(Qt::Key_Return);
        desk.Key(Qt::Key_Return);
        EXPECT_EQ(desk.Text("Text7(1)"), "1.50000");
        desk.Click("Text7(4)");
        EXPECT_EQ(desk.QtFocus(), "Text9(5)");
        desk.Type("0.25");
        desk.Click("cmdCalcT");
        EXPECT_EQ(desk.Text("Text6"), "1.75");
        EXPECT_EQ(desk.As<QLabel>("Label6(2)")->text(), "済");
    }
    desk.SwitchTo("cmd2Big");
    desk.Click("Text7(2)");
    desk.Type("90");
    desk.Click("Label4(2)");  // the conversion; the field handed over, the focus goes to its button
    EXPECT_EQ(desk.QtFocus(), "cmdConvert");
    EXPECT_EQ(desk.Text("Text9(2)"), "1.50000");
    desk.Click("Label4(1)");  // the moment difference of two equal moments
    EXPECT_EQ(desk.Text("Text9(0)"), "0000 00:00:00");
    EXPECT_EQ(desk.QtFocus(), "cmdCalc");
    desk.Click("Text7(4)");
    desk.Type("2");
    desk.Click("Label4(0)");  // the sum
    EXPECT_EQ(desk.Text("Text6"), "2");
    EXPECT_TRUE(desk.boxes.shown.empty());
}

// Every box of every window, pasted into by Ctrl+V, Shift+Insert and a middle click, with the
// clipboard and the selection empty (which crashed the manual's box) and then full: the layer
// holds what the box shows.
TEST(Input, PastingNothingOrSomethingIntoEveryBoxKeepsTheLayerInStep) {
    Desk desk;
    QClipboard& clipboard = *QGuiApplication::clipboard();
    auto pasteEverywhere = [&](const WindowDesign& design) {
        for (const DesignRow& row : design.rows) {
            QWidget* box = desk.Widget(IdOf(row));
            if (row.kind != Kind::TextBox || !box->isVisible()) continue;
            for (const QString& held : {QString(), QStringLiteral("１２/３ ４：５\n\U0001F600 12")}) {
                SCOPED_TRACE(IdOf(row) + " " + held.toStdString());
                for (const auto mode : {QClipboard::Clipboard, QClipboard::Selection}) {
                    if (mode == QClipboard::Selection && !clipboard.supportsSelection()) continue;
                    if (held.isEmpty())  // what X offers when nobody owns the clipboard: data without a format
                        clipboard.setMimeData(new QMimeData, mode);
                    else
                        clipboard.setText(held, mode);
                }
                desk.Click(IdOf(row));
                if (desk.Widget(IdOf(row)) != box || !box->isVisible()) continue;  // handed over to its twin
                desk.Key(Qt::Key_V, Qt::ControlModifier);
                desk.Key(Qt::Key_Insert, Qt::ShiftModifier);
                QWidget* target = qobject_cast<QPlainTextEdit*>(box) ? static_cast<QPlainTextEdit*>(box)->viewport() : box;
                QTest::mouseClick(target, Qt::MiddleButton, Qt::NoModifier, target->rect().center());
                Desk::Settle();
                const Control* control = desk.program().activeWindow()->form().Find(*ControlId::Parse(IdOf(row)));
                EXPECT_EQ(ShownText(box), ToDisplayText(control->text));
            }
        }
    };
    pasteEverywhere(FullWindowDesign());
    desk.Click("cmdManu");
    pasteEverywhere(ManualWindowDesign());
    desk.manual()->close();
    Desk::Settle();
    desk.SwitchTo("cmd2Mini");
    pasteEverywhere(MiniWindowDesign());
}

// A paste longer than a line edit takes by default (32,767 characters) reaches the layer whole,
// as the headless runner reads it: 40,000 zeros and a 5 are 5 hours.
TEST(Input, APasteOf40001CharactersIsReadWhole) {
    Desk desk;
    QGuiApplication::clipboard()->setText(QString(40000, u'0') + u'5');
    desk.Click("Text7(1)");
    desk.Key(Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(desk.program().calculator()->form()("Text9", 2).text.size(), 40001u);
    desk.Click("cmdConvert");
    EXPECT_EQ(desk.Text("Text7(1)"), "5.00000");
    EXPECT_TRUE(desk.boxes.shown.empty());
}

// The manual's box edited in place, around and across line breaks: the layer's text, with its
// line breaks as CR LF, follows each edit.
TEST(Input, TheManualFollowsEditsAcrossLineBreaks) {
    Desk desk;
    desk.Click("cmdManu");
    auto* box = desk.As<QPlainTextEdit>("txtManu");
    ASSERT_NE(box, nullptr);
    const auto layerText = [&] { return desk.program().manual()->form()("txtManu").text; };
    struct Edit {
        int from, to;  // the document's characters replaced
        const char16_t* by;
        const char16_t* expected;
    };
    box->setPlainText(QStringLiteral("ab\ncd"));  // as a paste of the whole text
    ASSERT_EQ(layerText(), u"ab\r\ncd");
    const Edit edits[] = {
        {1, 1, u"x", u"axb\r\ncd"},           {3, 4, u"", u"axbcd"},          {5, 5, u"\n\n", u"axbcd\r\n\r\n"},
        {0, 7, u"1\u20292", u"1\r\n2"},      {1, 2, u"\U0001F600", u"1\U0001F6002"}, {0, 4, u"", u""},
    };
    for (const Edit& edit : edits) {
        QTextCursor cursor(box->document());
        cursor.setPosition(edit.from);
        cursor.setPosition(edit.to, QTextCursor::KeepAnchor);
        cursor.insertText(QString::fromStdU16String(edit.by));
        Desk::Settle();
        EXPECT_EQ(layerText(), edit.expected) << ToUtf8(edit.by);
    }
}

}  // namespace
}  // namespace zel::view::test
