#pragma once
// One window of the window layer on screen: a top-level widget with a real widget for every
// control of the window's design table, and the mirroring that brings those widgets in line
// with the controls' state. It holds no behaviour: input is the View's business (view.h).

#include <QPointer>
#include <QWidget>

#include <cstddef>
#include <functional>
#include <map>
#include <vector>

#include "ui/qt/field_edit.h"
#include "ui/qt/focus_ring.h"
#include "ui/qt/widget_fixes.h"
#include "ui/window.h"

class QAccessibleEvent;

namespace zel::view {

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
    void MirrorDrawingOrder();
    QRect GeometryFor(std::size_t index) const;
    int LineHeight(const QFont& font) const;

    Window* window_;
    Announce announce_;
    QPointer<TopLevel> top_;
    FocusRing* ring_ = nullptr;
    std::vector<QWidget*> widgets_;
    // The layer's state as last brought onto each widget.
    struct Applied {
        std::u16string text;
        Colour fore, back;
        TwipRect rect;
        int z = -1;
        bool valid = false;
    };
    std::vector<Applied> applied_;
    mutable std::map<QString, int> lineHeights_;
};

}  // namespace zel::view
