#pragma once
// One window of the window layer on screen: a top-level widget with a real widget for every
// control of the window's design table, and the mirroring that brings those widgets in line
// with the controls' state. It holds no behaviour: input is the View's business (view.h).

#include <QFocusFrame>
#include <QGroupBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPointer>
#include <QWidget>

#include <cstddef>
#include <functional>
#include <map>
#include <vector>

#include "ui/window.h"

class QAccessibleEvent;

namespace zel::view {

// A top-level window of the view. Its close box and its size changes go to the callbacks;
// the window never closes by itself: the layer decides.
class TopLevel : public QWidget {
public:
    using QWidget::QWidget;
    std::function<void()> onClose;
    std::function<void()> onResize;
    // Once, when a window manager has put its frame around the window.
    std::function<void()> onFrameKnown;

protected:
    void closeEvent(QCloseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void moveEvent(QMoveEvent* event) override;

private:
    bool frameKnown_ = false;
};

// A line control: one pixel between its end points, in its foreground colour.
class LineWidget : public QWidget {
public:
    LineWidget(const TwipRect& ends, QWidget* parent);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    TwipRect ends_;
};

// A one-line text box. Each reads numbers, dates or times in half-width characters, which a
// Japanese input method in kana mode would type full-width whatever it is asked: the box takes
// no input method, and the keys reach it as typed. Qt 6's QLineEdit tells the platform it takes
// one whenever it is editable, whatever its WA_InputMethodEnabled attribute says.
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
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void changeEvent(QEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    // Takes the narrowed font while focused, the design's font otherwise.
    void FitWhileFocused();
    QFont design_;  // the font the box was given, which a focused box narrows
    bool fitting_ = false;
};

// A multi-line text box. Qt 6.4.2's QPlainTextEdit takes the first format of pasted data without
// asking whether there is one, and an empty clipboard or primary selection offers none: Ctrl+V,
// Shift+Insert or a middle click would crash. A paste of nothing inserts nothing here.
class TextArea : public QPlainTextEdit {
public:
    using QPlainTextEdit::QPlainTextEdit;

protected:
    bool canInsertFromMimeData(const QMimeData* source) const override;
    void insertFromMimeData(const QMimeData* source) override;
};

// A frame: an etched border whose top line runs behind the caption, drawn the same way
// whatever the style, so that the options placed in it by the design stay inside.
class FrameBox : public QGroupBox {
public:
    using QGroupBox::QGroupBox;

protected:
    void paintEvent(QPaintEvent* event) override;
};

// The palette roles a control of the kind draws its foreground and background colours in; a line
// has no background (NoRole).
struct ColourRoles {
    QPalette::ColorRole fore, back;
};
ColourRoles ColourRolesOf(Kind kind);

// The contrast ratio of two colours (ui/contrast.h), from 1 to 21.
double ContrastRatio(const QColor& a, const QColor& b);

// The keyboard focus made plain: a ring two pixels wide around the focused control, kept within
// the window, in black or white, whichever stands out more against both the window and the
// control. Qt's own focus frames depend on the style and are faint in most. A focus frame is
// no control to a screen reader and lets the mouse through to the controls under it.
class FocusRing : public QFocusFrame {
public:
    explicit FocusRing(QWidget* top);
    // Around the widget, or nowhere when it is null.
    void Surround(QWidget* widget);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QColor colour_;
};

class FormView {
public:
    // Where a window's accessibility events go.
    using Announce = std::function<void(QAccessibleEvent*)>;
    // Builds the window and its widgets, hidden.
    FormView(Window& window, Announce announce);
    ~FormView();
    FormView(const FormView&) = delete;
    FormView& operator=(const FormView&) = delete;

    Window& window() const { return *window_; }
    TopLevel* topLevel() const { return top_; }
    // The widgets in the order of the form's controls (the order of the design rows).
    std::size_t count() const { return widgets_.size(); }
    QWidget* widget(std::size_t index) const { return widgets_[index]; }
    QWidget* WidgetOf(const Control* control) const;
    // The objects that receive a control's mouse and key events.
    std::vector<QObject*> InputObjects(std::size_t index) const;

    // Brings every widget in line with its control: text, visibility, colours, selection,
    // rectangle and drawing order; the pressed control's button is drawn down.
    void Mirror(const Control* pressed);
    // The user's edit of a text box, already in the widget, that the layer now holds as well:
    // the text last brought onto the widget changes alike, so that mirroring leaves it alone.
    void NoteEdit(std::size_t index, std::size_t at, std::size_t removed, std::u16string_view inserted);

    // Draws the focus ring around the layer's focus owner, when it is shown, or hides it.
    void MarkFocus(bool shown);

    // Shows the window, centred on the screen when its design says so; a modal one blocks the
    // input to every other window of the program.
    void Show(bool modal);

    // Deletes the widgets: at once, or when the event loop is back (safe inside their events).
    void DeleteNow();

private:
    QWidget* Build(const DesignRow& row, QWidget* parent);
    // The widget of the row's kind, set up as the row says.
    static QWidget* NewWidget(const DesignRow& row, QWidget* parent);
    void MirrorControl(std::size_t index, const Control* pressed);
    // The text, caption or selection; a changed caption of a label is announced when `announce`.
    void MirrorContent(const Control& control, QWidget* widget, bool captionChanged, bool announce,
                       const Control* pressed);
    static void MirrorColours(const Control& control, QWidget* widget);
    void Centre();
    void MirrorDrawingOrder();
    QRect GeometryFor(std::size_t index) const;
    int LineHeight(const QFont& font) const;

    Window* window_;
    Announce announce_;
    QPointer<TopLevel> top_;
    FocusRing* ring_ = nullptr;
    std::vector<QWidget*> widgets_;
    std::vector<int> appliedZ_;
    // The layer's state as last brought onto each widget.
    struct Applied {
        std::u16string text;
        Colour fore, back;
        TwipRect rect;
        bool valid = false;
    };
    std::vector<Applied> applied_;
    mutable std::map<QString, int> lineHeights_;
};

}  // namespace zel::view
