#include "ui/qt/focus_ring.h"

#include <QAbstractScrollArea>
#include <QGroupBox>
#include <QPainter>

#include <algorithm>

#include "ui/contrast.h"

namespace zel::view {

FocusRing::FocusRing(QWidget* top) : QFocusFrame(top) { hide(); }

double ContrastRatio(const QColor& a, const QColor& b) {
    return zel::ContrastRatio(Rgb{a.red(), a.green(), a.blue()}, Rgb{b.red(), b.green(), b.blue()});
}

void FocusRing::Surround(QWidget* widget) {
    if (!widget) {
        hide();
        return;
    }
    constexpr int kWidth = 2;
    QWidget* top = parentWidget();
    const QRect box(widget->mapTo(top, QPoint()), widget->size());
    const QRect outer = box.adjusted(-kWidth, -kWidth, kWidth, kWidth);
    QRegion others;
    for (QWidget* other : top->findChildren<QWidget*>()) {
        const bool control = other->parentWidget() == top || qobject_cast<QGroupBox*>(other->parentWidget());
        if (control && other != this && other != widget && other->isVisible() && !other->isAncestorOf(widget))
            others += QRect(other->mapTo(top, QPoint()), other->size());
    }
    // The ring covers no other control: each side lies outside the control where that is free
    // and within the window, else just inside the control's edge, and leaves out whatever part
    // of it another control still takes.
    const auto side = [&](const QRect& outside, const QRect& inside) {
        return others.intersects(outside) || !top->rect().contains(outside) ? inside : outside;
    };
    QRegion ring;
    ring += side(QRect(outer.left(), outer.top(), outer.width(), kWidth), QRect(box.left(), box.top(), box.width(), kWidth));
    ring += side(QRect(outer.left(), box.bottom() + 1, outer.width(), kWidth),
                 QRect(box.left(), box.bottom() + 1 - kWidth, box.width(), kWidth));
    ring += side(QRect(outer.left(), box.top(), kWidth, box.height()), QRect(box.left(), box.top(), kWidth, box.height()));
    ring += side(QRect(box.right() + 1, box.top(), kWidth, box.height()),
                 QRect(box.right() + 1 - kWidth, box.top(), kWidth, box.height()));
    ring = (ring - others).translated(-outer.topLeft());
    if (ring.isEmpty()) {  // (an empty mask would show the whole rectangle)
        hide();
        return;
    }
    if (geometry() != outer) setGeometry(outer);
    if (mask() != ring) setMask(ring);
    const auto* area = qobject_cast<const QAbstractScrollArea*>(widget);
    const QWidget* face = area ? area->viewport() : widget;
    const QColor back = face->palette().color(face->backgroundRole());
    const QColor window = top->palette().color(QPalette::Window);
    auto worst = [&](const QColor& shade) { return std::min(ContrastRatio(shade, back), ContrastRatio(shade, window)); };
    const QColor colour = worst(Qt::black) >= worst(Qt::white) ? QColor(Qt::black) : QColor(Qt::white);
    if (colour != colour_) {
        colour_ = colour;
        update();
    }
    // In front of every control, which a control brought to the front would otherwise cover.
    if (top->children().constLast() != this) raise();
    show();
}

void FocusRing::paintEvent(QPaintEvent*) { QPainter(this).fillRect(rect(), colour_); }

}  // namespace zel::view
