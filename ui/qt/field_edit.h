#pragma once
// The one-line text box of the calculator's fields.

#include <QFont>
#include <QLineEdit>

namespace zel::view {

// A one-line text box. Each reads numbers, dates or times in half-width characters, which a
// Japanese input method in kana mode would type full-width whatever it is asked: the box takes
// no input method, and the keys reach it as typed.
//
// Unfocused, a box shows its whole text: a result must never lose its sign or its leading digits
// to the box's width. A text too long for the box is drawn in a font narrowed as far as 60 %,
// and only past that cut in the middle; its tooltip then holds the whole text. The text itself,
// and what a screen reader reads, stay whole. A focused box edits as any line edit, in the font
// narrowed as its text needs (a wider fallback font would otherwise scroll its first digits away).
class FieldEdit : public QLineEdit {
public:
    explicit FieldEdit(QWidget* parent);
    using QLineEdit::inputMethodQuery;
    // Qt 6.4 fault: an editable QLineEdit reports ImEnabled whatever WA_InputMethodEnabled says.
    QVariant inputMethodQuery(Qt::InputMethodQuery query) const override;

    // What the box shows while unfocused, in which font, within textArea().
    struct Shown {
        QString text;
        QFont font;
    };
    Shown shown() const;
    QRect textArea() const;
    QRect caretRect() const { return cursorRect(); }

protected:
    // The tooltip, and the font the box is given, focused or not, at its width.
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    // Takes the narrowed font while focused, the design's font otherwise.
    void FitWhileFocused();
    QFont design_;  // the font the box was given, which a focused box narrows
    bool fitting_ = false;
};

}  // namespace zel::view
