// A monkey at the real widgets: seeded random clicks, double clicks and right clicks at random
// points of the controls, keys and typing into whichever window is open, pastes and middle clicks
// with empty and hostile clipboards, window switches, the manual closed in the middle of a key, and
// the close box answered Cancel or OK (the program then starts again). After every event the
// widgets must mirror the window layer: texts, visibility, colours, selection and the focus.
//   ZELVORIN_MONKEY_EVENTS (default 10000) and ZELVORIN_MONKEY_SEED choose the run.
#include <QApplication>
#include <QHash>
#include <QKeySequence>
#include <QLineEdit>
#include <QMetaEnum>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QTest>

#include <algorithm>
#include <deque>
#include <iostream>
#include <memory>
#include <optional>
#include <random>
#include <string>
#include <vector>

#include "tests/qt/harness.h"
#include "tests/support/env_number.h"
#include "ui/qt/appearance.h"
#include "ui/qt/form_view.h"

namespace zel::view::test {
namespace {

// How a widget's colour in one role differs from the layer's colour, or "".
std::string ColourMismatch(const QWidget* widget, QPalette::ColorRole role, const Colour& colour) {
    if (role == QPalette::NoRole) return "";
    const QColor expected = ToQColor(colour, QApplication::palette());
    // The window taking input draws in the active colours; one behind another in the inactive.
    for (QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive}) {
        const QColor shown = widget->palette().color(group, role);
        if (shown != expected)
            return std::string(" colour: ") + QMetaEnum::fromType<QPalette::ColorRole>().valueToKey(role) + " is " +
                   shown.name().toStdString() + ", the layer's " + expected.name().toStdString();
    }
    return "";
}

// Where a widget's text parts from the layer's, for a failure message: the position and a few
// characters around it on each side (a pasted text can be thousands long), with line breaks and
// other invisible characters spelt out.
std::string Difference(const QString& shown, const QString& held) {
    qsizetype at = 0;
    while (at < shown.size() && at < held.size() && shown[at] == held[at]) ++at;
    const auto excerpt = [at](const QString& text) {
        const qsizetype from = std::max<qsizetype>(0, at - 8), to = std::min(text.size(), at + 24);
        std::string out = from > 0 ? "..." : "";
        for (qsizetype i = from; i < to; ++i) {
            const QChar c = text[i];
            if (c == u'\r')
                out += "\\r";
            else if (c == u'\n')
                out += "\\n";
            else if (!c.isPrint() || (c.isSpace() && c != u' '))
                out += QString::asprintf("\\u%04X", c.unicode()).toStdString();
            else
                out += QString(c).toStdString();
        }
        return out + (to < text.size() ? "..." : "");
    };
    return "from character " + std::to_string(at) + " shows \"" + excerpt(shown) + "\", the layer holds \"" +
           excerpt(held) + "\"";
}

// Where the layer's focus is, for a failure message.
std::string LayerFocusOf(const Form& form) {
    if (!form.focus()) return "nowhere";
    return form.focus()->id().ToString() + (form.IsShown(*form.focus()) ? "" : " (hidden)");
}

// The first difference between the widgets of the window taking input and the layer, or "".
std::string Mismatch(Desk& desk) {
    Window* window = desk.program().activeWindow();
    QWidget* top = desk.session().view().activeWidget();
    if (!window || !top) return "no window taking input";
    if (top->objectName().toStdString() != window->form().design().name) return "another window is on screen";
    Form& form = window->form();
    // The window's widgets by name, looked up once: a search per control would cost more than the event.
    QHash<QString, QWidget*> widgets;
    for (QWidget* w : top->findChildren<QWidget*>())
        if (w->window() == top) widgets.insert(w->objectName(), w);
    for (Control& c : form.controls()) {
        const std::string id = c.id().ToString();
        QWidget* w = widgets.value(QString::fromStdString(id));
        if (!w) return id + " has no widget";
        if (w->isVisible() != form.IsShown(c)) return id + " visibility";
        const ColourRoles roles = ColourRolesOf(c.kind());
        if (std::string fore = ColourMismatch(w, roles.fore, c.fore); !fore.empty()) return id + fore;
        if (std::string back = ColourMismatch(w, roles.back, c.back); !back.empty()) return id + back;
        if (c.kind() == Kind::Line || c.kind() == Kind::Frame) continue;
        // A text area shows line breaks as Qt's text widgets keep them; every other widget the text as it is.
        const QString expected = qobject_cast<QPlainTextEdit*>(w) ? ToDisplayText(c.text) : ToQString(c.text);
        if (const QString shown = ShownText(w); shown != expected) return id + " text " + Difference(shown, expected);
        if (auto* option = qobject_cast<QRadioButton*>(w); option && option->isChecked() != c.selected)
            return id + " selection";
    }
    // A shown focus owner holds Qt's focus. Without one (no owner, or a hidden one) Qt's focus may
    // rest on the window or on the owner's own widget, never on another control, which would show
    // a caret or a focus frame where the layer has no focus.
    QWidget* qtFocus = top->focusWidget();
    QWidget* owner = form.focus() ? widgets.value(QString::fromStdString(form.focus()->id().ToString())) : nullptr;
    const bool shown = form.focus() && form.IsShown(*form.focus());
    const bool allowed = qtFocus == owner || (!shown && (!qtFocus || qtFocus == top));
    if (!allowed) return "the focus: Qt's on " + desk.QtFocus().toStdString() + ", the layer's " + LayerFocusOf(form);
    return "";
}

unsigned Below(std::mt19937& rng, int bound) {
    return static_cast<unsigned>(rng() % static_cast<unsigned>(std::max(1, bound)));
}

// A mouse event at a random point of a control goes, as from the window system, to the widget on
// top there: the control, a control drawn over it, or a part of it (a text area's scroll bar).
struct Spot {
    QWidget* widget;
    QPoint point;
    std::string name;
};
Spot RandomSpot(std::mt19937& rng, QWidget* top, QWidget* control) {
    // One draw after the other: the order in which a call's arguments are evaluated differs between
    // compilers, and a seed must replay the same run in every build.
    const int x = static_cast<int>(Below(rng, control->width()));
    const int y = static_cast<int>(Below(rng, control->height()));
    const QPoint inTop = control->mapTo(top, QPoint(x, y));
    QWidget* hit = top->childAt(inTop);
    if (!hit) hit = control;
    const QPoint point = hit->mapFrom(top, inTop);
    const std::string at = " at " + std::to_string(point.x()) + "," + std::to_string(point.y());
    if (hit == control) return {hit, point, control->objectName().toStdString() + at};
    const std::string part =
        hit->objectName().isEmpty() ? hit->metaObject()->className() : hit->objectName().toStdString();
    return {hit, point, part + at + " (aimed at " + control->objectName().toStdString() + ")"};
}

// What the clipboards hold before a paste: nothing, or texts that no field reads as they are.
struct ClipboardText {
    const char* name;
    std::optional<QString> text;
};
const std::vector<ClipboardText>& ClipboardTexts() {
    static const std::vector<ClipboardText> texts = {
        {"nothing", std::nullopt},
        {"full-width digits", QString::fromUtf8("１２/３ ４：５")},
        {"an emoji", QString::fromUtf8("\xF0\x9F\x95\x90")},
        {"a 3,000-character line", QStringLiteral("1004 051627 ").repeated(250)},
        {"three lines", QStringLiteral("5/7 9:05\n23 134506\r\n1.5")},
    };
    return texts;
}

TEST(Monkey, TheWidgetsMirrorTheLayerAfterEveryEvent) {
    const long total = EnvNumber("ZELVORIN_MONKEY_EVENTS", 10000);
    const auto seed = static_cast<unsigned>(EnvNumber("ZELVORIN_MONKEY_SEED", 7));
    std::mt19937 rng(seed);
    auto desk = std::make_unique<Desk>();
    int restarts = 0;
    std::deque<std::string> recent;  // the last events, printed with a failure
    const auto remember = [&](const std::string& what) {
        recent.push_back(what);
        if (recent.size() > 12) recent.pop_front();
    };
    const auto report = [&](long n, const std::string& problem) {
        std::string list;
        for (const std::string& e : recent) list.append("  ").append(e).append("\n");
        return "seed " + std::to_string(seed) + ", event " + std::to_string(n + 1) + ": " + problem +
               "\nlast events:\n" + list;
    };
    static const Qt::Key kKeys[] = {Qt::Key_Return, Qt::Key_Return, Qt::Key_Tab, Qt::Key_Backtab, Qt::Key_Space,
                                    Qt::Key_Escape, Qt::Key_Left, Qt::Key_Down, Qt::Key_1, Qt::Key_Slash,
                                    Qt::Key_Colon, Qt::Key_Backspace};
    static const Qt::KeyboardModifiers kMods[] = {Qt::NoModifier, Qt::NoModifier, Qt::ShiftModifier,
                                                  Qt::ControlModifier, Qt::AltModifier};
    static const char* kTexts[] = {"1004 051627", "5/7 9:05", "23 134506", "1.5", "-0001 00:00:00", "1e999", "ab/cd", "7"};
    for (long n = 0; n < total; ++n) {
        QWidget* top = desk->session().view().activeWidget();
        ASSERT_NE(top, nullptr) << "seed " << seed << ", event " << n;
        QList<QWidget*> targets, textBoxes;
        for (QWidget* w : top->findChildren<QWidget*>()) {
            if (w->objectName().isEmpty() || !w->isVisible() || w->window() != top) continue;
            targets.push_back(w);
            if (qobject_cast<QLineEdit*>(w) || qobject_cast<QPlainTextEdit*>(w)) textBoxes.push_back(w);
        }
        QWidget* target = targets[static_cast<qsizetype>(rng() % targets.size())];
        QWidget* focus = top->focusWidget() ? top->focusWidget() : top;
        const QPointer<QWidget> windowBefore = top;
        const unsigned roll = rng() % 100;
        std::string what;
        bool endAnswered = false;  // the close question answered OK: the program may end
        if (roll < 40) {
            // Leaving the calculator window happens now and then, not on every other click.
            const QString name = target->objectName();
            if ((name == "cmd2Mini" || name == "cmd2Big" || name == "cmdManu") && rng() % 8) continue;
            const Spot spot = RandomSpot(rng, top, target);
            if (roll < 29) {
                what = "click " + spot.name;
                QTest::mouseClick(spot.widget, Qt::LeftButton, Qt::NoModifier, spot.point);
            } else if (roll < 35) {
                what = "dblclick " + spot.name;
                QTest::mouseDClick(spot.widget, Qt::LeftButton, Qt::NoModifier, spot.point);
            } else {
                what = "right click " + spot.name;
                QTest::mouseClick(spot.widget, Qt::RightButton, Qt::NoModifier, spot.point);
            }
        } else if (roll < 74) {
            const Qt::Key key = kKeys[rng() % std::size(kKeys)];
            const Qt::KeyboardModifiers mods = kMods[rng() % std::size(kMods)];
            what = "key " + QKeySequence(mods | key).toString().toStdString();
            QTest::keyClick(focus, key, mods);
        } else if (roll < 88) {
            const char* text = kTexts[rng() % std::size(kTexts)];
            what = std::string("type ") + text;
            QTest::keyClicks(focus, QString::fromUtf8(text));
        } else if (roll < 97) {
            const ClipboardText& held = ClipboardTexts()[rng() % ClipboardTexts().size()];
            FillClipboards(held.text);
            const unsigned how = rng() % 3;
            if (how == 0) {
                what = "Ctrl+V";
                QTest::keyClick(focus, Qt::Key_V, Qt::ControlModifier);
            } else if (how == 1) {
                what = "Shift+Insert";
                QTest::keyClick(focus, Qt::Key_Insert, Qt::ShiftModifier);
            } else {
                QWidget* box =
                    textBoxes.isEmpty() ? target : textBoxes[static_cast<qsizetype>(rng() % textBoxes.size())];
                const Spot spot = RandomSpot(rng, top, box);
                what = "middle click " + spot.name;
                QTest::mouseClick(spot.widget, Qt::MiddleButton, Qt::NoModifier, spot.point);
            }
            what += std::string(" with ") + held.name + " on the clipboards";
        } else if (desk->manual()) {
            // The manual closes between a key's press and its release.
            what = "key down, close the manual, key up";
            QTest::keyPress(focus, Qt::Key_A);
            desk->manual()->close();
            Desk::Settle();
            if (QWidget* now = desk->session().view().activeWidget()) QTest::keyRelease(now, Qt::Key_A);
        } else {
            endAnswered = rng() % 6 == 0;
            what = endAnswered ? "close box, OK" : "close box, Cancel";
            desk->boxes.answers.push_back(endAnswered ? MessageAnswer::Ok : MessageAnswer::Cancel);
            top->close();
        }
        Desk::Settle();
        // An answer the event did not ask for must not answer a later question.
        desk->boxes.answers.clear();
        remember(what);
        if (desk->endedCalls > 0) {
            if (!endAnswered) FAIL() << report(n, "the program ended");
            if (windowBefore && windowBefore->isVisible())
                FAIL() << report(n, "the program ended, its window still on screen");
            desk.reset();
            desk = std::make_unique<Desk>();
            ++restarts;
            remember("(the program started again)");
        }
        if (const std::string mismatch = Mismatch(*desk); !mismatch.empty()) FAIL() << report(n, mismatch);
    }
    std::cout << "seed " << seed << ": " << total << " events, the program started again " << restarts << " times\n";
}

}  // namespace
}  // namespace zel::view::test
