#include "tests/qt/harness.h"

#include <QApplication>
#include <QClipboard>
#include <QGroupBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <QTextDocument>

#include <algorithm>

#include "ui/qt/appearance.h"

namespace zel::view::test {

Desk::Desk() : session_(std::make_unique<Session>(boxes, clock)) {
    session_->view().onEnded = [this] { ++endedCalls; };
    program().trace = [this](const std::string& line) { trace.push_back(line); };
    session_->Start();
    Settle();
}

Desk::~Desk() {
    session_.reset();
    Settle();
}

int Desk::TraceCount(const std::string& line) const {
    return static_cast<int>(std::count(trace.begin(), trace.end(), line));
}

QWidget* Desk::Widget(const std::string& id) {
    QWidget* top = session_->view().activeWidget();
    if (!top) return nullptr;
    const auto found = top->findChildren<QWidget*>(QString::fromStdString(id));
    for (QWidget* widget : found)
        if (widget->window() == top) return widget;
    return nullptr;
}

QString Desk::Text(const std::string& id) {
    if (auto* line = As<QLineEdit>(id)) return line->text();
    return QString();
}

QString Desk::QtFocus() {
    QWidget* top = session_->view().activeWidget();
    QWidget* focus = top ? top->focusWidget() : nullptr;
    return focus ? focus->objectName() : QStringLiteral("(none)");
}

std::string Desk::LayerFocus() {
    Window* window = program().activeWindow();
    const Control* focus = window ? window->form().focus() : nullptr;
    return focus ? focus->id().ToString() : "(none)";
}

void Desk::Click(const std::string& id) {
    QWidget* widget = Widget(id);
    ASSERT_NE(widget, nullptr) << id;
    QTest::mouseClick(widget, Qt::LeftButton, Qt::NoModifier, widget->rect().center());
    Settle();
}

void Desk::Key(Qt::Key key, Qt::KeyboardModifiers modifiers) {
    QWidget* top = session_->view().activeWidget();
    ASSERT_NE(top, nullptr);
    QWidget* focus = top->focusWidget();
    ASSERT_NE(focus, nullptr);
    QTest::keyClick(focus, key, modifiers);
    Settle();
}

void Desk::Type(const QString& text) {
    QWidget* top = session_->view().activeWidget();
    ASSERT_NE(top, nullptr);
    QWidget* focus = top->focusWidget();
    ASSERT_NE(focus, nullptr);
    QTest::keyClicks(focus, text);
    Settle();
}

void Desk::Settle() {
    QCoreApplication::processEvents();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

void Desk::SwitchTo(const char* button) {
    QPointer<QWidget> old = calculator();
    Click(button);
    ASSERT_TRUE(WaitFor([&] { return old.isNull() && calculator() && calculator()->isVisible(); }));
}

QString ShownText(QWidget* widget) {
    if (auto* line = qobject_cast<QLineEdit*>(widget)) return line->text();
    if (auto* label = qobject_cast<QLabel*>(widget)) return label->text();
    if (auto* button = qobject_cast<QPushButton*>(widget)) return button->text();
    if (auto* frame = qobject_cast<QGroupBox*>(widget)) return frame->title();
    if (auto* area = qobject_cast<QPlainTextEdit*>(widget)) {
        // The characters themselves, line breaks as LF: a line separator (Shift+Enter) or a
        // no-break space stays what it is, as the layer keeps it.
        QString text = area->document()->toRawText();
        text.replace(QChar::ParagraphSeparator, u'\n');
        return text;
    }
    return QString();
}

void FillClipboards(const std::optional<QString>& text) {
    QClipboard* clipboard = QGuiApplication::clipboard();
    for (const QClipboard::Mode mode : {QClipboard::Clipboard, QClipboard::Selection}) {
        // Without a mouse selection (the offscreen platform, Windows) a middle click pastes nothing.
        if (mode == QClipboard::Selection && !clipboard->supportsSelection()) continue;
        if (text)
            clipboard->setText(*text, mode);
        else
            clipboard->clear(mode);
    }
}

bool WaitFor(const std::function<bool()>& done) {
    for (int i = 0; i < 200; ++i) {
        Desk::Settle();
        if (done()) return true;
        QTest::qWait(10);
    }
    return done();
}

}  // namespace zel::view::test
