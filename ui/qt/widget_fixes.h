#pragma once
// Qt widgets made to behave as the program's windows and controls do, whatever Qt or the style
// would do by itself: a top level that never closes on its own, a line, a text area that survives
// a paste of nothing, a frame drawn alike in every style.

#include <QGroupBox>
#include <QPlainTextEdit>
#include <QWidget>

#include <functional>

#include "ui/design.h"

namespace zel::view {

// A top-level window of the view. Its close box and its size changes go to the callbacks;
// the window never closes by itself: the layer decides.
class TopLevel : public QWidget {
public:
    using QWidget::QWidget;
    std::function<void()> onClose;
    std::function<void()> onResize;

    // Shows the window, centred on the screen frame included when `centred`; a modal one blocks
    // the input to every other window of the program.
    void Show(bool modal, bool centred);

protected:
    void closeEvent(QCloseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void moveEvent(QMoveEvent* event) override;

private:
    void Centre();
    bool centred_ = false;
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

// A multi-line text box, in which a paste of nothing inserts nothing.
// Qt 6.4 fault: QPlainTextEdit reads the first format of an empty clipboard or selection, and crashes.
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

}  // namespace zel::view
