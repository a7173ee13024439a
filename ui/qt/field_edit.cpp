#include "ui/qt/field_edit.h"

#include <QEvent>
#include <QFontMetrics>
#include <QPainter>
#include <QStyle>
#include <QStyleOptionFrame>

#include <algorithm>
#include <limits>

namespace zel::view {

FieldEdit::FieldEdit(QWidget* parent) : QLineEdit(parent) {
    setAttribute(Qt::WA_InputMethodEnabled, false);
    // The layer takes a text of any length: none is cut at Qt's default 32,767 characters.
    setMaxLength(std::numeric_limits<int>::max());
    // Qt 6.4 fault: a never-placed caret reports a move before the focus, which screen readers
    // speak instead of the field's name. Placed once here, while nobody listens.
    setCursorPosition(0);
    design_ = font();
    connect(this, &QLineEdit::textChanged, this, &FieldEdit::FitWhileFocused);
}

QVariant FieldEdit::inputMethodQuery(Qt::InputMethodQuery query) const {
    if (query == Qt::ImEnabled) return false;
    return QLineEdit::inputMethodQuery(query);
}

namespace {
// Narrower than this, digits no longer read apart: a text is cut instead.
constexpr int kNarrowestStretch = 60;

// The font narrowed as far as `text` needs to fit `room`, down to the narrowest stretch.
QFont FittingFont(QFont font, const QString& text, qreal room) {
    const qreal natural = QFontMetricsF(font).horizontalAdvance(text);
    if (natural <= room) return font;
    // The advance shrinks about as the stretch does: from that estimate, narrower until it fits.
    for (int stretch = std::max(kNarrowestStretch, static_cast<int>(100 * room / natural));
         stretch >= kNarrowestStretch; --stretch) {
        font.setStretch(stretch);
        if (QFontMetricsF(font).horizontalAdvance(text) <= room) return font;
    }
    font.setStretch(kNarrowestStretch);
    return font;
}

}  // namespace

QRect FieldEdit::textArea() const {
    QStyleOptionFrame panel;
    initStyleOption(&panel);
    // Where the line edit lays out its line: inside the frame and the text margins, with two
    // pixels to spare at either end.
    return style()->subElementRect(QStyle::SE_LineEditContents, &panel, this).marginsRemoved(textMargins())
        .adjusted(2, 0, -2, 0);
}

FieldEdit::Shown FieldEdit::shown() const {
    const QString whole = text();
    const qreal room = textArea().width();
    const QFont fitting = FittingFont(design_, whole, room);
    if (QFontMetricsF(fitting).horizontalAdvance(whole) <= room) return {whole, fitting};
    return {QFontMetricsF(fitting).elidedText(whole, Qt::ElideMiddle, room), fitting};
}

void FieldEdit::FitWhileFocused() {
    const QFont fitting = hasFocus() ? FittingFont(design_, text(), textArea().width()) : design_;
    if (fitting == font()) return;
    fitting_ = true;
    setFont(fitting);
    fitting_ = false;
}

bool FieldEdit::event(QEvent* event) {
    const QEvent::Type type = event->type();
    // Asked when the mouse rests on the box: the whole text, if the box cannot show it as it is.
    if (type == QEvent::ToolTip) setToolTip(shown().font == font() ? QString() : text());
    if (type == QEvent::FontChange && !fitting_) design_ = font();
    const bool handled = QLineEdit::event(event);
    if (type == QEvent::FocusIn || type == QEvent::FocusOut || type == QEvent::Resize) FitWhileFocused();
    return handled;
}

void FieldEdit::paintEvent(QPaintEvent* event) {
    // Focused, or with a text that fits, the box is a line edit like any other.
    const Shown line = hasFocus() ? Shown{text(), font()} : shown();
    if (line.font == font()) {
        QLineEdit::paintEvent(event);
        return;
    }
    QPainter painter(this);
    QStyleOptionFrame panel;
    initStyleOption(&panel);
    style()->drawPrimitive(QStyle::PE_PanelLineEdit, &panel, &painter, this);
    const QRect area = textArea();
    const int height = QFontMetrics(line.font).height();
    // Centred in height as the line edit centres its own line.
    const QRect row(area.left(), area.top() + (area.height() - height + 1) / 2, area.width(), height);
    painter.setClipRect(area);
    painter.setFont(line.font);
    painter.setPen(palette().color(QPalette::Text));
    const Qt::Alignment across = alignment() & Qt::AlignHorizontal_Mask;
    painter.drawText(row, QStyle::visualAlignment(layoutDirection(), across), line.text);
}

}  // namespace zel::view
