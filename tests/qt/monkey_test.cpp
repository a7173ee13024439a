// A monkey at the real widgets: seeded random mouse clicks, double clicks, keys and typing into
// whichever window is open, window switches, the manual closed in the middle of a key, and the
// close box answered Cancel. After every event the widgets must mirror the window layer.
//   ZELVORIN_MONKEY_EVENTS (default 10000) and ZELVORIN_MONKEY_SEED choose the run.
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include <cstdlib>
#include <deque>
#include <random>

#include "tests/qt/harness.h"

namespace zel::view::test {
namespace {

// The first difference between the widgets of the window taking input and the layer, or "".
std::string Mismatch(Desk& desk) {
    Window* window = desk.program().activeWindow();
    QWidget* top = desk.session().view().activeWidget();
    if (!window || !top) return "no window taking input";
    if (top->objectName().toStdString() != window->form().design().name) return "another window is on screen";
    Form& form = window->form();
    for (Control& c : form.controls()) {
        const std::string id = c.id().ToString();
        QWidget* w = desk.Widget(id);
        if (!w) return id + " has no widget";
        if (w->isVisible() != form.IsShown(c)) return id + " visibility";
        if (c.kind() == Kind::Line || c.kind() == Kind::Frame) continue;
        const QString expected = QString::fromStdU16String(c.text).replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
        if (ShownText(w) != expected) return id + " text";
        if (auto* option = qobject_cast<QRadioButton*>(w); option && option->isChecked() != c.selected)
            return id + " selection";
        const QColor mark((c.fore.rgb >> 16) & 0xFF, (c.fore.rgb >> 8) & 0xFF, c.fore.rgb & 0xFF);
        if (c.name() == "Label6" && w->palette().color(QPalette::WindowText) != mark) return id + " colour";
    }
    if (form.focus && form.IsShown(*form.focus) && top->focusWidget() != desk.Widget(form.focus->id().ToString()))
        return "the focus";
    return "";
}

long EnvNumber(const char* name, long fallback) {
    const char* value = std::getenv(name);
    return value ? std::strtol(value, nullptr, 10) : fallback;
}

TEST(Monkey, TheWidgetsMirrorTheLayerAfterEveryEvent) {
    const long total = EnvNumber("ZELVORIN_MONKEY_EVENTS", 10000);
    const auto seed = static_cast<unsigned>(EnvNumber("ZELVORIN_MONKEY_SEED", 7));
    std::mt19937 rng(seed);
    Desk desk;
    std::deque<std::string> recent;  // the last events, printed with a failure
    static const Qt::Key kKeys[] = {Qt::Key_Return, Qt::Key_Return, Qt::Key_Tab, Qt::Key_Backtab, Qt::Key_Space,
                                    Qt::Key_Escape, Qt::Key_Left, Qt::Key_Down, Qt::Key_1, Qt::Key_Slash,
                                    Qt::Key_Colon, Qt::Key_Backspace};
    static const Qt::KeyboardModifiers kMods[] = {Qt::NoModifier, Qt::NoModifier, Qt::ShiftModifier,
                                                  Qt::ControlModifier, Qt::AltModifier};
    static const char* kTexts[] = {"1004 051627", "5/7 9:05", "23 134506", "1.5", "-0001 00:00:00", "1e999", "ab/cd", "7"};
    for (long n = 0; n < total; ++n) {
        QWidget* top = desk.session().view().activeWidget();
        ASSERT_NE(top, nullptr) << "seed " << seed << ", event " << n;
        QList<QWidget*> targets;
        for (QWidget* w : top->findChildren<QWidget*>())
            if (!w->objectName().isEmpty() && w->isVisible() && w->window() == top) targets.push_back(w);
        QWidget* target = targets[static_cast<qsizetype>(rng() % targets.size())];
        QWidget* focus = top->focusWidget() ? top->focusWidget() : top;
        const unsigned roll = rng() % 100;
        std::string what;
        if (roll < 35) {
            // Leaving the calculator window happens now and then, not on every other click.
            const QString name = target->objectName();
            if ((name == "cmd2Mini" || name == "cmd2Big" || name == "cmdManu") && rng() % 8) continue;
            what = "click " + name.toStdString();
            QTest::mouseClick(target, Qt::LeftButton, Qt::NoModifier, target->rect().center());
        } else if (roll < 42) {
            what = "dblclick " + target->objectName().toStdString();
            QTest::mouseDClick(target, Qt::LeftButton, Qt::NoModifier, target->rect().center());
        } else if (roll < 80) {
            const Qt::Key key = kKeys[rng() % std::size(kKeys)];
            const Qt::KeyboardModifiers mods = kMods[rng() % std::size(kMods)];
            what = "key " + std::to_string(key) + " mods " + std::to_string(mods.toInt());
            QTest::keyClick(focus, key, mods);
        } else if (roll < 97) {
            const char* text = kTexts[rng() % std::size(kTexts)];
            what = std::string("type ") + text;
            QTest::keyClicks(focus, QString::fromUtf8(text));
        } else if (desk.manual()) {
            // The manual closes between a key's press and its release.
            what = "key down, close the manual, key up";
            QTest::keyPress(focus, Qt::Key_A);
            desk.manual()->close();
            Desk::Settle();
            if (QWidget* now = desk.session().view().activeWidget()) QTest::keyRelease(now, Qt::Key_A);
        } else {
            what = "close box, Cancel";
            desk.boxes.answers.push_back(MessageAnswer::Cancel);
            top->close();
        }
        Desk::Settle();
        recent.push_back(what);
        if (recent.size() > 12) recent.pop_front();
        const std::string mismatch = Mismatch(desk);
        if (!mismatch.empty()) {
            std::string list;
            for (const std::string& e : recent) list.append("  ").append(e).append("\n");
            FAIL() << "seed " << seed << ", event " << n + 1 << ": " << mismatch << "\nlast events:\n" << list;
        }
        ASSERT_EQ(desk.endedCalls, 0) << "seed " << seed << ": the program ended";
    }
}

}  // namespace
}  // namespace zel::view::test
