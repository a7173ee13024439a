#include "ui/qt/accessible_controls.h"

#include <QAccessibleWidget>
#include <QFontMetrics>
#include <QRadioButton>

#include "ui/qt/field_edit.h"
#include "ui/qt/widget_fixes.h"

namespace zel::view {

namespace {

// A field read through QLineEdit's public calls, with the one attribute run its text really has:
// all of it, without attributes (see InstallAccessibleControls for the Qt fault this answers).
class FieldAccessible : public QAccessibleWidget,
                        public QAccessibleTextInterface,
                        public QAccessibleEditableTextInterface {
public:
    explicit FieldAccessible(FieldEdit* field) : QAccessibleWidget(field, QAccessible::EditableText) {}

    void* interface_cast(QAccessible::InterfaceType type) override {
        if (type == QAccessible::TextInterface) return static_cast<QAccessibleTextInterface*>(this);
        if (type == QAccessible::EditableTextInterface) return static_cast<QAccessibleEditableTextInterface*>(this);
        return QAccessibleWidget::interface_cast(type);
    }

    QAccessible::State state() const override {
        QAccessible::State state = QAccessibleWidget::state();
        state.readOnly = field()->isReadOnly();
        state.editable = !field()->isReadOnly();
        state.selectableText = true;
        return state;
    }

    QString text(QAccessible::Text which) const override {
        return which == QAccessible::Value ? field()->text() : QAccessibleWidget::text(which);
    }

    // The text.
    QString text(int start, int end) const override { return field()->text().mid(start, end - start); }
    int characterCount() const override { return static_cast<int>(field()->text().size()); }
    QString attributes(int, int* start, int* end) const override {
        *start = 0;
        *end = characterCount();
        return {};
    }

    // The caret and the selection: a line edit has one selection at most.
    int cursorPosition() const override { return field()->cursorPosition(); }
    void setCursorPosition(int position) override { field()->setCursorPosition(position); }
    int selectionCount() const override { return field()->hasSelectedText() ? 1 : 0; }
    void selection(int index, int* start, int* end) const override {
        *start = *end = 0;
        if (index != 0 || !field()->hasSelectedText()) return;
        *start = field()->selectionStart();
        *end = *start + static_cast<int>(field()->selectedText().size());
    }
    void addSelection(int start, int end) override { setSelection(0, start, end); }
    void removeSelection(int index) override {
        if (index == 0) field()->deselect();
    }
    void setSelection(int index, int start, int end) override {
        if (index == 0) field()->setSelection(start, end - start);
    }

    // Where the characters are, on the screen.
    QRect characterRect(int offset) const override {
        const QRect caret = field()->caretRect();
        const QFontMetrics metrics(field()->font());
        const QString text = field()->text();
        const int x = caret.center().x() + metrics.horizontalAdvance(text.left(offset)) -
                      metrics.horizontalAdvance(text.left(field()->cursorPosition()));
        const int width = offset < text.size() ? metrics.horizontalAdvance(text.at(offset)) : 0;
        return QRect(field()->mapToGlobal(QPoint(x, caret.top())), QSize(width, caret.height()));
    }
    int offsetAtPoint(const QPoint& point) const override {
        return field()->cursorPositionAt(field()->mapFromGlobal(point));
    }
    void scrollToSubstring(int start, int) override { field()->setCursorPosition(start); }

    // Edits come as a user's would: the window layer hears of them.
    void deleteText(int start, int end) override { replaceText(start, end, {}); }
    void insertText(int offset, const QString& text) override { replaceText(offset, offset, text); }
    void replaceText(int start, int end, const QString& text) override {
        field()->setSelection(start, end - start);
        field()->insert(text);
    }

private:
    FieldEdit* field() const { return static_cast<FieldEdit*>(widget()); }
};

// An option button is a radio button to a screen reader, although the layer, not Qt, keeps one
// option of a group selected (Qt would call a button that is not auto-exclusive a check box).
class OptionAccessible : public QAccessibleWidget {
public:
    explicit OptionAccessible(QRadioButton* option) : QAccessibleWidget(option, QAccessible::RadioButton) {}
    QAccessible::State state() const override {
        QAccessible::State state = QAccessibleWidget::state();
        state.checkable = true;
        state.checked = static_cast<QRadioButton*>(widget())->isChecked();
        return state;
    }
};

QAccessibleInterface* AccessibleFor(const QString&, QObject* object) {
    if (auto* line = dynamic_cast<LineWidget*>(object)) return new QAccessibleWidget(line, QAccessible::Separator);
    if (auto* option = qobject_cast<QRadioButton*>(object)) return new OptionAccessible(option);
    if (auto* field = dynamic_cast<FieldEdit*>(object)) return new FieldAccessible(field);
    return nullptr;
}

}  // namespace

void InstallAccessibleControls() {
    QAccessible::removeFactory(AccessibleFor);
    QAccessible::installFactory(AccessibleFor);
}

}  // namespace zel::view
