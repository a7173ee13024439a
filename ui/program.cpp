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
            if (event.window->closed) continue;
            TraceEvent(event.gained ? "GotFocus" : "LostFocus", *event.control);
            if (event.gained)
                event.window->GotFocus(*event.control);
            else
                event.window->LostFocus(*event.control);
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

void Program::SetFocus(Window& window, Control& control) {
    Form& form = window.form();
    Control* old = form.focus();
    if (old == &control) return;
    form.focus_ = &control;
    if (trace) trace("  SetFocus " + control.id().ToString());
    if (old) focusQueue_.push_back({&window, old, false});
    focusQueue_.push_back({&window, &control, true});
}

void Program::MoveFocusNow(Window& window, Control& target) {
    Form& form = window.form();
    Control* old = form.focus();
    if (old == &target) return;
    form.focus_ = &target;
    if (old) {
        TraceEvent("LostFocus", *old);
        window.LostFocus(*old);
    }
    if (window.closed) return;
    TraceEvent("GotFocus", target);
    window.GotFocus(target);
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

bool Program::UserFocus(const ControlId& id) {
    Trace("focus " + id.ToString());
    return UserPress(id);
}

bool Program::UserPress(const ControlId& id) {
    Window* window = activeWindow();
    Control* target = ActiveControl(id);
    if (!target || !window->form().CanFocusByClick(*target)) return true;
    const int before = messageCount_;
    RunAction([&] { MoveFocusNow(*window, *target); });
    return messageCount_ == before;
}

void Program::UserRelease(const ControlId& id) {
    Window* window = activeWindow();
    Control* target = ActiveControl(id);
    if (!target || !window->form().IsShown(*target)) return;
    RunAction([&] { ClickNow(*window, *target); });
}

void Program::UserClick(const ControlId& id) {
    Trace("click " + id.ToString());
    if (UserPress(id)) UserRelease(id);
}

void Program::UserDblClick(const ControlId& id) {
    Trace("dblclick " + id.ToString());
    if (!UserPress(id)) return;
    Window* window = activeWindow();
    Control* target = ActiveControl(id);
    if (!target || !window->form().IsShown(*target)) return;
    RunAction([&] {
        TraceEvent("DblClick", *target);
        window->DblClick(*target);
    });
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

void Program::UserKey(Key key, Modifiers modifiers) {
    Trace("key " + std::string(KeyName(key)) + " modifiers " +
          std::to_string(static_cast<int>(modifiers)));
    Window* window = activeWindow();
    if (!window) return;
    Form& form = window->form();
    Control* focused = form.focus();
    const bool noCtrlAlt = !HoldsAny(modifiers, Modifiers::Ctrl | Modifiers::Alt);

    const bool back = key == Key::Left || key == Key::Up;
    const bool ahead = key == Key::Right || key == Key::Down;
    // One step along the tab order, its focus handling run at once.
    const auto tabStep = [&](bool forward) {
        Control* next = form.NextInTabOrder(focused, forward);
        if (next && next != focused) RunAction([&] { MoveFocusNow(*window, *next); });
    };

    if (key == Key::Tab) {
        if (noCtrlAlt) tabStep(!HoldsAny(modifiers, Modifiers::Shift));
        return;
    }
    if (!focused) return;
    switch (focused->kind()) {
        case Kind::Button:
            if ((key == Key::Enter || key == Key::Space) && noCtrlAlt)
                RunAction([&] { ClickNow(*window, *focused); });
            // A button stands in no group: the arrows walk the tab order, whatever is held, the
            // direction given by the arrow alone.
            else if (back || ahead)
                tabStep(ahead);
            return;
        case Kind::Option: {
            // Space selects the focused option as a click does (a selected one stays as it is).
            if (key == Key::Space) {
                if (noCtrlAlt) RunAction([&] { SelectOption(*window, *focused); });
                return;
            }
            // Arrow keys move through the options of a group, selecting each one reached.
            if (!back && !ahead) return;
            const auto group = form.OptionGroup(*focused);
            std::size_t at = 0;
            while (group[at] != focused) ++at;
            Control* next = group[(at + (back ? group.size() - 1 : 1)) % group.size()];
            RunAction([&] {
                MoveFocusNow(*window, *next);
                if (!window->closed && form.focus() == next) SelectOption(*window, *next);
            });
            return;
        }
        case Kind::TextBox:
            RunAction([&] {
                TraceEvent("KeyDown", *focused);
                window->KeyDown(*focused, key, modifiers);
            });
            return;
        default:
            return;
    }
}

// ---- Message boxes

MessageAnswer Program::MsgBox(std::u16string_view text, MessageButtons buttons, std::u16string_view title) {
    ++messageCount_;
    Trace("  message \"" + ToUtf8(text) + "\"");
    return messageBoxes_.Show(std::u16string(text), std::u16string(title), buttons);
}

}  // namespace zel
