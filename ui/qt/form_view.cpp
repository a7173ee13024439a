#include "ui/qt/form_view.h"

#include <QAccessible>
#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QStyle>

#include <algorithm>
#include <numeric>
#include <utility>

#include "ui/qt/appearance.h"

namespace zel::view {

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

void FormView::Show(bool modal) { top_->Show(modal, window_->form().design().centred); }

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
    for (std::size_t i = 0; i < controls.size(); ++i) changed = changed || applied_[i].z != controls[i].z;
    if (!changed) return;
    std::vector<std::size_t> order(controls.size());
    std::iota(order.begin(), order.end(), std::size_t{0});
    std::stable_sort(order.begin(), order.end(),
                     [&](std::size_t a, std::size_t b) { return controls[a].z < controls[b].z; });
    // Raising every widget from back to front leaves each group of siblings in drawing order.
    for (std::size_t i : order) {
        widgets_[i]->raise();
        applied_[i].z = controls[i].z;
    }
}

}  // namespace zel::view
