#pragma once
// What the view tests share: a running program with its widgets, driven by the events a user's
// mouse and keyboard send, with fake message boxes and clock.

#include <QLineEdit>
#include <QPointer>
#include <QWidget>

#include <gtest/gtest.h>

#include <functional>
#include <ostream>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "tests/support/fake_services.h"
#include "ui/qt/session.h"

// Readable texts in failure messages.
inline void PrintTo(const QString& text, std::ostream* out) { *out << '"' << text.toStdString() << '"'; }

namespace zel::view::test {

// The program started, on screen.
class Desk {
public:
    Desk();
    ~Desk();

    FakeMessageBoxes boxes;
    FakeClock clock;
    Session& session() { return *session_; }
    Zelvorin& program() { return session_->program(); }
    int endedCalls = 0;
    // The layer's transcript of actions and events, one line each.
    std::vector<std::string> trace;
    int TraceCount(const std::string& line) const;

    QWidget* calculator() { return session_->view().calculatorWidget(); }
    QWidget* manual() { return session_->view().manualWidget(); }
    // The widget of a control of the window taking input (the manual's while it is open).
    QWidget* Widget(const std::string& id);
    template <class T>
    T* As(const std::string& id) {
        return qobject_cast<T*>(Widget(id));
    }
    QString Text(const std::string& id);
    // The control of the window taking input that Qt's focus is on.
    QString QtFocus();
    // The layer's focus owner in the window taking input.
    std::string LayerFocus();

    // A left click in the middle of the control.
    void Click(const std::string& id);
    // A key on whatever widget Qt's focus is on, as the keyboard sends it.
    void Key(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier);
    void Type(const QString& text);
    // Lets the event loop run: pending window-system events, deferred deletions.
    static void Settle();

    // Clicks the size-switch button and waits for the other window.
    void SwitchTo(const char* button);

private:
    std::unique_ptr<Session> session_;
};

// The text a widget shows: a box's text, a label's, button's or frame's caption.
QString ShownText(QWidget* widget);

// Puts the text on the clipboard and on the mouse selection, or empties both.
void FillClipboards(const std::optional<QString>& text);

// Waits until `done` holds, for at most two seconds.
bool WaitFor(const std::function<bool()>& done);

}  // namespace zel::view::test
