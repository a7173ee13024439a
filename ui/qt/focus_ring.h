#pragma once
// Where the keyboard focus is, drawn so that it stands out in any colours.

#include <QColor>
#include <QFocusFrame>

namespace zel::view {

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

}  // namespace zel::view
