#include "ui/program.h"

#include <algorithm>

#include "core/text.h"

namespace zel {

Program::Program(MessageBoxes& messageBoxes, Clock& clock) : messageBoxes_(messageBoxes), clock_(clock) {}

// Runs one action; the outermost one then runs the queued focus handling and any activation.
template <class F>
void Program::RunAction(F&& action) {
    ++depth_;
    action();
    --depth_;
    if (depth_ == 0) Settle();
}

void Program::Settle() {
    ++depth_;  // handlers run from here queue their own focus moves behind the current ones
    while (!focusQueue_.empty() || pendingActivation_.window) {
        if (!focusQueue_.empty()) {
            const QueuedFocusEvent event = focusQueue_.front();
            focusQueue_.pop_front();
            RunFocusEvent(event);
            continue;
        }
        const auto [window, why] = pendingActivation_;
        pendingActivation_.window = nullptr;
        if (window->closed) continue;
        Trace(std::string("Activate ") + std::string(window->form().design().name));
        window->Form_Activate(why);
    }
    --depth_;
    closedWindows_.clear();
}

void Program::Trace(const std::string& line) {
    if (trace) trace(line);
}

// Events are written as the handler that receives them is named: "Text9_GotFocus(2)".
void Program::TraceEvent(const char* event, const Control& control) {
    if (!trace) return;
    std::string line("  ");
    line.append(control.name()).append(1, '_').append(event);
    if (control.index() != kNoIndex) line.append(1, '(').append(std::to_string(control.index())).append(1, ')');
    trace(line);
}

Window* Program::activeWindow() {
    if (manual_) return manual_.get();
    return calculator_.get();
}

Control* Program::ActiveControl(const ControlId& id) {
    Window* window = activeWindow();
    if (!window) return nullptr;
    return window->form().Find(id);
}

Control* Program::ShownControl(const ControlId& id) {
    Control* control = ActiveControl(id);
    return control && activeWindow()->form().IsShown(*control) ? control : nullptr;
}

bool Program::TakesTyping(const Control& control) {
    const Window* window = activeWindow();
    return control.kind() == Kind::TextBox && window && window->form().focus() == &control &&
           window->form().IsShown(control);
}

const Control* Program::pressed() const { return pressedGeneration_ == windowGeneration_ ? pressed_ : nullptr; }

bool Program::focusMarked() const {
    const Window* window = manual_ ? manual_.get() : calculator_.get();
    const Control* focus = window ? window->form().focus() : nullptr;
    return focus && (focus->kind() == Kind::TextBox || keyboardCues_);
}

// ---- Opening and closing windows

void Program::Start() {
    started_ = true;
    Trace("start");
    RunAction([&] { ShowCalculator(CalculatorSize::Full); });
}

void Program::ShowCalculator(CalculatorSize size) {
    calculator_ = NewCalculator(size);
    ++windowGeneration_;
    Trace(std::string("Load ") + std::string(calculator_->form().design().name));
    calculator_->Form_Load();
    // Until the activation moves it, the focus rests on the first control in tab order.
    calculator_->form().focus_ = calculator_->form().FirstInTabOrder();
    pendingActivation_ = {calculator_.get(), Activation::Shown};
}

bool Program::CloseCalculator(Window& window, Unload why) {
    bool cancel = false;
    Trace(std::string("Unload ") + std::string(window.form().design().name));
    window.Form_Unload(why, cancel);
    if (cancel) return false;
    window.closed = true;
    if (calculator_.get() == &window) closedWindows_.push_back(std::move(calculator_));
    ++windowGeneration_;
    return true;
}

void Program::ShowManual() {
    manual_ = std::make_unique<ManualWindow>();
    ++windowGeneration_;
    Trace(std::string("Load ") + std::string(manual_->form().design().name));
    manual_->Form_Load();
    manual_->form().focus_ = manual_->form().FirstInTabOrder();
}

void Program::UserClose() {
    Trace("close");
    if (!calculator_ || manual_) return;
    RunAction([&] { CloseCalculator(*calculator_, Unload::Close); });
}

void Program::UserCloseManual() {
    Trace("closemanual");
    if (!manual_) return;
    RunAction([&] {
        manual_->closed = true;
        closedWindows_.push_back(std::move(manual_));
        ++windowGeneration_;
        // The calculator window becomes the active window again.
        if (calculator_) pendingActivation_ = {calculator_.get(), Activation::BackFromManual};
    });
}

void Program::UserResizeManual(double outerWidth, double outerHeight) {
    if (!manual_) return;
    RunAction([&] { manual_->Resized(outerWidth, outerHeight); });
}

// ---- Focus, clicks and keys

void Program::SetFocus(Window& window, Control& control) { MoveFocus(window, control, true); }

void Program::MoveFocus(Window& window, Control& target, bool queued) {
    Form& form = window.form();
    Control* old = form.focus();
    if (old == &target) return;
    form.focus_ = &target;
    const QueuedFocusEvent lost{&window, old, false}, gained{&window, &target, true};
    if (queued) {
        Trace("  SetFocus " + target.id().ToString());
        if (old) focusQueue_.push_back(lost);
        focusQueue_.push_back(gained);
        return;
    }
    if (old) RunFocusEvent(lost);
    RunFocusEvent(gained);
}

void Program::RunFocusEvent(const QueuedFocusEvent& event) {
    if (event.window->closed) return;
    TraceEvent(event.gained ? "GotFocus" : "LostFocus", *event.control);
    if (event.gained)
        event.window->GotFocus(*event.control);
    else
        event.window->LostFocus(*event.control);
}

void Program::SelectOption(Window& window, Control& option) {
    if (option.selected) return;
    for (Control* other : window.form().OptionGroup(option)) other->selected = false;
    option.selected = true;
    TraceEvent("Click", option);
    window.Click(option);
}

void Program::ClickNow(Window& window, Control& control) {
    switch (control.kind()) {
        case Kind::Option:
            SelectOption(window, control);
            break;
        case Kind::Button:
        case Kind::Label:
        case Kind::TextBox:
            TraceEvent("Click", control);
            window.Click(control);
            break;
        case Kind::Frame:
        case Kind::Line:
            break;
    }
}

bool Program::FocusByClick(const ControlId& id) {
    Window* window = activeWindow();
    Control* target = ActiveControl(id);
    if (!target || !window->form().CanFocusByClick(*target)) return true;
    const int before = messageCount_;
    RunAction([&] { MoveFocus(*window, *target, false); });
    return messageCount_ == before;
}

namespace {
// The name of a mouse button in the trace: none for the left one.
std::string ButtonSuffix(MouseButton button) {
    std::string suffix;
    if (button != MouseButton::Left) suffix.append(" ").append(ButtonName(button));
    return suffix;
}
}  // namespace

Toolkit Program::UserMouseDown(const ControlId& id, MouseButton button) {
    Trace("press " + id.ToString() + ButtonSuffix(button));
    pressed_ = nullptr;
    keyboardCues_ = false;
    Control* target = ActiveControl(id);
    // Only the left button acts; any button puts the focus into a text box, whose context menu
    // the right one then opens.
    if (!target || (button != MouseButton::Left && target->kind() != Kind::TextBox)) return Toolkit::Swallow;
    // A message box that came up while the focus moved has taken the mouse: the click is over.
    // So has a window that closed.
    const std::uint64_t generation = windowGeneration_;
    if (!FocusByClick(id) || windowGeneration_ != generation) return Toolkit::Swallow;
    if (button == MouseButton::Left) {
        pressed_ = target;
        pressedGeneration_ = windowGeneration_;
    }
    // The toolkit places the caret, or starts a selection, in the box that now holds the focus.
    return TakesTyping(*target) ? Toolkit::PassOn : Toolkit::Swallow;
}

Toolkit Program::UserMouseUp(const ControlId& id, MouseButton button, bool overPressedControl) {
    Control* target = ActiveControl(id);
    const Toolkit after = target && target->kind() == Kind::TextBox ? Toolkit::PassOn : Toolkit::Swallow;
    Trace("release " + id.ToString() + ButtonSuffix(button) + (overPressedControl ? "" : " away"));
    if (button != MouseButton::Left) return after;
    // A click is a press and a release over the same control.
    const bool click = target && pressed() == target && overPressedControl && ShownControl(id);
    pressed_ = nullptr;
    if (click) RunAction([&] { ClickNow(*activeWindow(), *target); });
    return after;
}

Toolkit Program::UserMouseDoubleClick(const ControlId& id, MouseButton button) {
    Control* target = ActiveControl(id);
    // A button has no double click: the second click of one is a click of its own.
    if (target && target->kind() == Kind::Button) return UserMouseDown(id, button);
    Trace("dblclick " + id.ToString() + ButtonSuffix(button));
    if (!target || button != MouseButton::Left) return Toolkit::Swallow;
    pressed_ = nullptr;
    keyboardCues_ = false;
    Window* window = activeWindow();
    const bool handled = window->Handles(*target, ControlEvent::DblClick);
    const std::uint64_t generation = windowGeneration_;
    if (!FocusByClick(id) || windowGeneration_ != generation) return Toolkit::Swallow;
    if (ShownControl(id))
        RunAction([&] {
            TraceEvent("DblClick", *target);
            window->DblClick(*target);
        });
    if (windowGeneration_ != generation) return Toolkit::Swallow;
    // A text box without a double-click handler selects the word under the mouse, as a double
    // click does anywhere; one with a handler shows only what the handler wrote.
    return !handled && TakesTyping(*target) ? Toolkit::PassOn : Toolkit::Swallow;
}

bool Program::UserFocus(const ControlId& id) {
    Trace("focus " + id.ToString());
    return FocusByClick(id);
}

void Program::UserClick(const ControlId& id, MouseButton button) {
    UserMouseDown(id, button);
    UserMouseUp(id, button, true);
}

void Program::UserDblClick(const ControlId& id) {
    UserClick(id);
    UserMouseDoubleClick(id, MouseButton::Left);
    UserMouseUp(id, MouseButton::Left, true);
}

void Program::UserType(const ControlId& id, std::u16string text) {
    if (trace) Trace("type " + id.ToString() + " \"" + ToUtf8(text) + "\"");
    Control* target = ActiveControl(id);
    if (!target || target->kind() != Kind::TextBox) return;
    target->text = std::move(text);
}

void Program::UserEdit(const ControlId& id, std::size_t at, std::size_t removed, std::u16string_view inserted) {
    if (trace)
        Trace("edit " + id.ToString() + " at " + std::to_string(at) + " removed " + std::to_string(removed) + " \"" +
              ToUtf8(std::u16string(inserted)) + "\"");
    Control* target = ActiveControl(id);
    if (!target || target->kind() != Kind::TextBox) return;
    std::u16string& text = target->text;
    at = std::min(at, text.size());
    text.replace(at, std::min(removed, text.size() - at), inserted);
}

Toolkit Program::UserKeyDown(Key key, Modifiers modifiers) {
    Trace("key " + std::string(KeyName(key)) + " modifiers " +
          std::to_string(static_cast<int>(modifiers)));
    keyboardCues_ = true;
    Window* window = activeWindow();
    if (!window) return Toolkit::Swallow;
    Form& form = window->form();
    Control* focused = form.focus();
    const bool noCtrlAlt = !HoldsAny(modifiers, Modifiers::Ctrl | Modifiers::Alt);

    const bool back = key == Key::Left || key == Key::Up;
    const bool ahead = key == Key::Right || key == Key::Down;
    // One step along the tab order, its focus handling run at once.
    const auto tabStep = [&](bool forward) {
        Control* next = form.NextInTabOrder(focused, forward);
        if (next && next != focused) RunAction([&] { MoveFocus(*window, *next, false); });
    };

    // The toolkit moves no focus: the program walks its tab order.
    if (key == Key::Tab) {
        if (noCtrlAlt) tabStep(!HoldsAny(modifiers, Modifiers::Shift));
        return Toolkit::Swallow;
    }
    if (!focused) return Toolkit::Swallow;
    switch (focused->kind()) {
        case Kind::Button:
            if ((key == Key::Enter || key == Key::Space) && noCtrlAlt)
                RunAction([&] { ClickNow(*window, *focused); });
            // A button stands in no group: the arrows walk the tab order, whatever is held, the
            // direction given by the arrow alone.
            else if (back || ahead)
                tabStep(ahead);
            return Toolkit::Swallow;
        case Kind::Option: {
            // Space selects the focused option as a click does (a selected one stays as it is).
            if (key == Key::Space) {
                if (noCtrlAlt) RunAction([&] { SelectOption(*window, *focused); });
                return Toolkit::Swallow;
            }
            // Arrow keys move through the options of a group, selecting each one reached.
            if (!back && !ahead) return Toolkit::Swallow;
            const auto group = form.OptionGroup(*focused);
            std::size_t at = 0;
            while (group[at] != focused) ++at;
            Control* next = group[(at + (back ? group.size() - 1 : 1)) % group.size()];
            RunAction([&] {
                MoveFocus(*window, *next, false);
                if (!window->closed && form.focus() == next) SelectOption(*window, *next);
            });
            return Toolkit::Swallow;
        }
        case Kind::TextBox: {
            const bool lineBreak = key == Key::Enter && (focused->design().flags & kTextArea);
            const std::uint64_t generation = windowGeneration_;
            RunAction([&] {
                TraceEvent("KeyDown", *focused);
                window->KeyDown(*focused, key, modifiers);
            });
            // Enter ends an entry in a one-line box; a text area takes it as a line break. Any
            // other key edits the box that still holds the focus; the edit comes back as UserType
            // or UserEdit.
            if ((key == Key::Enter && !lineBreak) || windowGeneration_ != generation) return Toolkit::Swallow;
            return TakesTyping(*focused) ? Toolkit::PassOn : Toolkit::Swallow;
        }
        default:
            return Toolkit::Swallow;
    }
}

// ---- Message boxes

MessageAnswer Program::MsgBox(std::u16string_view text, MessageButtons buttons, std::u16string_view title) {
    ++messageCount_;
    Trace("  message \"" + ToUtf8(text) + "\"");
    return messageBoxes_.Show(std::u16string(text), std::u16string(title), buttons);
}

}  // namespace zel
