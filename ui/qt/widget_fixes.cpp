#include "ui/qt/widget_fixes.h"

#include <QCloseEvent>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QMimeData>
#include <QPainter>
#include <QScreen>

#include "ui/qt/appearance.h"

namespace zel::view {

void TopLevel::closeEvent(QCloseEvent* event) {
    event->ignore();
    if (onClose) onClose();
}

void TopLevel::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    if (onResize) onResize();
}

void TopLevel::moveEvent(QMoveEvent* event) {
    QWidget::moveEvent(event);
    // A window manager frames a window after it is shown and then moves it: centre the whole
    // window, frame included, then.
    if (frameKnown_ || frameGeometry().size() == size()) return;
    frameKnown_ = true;
    if (centred_) Centre();
}

void TopLevel::Show(bool modal, bool centred) {
    if (modal) setWindowModality(Qt::ApplicationModal);
    centred_ = centred;
    if (centred) Centre();
    show();
    activateWindow();
}

void TopLevel::Centre() {
    const QScreen* shownOn = screen() ? screen() : QGuiApplication::primaryScreen();
    if (!shownOn) return;
    const QRect area = shownOn->availableGeometry();
    const QSize outer = frameGeometry().size();
    move(area.left() + (area.width() - outer.width()) / 2, area.top() + (area.height() - outer.height()) / 2);
}

LineWidget::LineWidget(const TwipRect& ends, QWidget* parent) : QWidget(parent), ends_(ends) {}

void LineWidget::paintEvent(QPaintEvent*) {
    const QRect box = LineBox(ends_);
    QPainter painter(this);
    painter.setPen(QPen(palette().color(QPalette::WindowText), 1));
    painter.drawLine(QPoint(Pixels(ends_.left), Pixels(ends_.top)) - box.topLeft(),
                     QPoint(Pixels(ends_.width), Pixels(ends_.height)) - box.topLeft());
}

namespace {
bool HoldsData(const QMimeData* source) { return source && !source->formats().isEmpty(); }
}  // namespace

bool TextArea::canInsertFromMimeData(const QMimeData* source) const {
    return HoldsData(source) && QPlainTextEdit::canInsertFromMimeData(source);
}

void TextArea::insertFromMimeData(const QMimeData* source) {
    if (HoldsData(source)) QPlainTextEdit::insertFromMimeData(source);
}

void FrameBox::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const QFontMetrics metrics(font());
    const QString caption = title();
    const int top = caption.isEmpty() ? 0 : metrics.height() / 2;
    const QRect border = rect().adjusted(0, top, -2, -2);
    painter.setPen(palette().color(QPalette::Dark));
    painter.drawRect(border);
    painter.setPen(palette().color(QPalette::Light));
    painter.drawRect(border.translated(1, 1));
    if (caption.isEmpty()) return;
    const QRect captionBox(6, 0, metrics.horizontalAdvance(caption) + 4, metrics.height());
    painter.fillRect(captionBox, palette().color(QPalette::Window));
    painter.setPen(palette().color(QPalette::WindowText));
    // The caption's strokes start at the frame's top edge: the design places options right under
    // the caption, and in the mini window's font a caption centred on the top line runs into them.
    painter.drawText(captionBox.left() + 2, -metrics.tightBoundingRect(caption).top(), caption);
}

}  // namespace zel::view
