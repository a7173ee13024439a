#include "ui/qt/form_view.h"

#include <QAccessible>
#include <QApplication>
#include <QCloseEvent>
#include <QFontMetrics>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMimeData>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QSignalBlocker>
#include <QStyle>
#include <QStyleOptionFrame>

#include <algorithm>
#include <limits>
#include <numeric>
#include <utility>

#include "ui/contrast.h"
#include "ui/qt/appearance.h"

namespace zel::view {

// ---- TopLevel, LineWidget

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
    // A window manager frames a window after it is shown and then moves it.
    if (frameKnown_ || frameGeometry().size() == size()) return;
    frameKnown_ = true;
    if (onFrameKnown) onFrameKnown();
}

LineWidget::LineWidget(const TwipRect& ends, QWidget* parent) : QWidget(parent), ends_(ends) {}

void LineWidget::paintEvent(QPaintEvent*) {
    const QRect box = LineBox(ends_);
    QPainter painter(this);
    painter.setPen(QPen(palette().color(QPalette::WindowText), 1));
    painter.drawLine(QPoint(Pixels(ends_.left), Pixels(ends_.top)) - box.topLeft(),
                     QPoint(Pixels(ends_.width), Pixels(ends_.height)) - box.topLeft());
}

FieldEdit::FieldEdit(QWidget* parent) : QLineEdit(parent) {
    setAttribute(Qt::WA_InputMethodEnabled, false);
    // The layer takes a text of any length: none is cut at Qt's default 32,767 characters.
    setMaxLength(std::numeric_limits<int>::max());
    // Qt 6.4.2: a line edit whose caret has never been placed reports it moved when Tab first
    // brings the focus in, before it reports the focus; a screen reader takes that move for the
    // focus and never speaks the field's name. The caret is placed once here, while nobody listens.
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

void FieldEdit::changeEvent(QEvent* event) {
    if (event->type() == QEvent::FontChange && !fitting_) design_ = font();
    QLineEdit::changeEvent(event);
}

void FieldEdit::focusInEvent(QFocusEvent* event) {
    QLineEdit::focusInEvent(event);
    FitWhileFocused();
}

void FieldEdit::focusOutEvent(QFocusEvent* event) {
    QLineEdit::focusOutEvent(event);
    FitWhileFocused();
}

void FieldEdit::resizeEvent(QResizeEvent* event) {
    QLineEdit::resizeEvent(event);
    FitWhileFocused();
}

bool FieldEdit::event(QEvent* event) {
    // Asked when the mouse rests on the box: the whole text, if the box cannot show it as it is.
    if (event->type() == QEvent::ToolTip) {
        const Shown line = shown();
        setToolTip(line.font == font() ? QString() : text());
    }
    return QLineEdit::event(event);
}

void FieldEdit::paintEvent(QPaintEvent* event) {
    // Focused, or with a text that fits, the box is a line edit like any other.
    if (hasFocus()) {
        QLineEdit::paintEvent(event);
        return;
    }
    const Shown line = shown();
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

ColourRoles ColourRolesOf(Kind kind) {
    switch (kind) {
        case Kind::TextBox: return {QPalette::Text, QPalette::Base};
        case Kind::Button: return {QPalette::ButtonText, QPalette::Button};
        case Kind::Line: return {QPalette::WindowText, QPalette::NoRole};
        case Kind::Label:
        case Kind::Option:
        case Kind::Frame: return {QPalette::WindowText, QPalette::Window};
    }
    return {QPalette::WindowText, QPalette::Window};
}

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

// ---- Building

namespace {

bool Has(const DesignRow& row, Flag flag) { return (row.flags & flag) != 0; }

void SetColour(QWidget* widget, QPalette::ColorRole role, const QColor& colour) {
    QPalette palette = widget->palette();
    if (palette.color(QPalette::Active, role) == colour && palette.color(QPalette::Inactive, role) == colour)
        return;
    palette.setColor(role, colour);
    widget->setPalette(palette);
}

}  // namespace

FormView::FormView(Window& window, Announce announce) : window_(&window), announce_(std::move(announce)) {
    const WindowDesign& design = window.form().design();
    Qt::WindowFlags flags = Qt::Window;
    if (!design.maximiseBox)
        flags |= Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                 Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint;
    top_ = new TopLevel(nullptr, flags);
    top_->setObjectName(QString::fromUtf8(design.name.data(), static_cast<qsizetype>(design.name.size())));
    top_->setWindowTitle(ToQString(design.caption));
    top_->setFont(DesignFont(design.defaultFont));
    top_->setAutoFillBackground(true);
    SetColour(top_, QPalette::Window, ToQColor(kButtonFace, QApplication::palette()));
    const QSize client(Pixels(design.clientWidth), Pixels(design.clientHeight));
    // A window without a maximise box keeps its size: its controls never follow it.
    if (design.maximiseBox)
        top_->resize(client);
    else
        top_->setFixedSize(client);
    if (design.applicationIcon) top_->setWindowIcon(ApplicationIcon());

    const auto& controls = window.form().controls();
    widgets_.assign(controls.size(), nullptr);
    appliedZ_.assign(controls.size(), -1);
    applied_.assign(controls.size(), Applied{});
    // Containers first, then the controls inside them, each group in the order of its rows,
    // which is also the order in which they are drawn until a control is brought to the front.
    for (std::size_t i = 0; i < controls.size(); ++i)
        if (controls[i].design().container.empty()) widgets_[i] = Build(controls[i].design(), top_);
    for (std::size_t i = 0; i < controls.size(); ++i) {
        const std::string_view container = controls[i].design().container;
        if (container.empty()) continue;
        const Control* frame = window.form().Find(container);
        widgets_[i] = Build(controls[i].design(), frame ? WidgetOf(frame) : top_.data());
    }
    ring_ = new FocusRing(top_);
}

FormView::~FormView() {
    if (!top_) return;
    top_->onClose = nullptr;
    top_->onResize = nullptr;
    top_->hide();
    top_->deleteLater();
}

void FormView::DeleteNow() { delete top_.data(); }

void FormView::Show(bool modal) {
    if (modal) top_->setWindowModality(Qt::ApplicationModal);
    const bool centred = window_->form().design().centred;
    if (centred) {
        Centre();
        // The frame is known only once a window manager has framed the shown window: centre
        // the whole window, frame included, then.
        top_->onFrameKnown = [this] { Centre(); };
    }
    top_->show();
    top_->activateWindow();
}

void FormView::Centre() {
    const QScreen* screen = top_->screen() ? top_->screen() : QGuiApplication::primaryScreen();
    if (!screen) return;
    const QRect area = screen->availableGeometry();
    const QSize outer = top_->frameGeometry().size();
    top_->move(area.left() + (area.width() - outer.width()) / 2, area.top() + (area.height() - outer.height()) / 2);
}

QWidget* FormView::Build(const DesignRow& row, QWidget* parent) {
    QWidget* widget = NewWidget(row, parent);
    const std::string id = ControlId{std::string(row.name), row.index}.ToString();
    widget->setObjectName(QString::fromStdString(id));
    // Screen readers: a control without a caption is named by the label beside it.
    if (!row.accessibleName.empty()) widget->setAccessibleName(ToQString(row.accessibleName));
    if (!row.accessibleDescription.empty()) widget->setAccessibleDescription(ToQString(row.accessibleDescription));
    // The layer owns the focus: Qt neither moves it on a click nor on the Tab key.
    widget->setFocusPolicy(Qt::NoFocus);
    if (row.kind != Kind::Line) widget->setFont(ControlFont(window_->form().design(), row));
    return widget;
}

QWidget* FormView::NewWidget(const DesignRow& row, QWidget* parent) {
    const QString caption = ToQString(row.caption);
    switch (row.kind) {
        case Kind::TextBox:
            if (Has(row, kTextArea)) {
                auto* area = new TextArea(parent);
                area->setLineWrapMode(QPlainTextEdit::WidgetWidth);
                area->setWordWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
                area->setVerticalScrollBarPolicy(Has(row, kVerticalScroll) ? Qt::ScrollBarAlwaysOn
                                                                           : Qt::ScrollBarAsNeeded);
                area->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
                area->viewport()->setFocusPolicy(Qt::NoFocus);
                return area;
            } else {
                auto* line = new FieldEdit(parent);
                line->setAlignment((Has(row, kRightAligned) ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignVCenter);
                return line;
            }
        case Kind::Label: {
            auto* label = new QLabel(parent);
            label->setTextFormat(Qt::PlainText);
            label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
            // A label of fixed size wraps its caption; an auto-size one takes the caption's width.
            label->setWordWrap(!Has(row, kAutoSize));
            if (Has(row, kSingleBorder)) {
                label->setFrameStyle(QFrame::Box | QFrame::Plain);
                label->setLineWidth(1);
                label->setIndent(0);
            }
            label->setAutoFillBackground(!Has(row, kTransparent));
            label->setText(caption);
            return label;
        }
        case Kind::Button: {
            auto* button = new QPushButton(caption, parent);
            button->setAutoDefault(false);
            button->setDefault(false);
            return button;
        }
        case Kind::Option: {
            auto* option = new QRadioButton(parent);
            // The layer decides which option of a group is selected.
            option->setAutoExclusive(false);
            return option;
        }
        case Kind::Frame: {
            auto* frame = new FrameBox(caption, parent);
            frame->setAutoFillBackground(true);
            return frame;
        }
        case Kind::Line:
            return new LineWidget(row.rect, parent);
    }
    return nullptr;
}

void FormView::MarkFocus(bool shown) {
    const Control* focus = window_->form().focus();
    QWidget* widget = WidgetOf(focus);
    ring_->Surround(shown && widget && window_->form().IsShown(*focus) ? widget : nullptr);
}

// ---- Lookup

QWidget* FormView::WidgetOf(const Control* control) const {
    const auto& controls = window_->form().controls();
    if (!control || controls.empty() || control < &controls.front() || control > &controls.back()) return nullptr;
    return widgets_[static_cast<std::size_t>(control - &controls.front())];
}

std::vector<QObject*> FormView::InputObjects(std::size_t index) const {
    std::vector<QObject*> objects{widgets_[index]};
    if (auto* area = qobject_cast<QAbstractScrollArea*>(widgets_[index])) objects.push_back(area->viewport());
    return objects;
}

// ---- Mirroring

void FormView::Mirror(const Control* pressed) {
    for (std::size_t i = 0; i < widgets_.size(); ++i) MirrorControl(i, pressed);
    MirrorDrawingOrder();
}

void FormView::MirrorControl(std::size_t index, const Control* pressed) {
    const Control& control = window_->form().controls()[index];
    QWidget* widget = widgets_[index];
    Applied& applied = applied_[index];
    // Captions, colours and rectangles change only through the layer, so what was applied last
    // time is compared first; a text box's text and an option's check are Qt's to change as
    // well, and are compared on the widget.
    const bool captionChanged = !applied.valid || applied.text != control.text;
    MirrorContent(control, widget, captionChanged, captionChanged && applied.valid, pressed);
    if (!applied.valid || applied.fore != control.fore || applied.back != control.back) MirrorColours(control, widget);
    // An auto-size label's size follows its caption, so a new caption measures it again.
    const bool autoSize = control.kind() == Kind::Label && Has(control.design(), kAutoSize);
    if (!applied.valid || applied.rect != control.rect || (autoSize && captionChanged)) {
        const QRect geometry = GeometryFor(index);
        if (widget->geometry() != geometry) widget->setGeometry(geometry);
    }
    if (widget->isHidden() == control.visible) widget->setVisible(control.visible);
    if (captionChanged) applied.text = control.text;
    applied.fore = control.fore;
    applied.back = control.back;
    applied.rect = control.rect;
    applied.valid = true;
}

void FormView::MirrorContent(const Control& control, QWidget* widget, bool captionChanged, bool announce,
                             const Control* pressed) {
    switch (control.kind()) {
        case Kind::TextBox:
            if (auto* line = qobject_cast<QLineEdit*>(widget)) {
                const QString text = ToQString(control.text);
                if (line->text() != text) {
                    const int caret = line->cursorPosition();
                    const QSignalBlocker quiet(line);
                    line->setText(text);
                    // Where the user types the caret stays; elsewhere it waits at the text's end,
                    // where a box entered with the keyboard starts.
                    line->setCursorPosition(line->hasFocus() ? std::min(caret, static_cast<int>(text.size()))
                                                             : static_cast<int>(text.size()));
                }
            } else if (auto* area = qobject_cast<QPlainTextEdit*>(widget)) {
                // The user's edits reach the layer one by one (NoteEdit), so the text last
                // brought onto the box is what it shows: a long text is neither read back from
                // the widget nor converted again unless the layer changed it.
                if (captionChanged) {
                    const QSignalBlocker quiet(area);
                    area->setPlainText(ToDisplayText(control.text));
                }
            }
            break;
        case Kind::Label:
            if (captionChanged) {
                static_cast<QLabel*>(widget)->setText(ToQString(control.text));
                // A label's caption is what a screen reader speaks for it: a status mark turning
                // to "済" or back to "未" is announced.
                if (announce) {
                    QAccessibleEvent changed(widget, QAccessible::NameChanged);
                    announce_(&changed);
                }
            }
            break;
        case Kind::Button: {
            auto* button = static_cast<QPushButton*>(widget);
            if (captionChanged) button->setText(ToQString(control.text));
            if (button->isDown() != (&control == pressed)) button->setDown(&control == pressed);
            break;
        }
        case Kind::Option: {
            auto* option = static_cast<QRadioButton*>(widget);
            if (option->isChecked() != control.selected) option->setChecked(control.selected);
            break;
        }
        case Kind::Frame:
            if (captionChanged) static_cast<QGroupBox*>(widget)->setTitle(ToQString(control.text));
            break;
        case Kind::Line:
            break;
    }
}

void FormView::MirrorColours(const Control& control, QWidget* widget) {
    const QPalette& desktop = QApplication::palette();
    const ColourRoles roles = ColourRolesOf(control.kind());
    SetColour(widget, roles.fore, ToQColor(control.fore, desktop));
    if (roles.back != QPalette::NoRole) SetColour(widget, roles.back, ToQColor(control.back, desktop));
}

void FormView::NoteEdit(std::size_t index, std::size_t at, std::size_t removed, std::u16string_view inserted) {
    Applied& applied = applied_[index];
    if (!applied.valid) return;
    at = std::min(at, applied.text.size());
    applied.text.replace(at, std::min(removed, applied.text.size() - at), inserted);
}

namespace {

// The design's option rectangles are as small as the indicator of the desktop it was drawn on,
// and the style's is larger: a rectangle smaller than the style's indicator grows to its size,
// to the right and down, into the free room of the frame the option stands in, so that the
// indicator is drawn whole. Where the indicator sits in it is the style's business as before.
QRect WholeIndicator(const QWidget& option, const QRect& designed) {
    const QStyle* style = option.style();
    const QSize indicator(style->pixelMetric(QStyle::PM_ExclusiveIndicatorWidth, nullptr, &option),
                          style->pixelMetric(QStyle::PM_ExclusiveIndicatorHeight, nullptr, &option));
    return QRect(designed.topLeft(), designed.size().expandedTo(indicator));
}

}  // namespace

QRect FormView::GeometryFor(std::size_t index) const {
    const Control& control = window_->form().controls()[index];
    if (control.kind() == Kind::Line) return LineBox(control.rect);
    QRect rect = PixelRect(control.rect);
    if (control.kind() == Kind::Option) return WholeIndicator(*widgets_[index], rect);
    if (control.kind() != Kind::Label) return rect;
    // The design rectangles fit the design font; a substitute that needs more room must not
    // clip a caption. Every label is at least one line of its font high, an auto-size label
    // takes its caption's width too, and a label that wraps its caption the width of its longest
    // Latin word, which a line never breaks ("hour" in a wider font).
    const auto* label = static_cast<const QLabel*>(widgets_[index]);
    const int frame = 2 * label->frameWidth();
    const QFontMetrics metrics(label->font());
    int width = 0;
    if (Has(control.design(), kAutoSize))
        width = metrics.horizontalAdvance(label->text()) + frame;
    else
        for (const QString& word : label->text().split(u' ', Qt::SkipEmptyParts))
            if (std::all_of(word.begin(), word.end(), [](QChar c) { return c.unicode() < 0x80; }))
                width = std::max(width, metrics.horizontalAdvance(word) + frame);
    rect.setSize(rect.size().expandedTo(QSize(width, LineHeight(label->font()) + frame)));
    return rect;
}

int FormView::LineHeight(const QFont& font) const {
    // The labels share a few fonts; asking the font engine once for each is enough.
    const QString key = font.key();
    const auto known = lineHeights_.find(key);
    if (known != lineHeights_.end()) return known->second;
    const int height = QFontMetrics(font).height();
    lineHeights_.emplace(key, height);
    return height;
}

void FormView::MirrorDrawingOrder() {
    const auto& controls = window_->form().controls();
    bool changed = false;
    for (std::size_t i = 0; i < controls.size(); ++i) changed = changed || appliedZ_[i] != controls[i].z;
    if (!changed) return;
    std::vector<std::size_t> order(controls.size());
    std::iota(order.begin(), order.end(), std::size_t{0});
    std::stable_sort(order.begin(), order.end(),
                     [&](std::size_t a, std::size_t b) { return controls[a].z < controls[b].z; });
    // Raising every widget from back to front leaves each group of siblings in drawing order.
    for (std::size_t i : order) {
        widgets_[i]->raise();
        appliedZ_[i] = controls[i].z;
    }
}

}  // namespace zel::view
