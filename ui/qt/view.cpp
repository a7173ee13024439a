#include "ui/qt/view.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QTextDocument>
#include <QWindow>

#include <cmath>

#include "ui/qt/appearance.h"
#include "ui/qt/document_edit.h"
#include "ui/qt/accessible_controls.h"
#include "ui/qt/form_view.h"

namespace zel::view {

namespace {

Modifiers ModifiersOf(Qt::KeyboardModifiers held) {
    Modifiers modifiers = Modifiers::None;
    if (held & Qt::ShiftModifier) modifiers |= Modifiers::Shift;
    if (held & Qt::ControlModifier) modifiers |= Modifiers::Ctrl;
    if (held & Qt::AltModifier) modifiers |= Modifiers::Alt;
    return modifiers;
}

// The key a handler receives for a Qt key: the layer hears every key, and names a few.
Key KeyOf(const QKeyEvent& event) {
    switch (event.key()) {
        case Qt::Key_Tab:
        case Qt::Key_Backtab: return Key::Tab;
        case Qt::Key_Return:
        case Qt::Key_Enter: return Key::Enter;
        case Qt::Key_Space: return Key::Space;
        case Qt::Key_Left: return Key::Left;
        case Qt::Key_Up: return Key::Up;
        case Qt::Key_Right: return Key::Right;
        case Qt::Key_Down: return Key::Down;
        default: return Key::Other;
    }
}

MouseButton ButtonOf(const QEvent& event) {
    switch (static_cast<const QMouseEvent&>(event).button()) {
        case Qt::LeftButton: return MouseButton::Left;
        case Qt::RightButton: return MouseButton::Right;
        case Qt::MiddleButton: return MouseButton::Middle;
        default: return MouseButton::Other;
    }
}

// The size the window frame adds to the client area, in pixels. Without a window manager, or
// before the window is shown, no frame is known; the layer's standard frame stands in for it.
QSize FrameSize(const QWidget& top) {
    const QMargins margins = top.windowHandle() ? top.windowHandle()->frameMargins() : QMargins();
    if (!margins.isNull()) return {margins.left() + margins.right(), margins.top() + margins.bottom()};
    return {Pixels(ManualWindow::kFrameWidth), Pixels(ManualWindow::kFrameHeight)};
}

}  // namespace

View::View(Program& program) : program_(program) {
    InstallFontSubstitutes();
    InstallAccessibleControls();
}

View::~View() {
    for (std::unique_ptr<FormView>* form : {&manual_, &calculator_}) {
        if (!*form) continue;
        (*form)->DeleteNow();
        form->reset();
    }
}

QWidget* View::calculatorWidget() const { return calculator_ ? calculator_->topLevel() : nullptr; }
QWidget* View::manualWidget() const { return manual_ ? manual_->topLevel() : nullptr; }
QWidget* View::activeWidget() const { return manual_ ? manualWidget() : calculatorWidget(); }

// ---- Windows

void View::Sync() {
    if (syncing_) return;
    syncing_ = true;
    Window* calculator = program_.calculator();
    Window* manual = program_.manual();
    bool showCalculator = false, showManual = false, manualClosed = false;
    if (generation_ != program_.windowGeneration()) {
        generation_ = program_.windowGeneration();
        if (manual_ && &manual_->window() != manual) {
            Drop(manual_);
            manualClosed = true;
        }
        if (calculator_ && &calculator_->window() != calculator) Drop(calculator_);
        if (calculator && !calculator_) {
            calculator_ = Open(*calculator);
            showCalculator = true;
        }
        if (manual && !manual_) {
            manual_ = Open(*manual);
            showManual = true;
        }
    }
    if (calculator_) calculator_->Mirror(program_.pressed());
    if (manual_) manual_->Mirror(program_.pressed());
    if (showCalculator) calculator_->Show(false);
    if (showManual) manual_->Show(true);
    if (manualClosed && calculator_) calculator_->topLevel()->activateWindow();
    SyncFocus();
    syncing_ = false;
    if (program_.ended() && !endReported_) {
        endReported_ = true;
        if (onEnded) onEnded();
    }
}

std::unique_ptr<FormView> View::Open(Window& window) {
    auto form = std::make_unique<FormView>(window, [this](QAccessibleEvent* event) { announce(event); });
    Bind(*form);
    TopLevel* top = form->topLevel();
    if (&window == program_.manual()) {
        top->onClose = [this] {
            if (!forwarding_) Forward([&] { program_.UserCloseManual(); });
        };
        top->onResize = [this] { ManualResized(); };
    } else {
        // The layer asks whether to end the program and closes the window itself.
        top->onClose = [this] {
            if (!forwarding_) Forward([&] { program_.UserClose(); });
        };
    }
    return form;
}

void View::Drop(std::unique_ptr<FormView>& form) {
    std::erase_if(targets_, [&](const auto& entry) { return entry.second.form == form.get(); });
    form.reset();
}

void View::Bind(FormView& form) {
    for (std::size_t i = 0; i < form.count(); ++i) {
        for (QObject* object : form.InputObjects(i)) {
            targets_[object] = {&form, i};
            object->installEventFilter(this);
        }
        QWidget* widget = form.widget(i);
        if (auto* line = qobject_cast<QLineEdit*>(widget)) {
            connect(line, &QLineEdit::textEdited, this,
                    [this, line](const QString& text) { TextEdited(line, text.toStdU16String()); });
        } else if (auto* area = qobject_cast<QPlainTextEdit*>(widget)) {
            connect(area->document(), &QTextDocument::contentsChange, this,
                    [this, area](int at, int removed, int added) { AreaEdited(area, at, removed, added); });
        }
    }
}

std::optional<View::Target> View::TargetOf(const QObject* object) const {
    const auto at = targets_.find(object);
    if (at == targets_.end()) return std::nullopt;
    return at->second;
}

const Control& View::ControlOf(const Target& target) {
    return target.form->window().form().controls()[target.index];
}

void View::SyncFocus() {
    for (FormView* form : {calculator_.get(), manual_.get()}) {
        if (!form) continue;
        const Control* focus = form->window().form().focus();
        QWidget* widget = form->WidgetOf(focus);
        // The style draws the focus cue of a button only after keyboard use.
        QWidget* top = form->topLevel();
        const bool cues = program_.keyboardCues();
        const bool cueChanged = top->testAttribute(Qt::WA_KeyboardFocusChange) != cues;
        top->setAttribute(Qt::WA_KeyboardFocusChange, cues);
        if (widget && widget->isVisibleTo(top) && top->focusWidget() != widget)
            widget->setFocus(cues ? Qt::TabFocusReason : Qt::MouseFocusReason);
        else if (widget && cueChanged)
            widget->update();
        form->MarkFocus(&form->window() == program_.activeWindow() && program_.focusMarked());
    }
}

// ---- Input

template <class F>
void View::Forward(F&& action) {
    forwarding_ = true;
    // A message box a handler shows takes the user's input meanwhile: the view watches the whole
    // application until the handler ends, so that a key or a click that answers a box counts as
    // the latest input too.
    qApp->installEventFilter(this);
    action();
    qApp->removeEventFilter(this);
    forwarding_ = false;
    Sync();
}

bool View::eventFilter(QObject* watched, QEvent* event) {
    switch (event->type()) {
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonRelease:
        case QEvent::MouseButtonDblClick:
        case QEvent::KeyPress:
        case QEvent::KeyRelease:
            break;
        default:
            // Painting, and Qt's own focus changes, are the widgets' business alone.
            return false;
    }
    // The key that answered a message box shows the focus cue afterwards, as any key does; the
    // click that answered one hides it.
    if (forwarding_ && (event->type() == QEvent::KeyPress || event->type() == QEvent::MouseButtonPress))
        program_.UserAnsweredMessage(event->type() == QEvent::KeyPress);
    const auto target = TargetOf(watched);
    if (!target) return false;
    // While a handler runs (its message box is up), and in a window that a modal one blocks,
    // the input reaches nothing.
    if (forwarding_ || &target->form->window() != program_.activeWindow()) return true;
    const ControlId id = ControlOf(*target).id();
    Toolkit after = Toolkit::Swallow;
    switch (event->type()) {
        case QEvent::MouseButtonPress:
            Forward([&] { after = program_.UserMouseDown(id, ButtonOf(*event)); });
            break;
        case QEvent::MouseButtonRelease: {
            // Qt gives the release to the widget the button went down on, wherever it is.
            const auto& mouse = static_cast<const QMouseEvent&>(*event);
            const bool over = static_cast<QWidget*>(watched)->rect().contains(mouse.position().toPoint());
            Forward([&] { after = program_.UserMouseUp(id, ButtonOf(*event), over); });
            break;
        }
        case QEvent::MouseButtonDblClick:
            Forward([&] { after = program_.UserMouseDoubleClick(id, ButtonOf(*event)); });
            break;
        case QEvent::KeyPress: {
            const auto& key = static_cast<const QKeyEvent&>(*event);
            Modifiers modifiers = ModifiersOf(key.modifiers());
            if (key.key() == Qt::Key_Backtab) modifiers |= Modifiers::Shift;
            Forward([&] { after = program_.UserKeyDown(KeyOf(key), modifiers); });
            keyGoesOn_ = after;
            break;
        }
        default:
            // A key's release goes where its press went.
            after = keyGoesOn_;
            break;
    }
    return after == Toolkit::Swallow;
}

void View::TextEdited(const QObject* box, std::u16string text) {
    const auto target = TargetOf(box);
    if (!target || forwarding_) return;
    const ControlId id = ControlOf(*target).id();
    Forward([&] { program_.UserType(id, std::move(text)); });
}

void View::AreaEdited(QPlainTextEdit* area, int at, int removed, int added) {
    // The layer's own changes reach the box by mirroring, while a handler runs or a sync.
    const auto target = TargetOf(area);
    if (!target || forwarding_ || syncing_) return;
    const ControlId id = ControlOf(*target).id();
    const QTextDocument& document = *area->document();
    std::optional<LayerTextEdit> edit = LayerEditOf(document, ControlOf(*target).text, at, removed, added);
    // A change that does not fit the layer's text hands the layer the whole text instead.
    if (!edit)
        edit = LayerTextEdit{0, ControlOf(*target).text.size(), LayerText(document, 0, document.characterCount() - 1)};
    target->form->NoteEdit(target->index, edit->at, edit->removed, edit->inserted);
    Forward([&] { program_.UserEdit(id, edit->at, edit->removed, edit->inserted); });
}

// ---- The manual's size

void View::ManualResized() {
    if (applyingManualSize_ || forwarding_ || !manual_ || !program_.manual()) return;
    const TopLevel* top = manual_->topLevel();
    if (!top->isVisible()) return;
    const QSize frame = FrameSize(*top);
    const double outerWidth = (top->width() + frame.width()) * kTwipsPerPixel;
    const double outerHeight = (top->height() + frame.height()) * kTwipsPerPixel;
    Forward([&] { program_.UserResizeManual(outerWidth, outerHeight); });
    ApplyManualSize();
}

void View::ApplyManualSize() {
    const ManualWindow* manual = program_.manual();
    if (!manual_ || !manual) return;
    TopLevel* top = manual_->topLevel();
    const QSize frame = FrameSize(*top);
    // Rounded up, so that the window is never smaller than the layer's minimum.
    const QSize client(static_cast<int>(std::ceil(manual->outerWidth() / kTwipsPerPixel)) - frame.width(),
                       static_cast<int>(std::ceil(manual->outerHeight() / kTwipsPerPixel)) - frame.height());
    if (top->size() == client) return;
    applyingManualSize_ = true;
    top->resize(client);
    applyingManualSize_ = false;
    // The focus ring was placed within the window as it was before it snapped back.
    SyncFocus();
}

}  // namespace zel::view
