#pragma once
// The event rules of the running program: the focus, the order in which handlers run, and the
// lifecycle of its windows. Which calculator window there is is the business of its owner
// (zelvorin.h); the manual window needs nothing from the program and is its own.
//
// A user action runs its handlers at once. A handler that moves the focus only records the new
// focus owner; the focus-loss and focus-gain handlers of that move are queued and run after the
// outermost handler has finished, in the order of the moves, each to completion. A handler that
// selects an option runs the option's click at once. The activation of a newly shown window runs
// after the handler that showed it.

#include <cstdint>
#include <deque>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "ui/keys.h"
#include "ui/manual/manual_window.h"
#include "ui/services.h"
#include "ui/user_input.h"
#include "ui/window.h"

namespace zel {

class Program : public WindowHost {
public:
    Program(MessageBoxes& messageBoxes, Clock& clock);
    virtual ~Program() = default;
    Program(const Program&) = delete;
    Program& operator=(const Program&) = delete;

    // ---- The user's actions. Each returns once every handler it caused has run.
    // The program starts: the full window is loaded, shown and activated.
    void Start();

    // The raw mouse and key events of a view (user_input.h). Only the left button acts, except
    // that any button puts the focus into a text box; a click is a press and a release over the
    // same control; the second click of a double click on a button is a click of its own; Enter
    // is a line break only in a text area (kTextArea). What each returns tells the view whether
    // its toolkit goes on with the event in the text box that holds the focus.
    Toolkit UserMouseDown(const ControlId& id, MouseButton button);
    // `id` is the control the button went down on; `overPressedControl` tells whether it comes up
    // over that control rather than away from it.
    Toolkit UserMouseUp(const ControlId& id, MouseButton button, bool overPressedControl);
    // The second press of a double click (the first came as a press and a release).
    Toolkit UserMouseDoubleClick(const ControlId& id, MouseButton button);
    // A key goes down on the focused control.
    Toolkit UserKeyDown(Key key, Modifiers modifiers);

    // Whole gestures, for scripts: they run as the raw events above would.
    // Moves the focus to the control, as a click that only focuses or the Tab key would.
    // Returns false when a message box appeared during the move.
    bool UserFocus(const ControlId& id);
    // A press and a release over the control: a control that takes the focus gets it first; the
    // click follows unless that focus move showed a message box (the box took the mouse).
    void UserClick(const ControlId& id, MouseButton button = MouseButton::Left);
    // A left double click: press, release, the second press, release.
    void UserDblClick(const ControlId& id);

    // The user replaced the whole text of a text box (typing, pasting, deleting).
    void UserType(const ControlId& id, std::u16string text);
    // The user replaced `removed` characters at `at` with `inserted`: an edit whose cost does not
    // grow with the text, for boxes that may hold long texts. Positions past the end are clamped.
    void UserEdit(const ControlId& id, std::size_t at, std::size_t removed, std::u16string_view inserted);
    // A key or a mouse button answered a message box: the focus cues follow that input, as any other.
    void UserAnsweredMessage(bool byKey) { keyboardCues_ = byKey; }
    // The close box of the calculator window and of the manual window.
    void UserClose();
    void UserCloseManual();
    // The user resized the manual window to this outer size in twips.
    void UserResizeManual(double outerWidth, double outerHeight);

    // ---- State, for views and scripts.
    Window* calculator() { return calculator_.get(); }
    ManualWindow* manual() { return manual_.get(); }
    // The window that takes the user's input: the manual while it is open.
    Window* activeWindow();
    bool ended() const { return started_ && !calculator_; }
    // The control under a left-button press until its release (a view draws it pressed), or null.
    const Control* pressed() const;
    // Whether the latest input came from the keyboard: focus cues are drawn after keyboard use,
    // as everywhere on the desktop.
    bool keyboardCues() const { return keyboardCues_; }
    // Whether a view marks the focus owner of the active window: a text box always, as its caret
    // alone is easily missed; a button or an option after keyboard use only, as a click needs none.
    bool focusMarked() const;
    // Changes whenever a window is opened or closed.
    std::uint64_t windowGeneration() const { return windowGeneration_; }
    // When set, receives one line for every action and event, for transcripts.
    std::function<void(const std::string&)> trace;

protected:
    // The calculator windows the program opens, made by its owner.
    virtual std::unique_ptr<Window> NewCalculator(CalculatorSize size) = 0;

private:
    // What the windows' handlers use.
    void SetFocus(Window& window, Control& control) override;
    void SelectOption(Window& window, Control& option) override;
    MessageAnswer MsgBox(std::u16string_view text, MessageButtons buttons, std::u16string_view title) override;
    LocalDateTime Now() override { return clock_.Now(); }
    bool CloseCalculator(Window& window, Unload why) override;
    void ShowCalculator(CalculatorSize size) override;
    void ShowManual() override;

    struct QueuedFocusEvent {
        Window* window;
        Control* control;
        bool gained;
    };

    template <class F>
    void RunAction(F&& action);
    void Settle();
    // Makes `target` the window's focus owner. Its focus-loss and focus-gain handlers run at once,
    // or, for a move a handler asked for, queued.
    void MoveFocus(Window& window, Control& target, bool queued);
    void RunFocusEvent(const QueuedFocusEvent& event);
    // A click of a control: focus first, unless a message box appeared meanwhile (false).
    bool FocusByClick(const ControlId& id);
    void ClickNow(Window& window, Control& control);
    void Trace(const std::string& line);
    void TraceEvent(const char* event, const Control& control);
    // The control of the window that takes input, shown or not; or only when shown.
    Control* ActiveControl(const ControlId& id);
    Control* ShownControl(const ControlId& id);
    // The control holds the focus of the window that takes input, shown: the toolkit may edit it.
    bool TakesTyping(const Control& control);

    MessageBoxes& messageBoxes_;
    Clock& clock_;
    std::unique_ptr<Window> calculator_;
    std::unique_ptr<ManualWindow> manual_;
    std::vector<std::unique_ptr<Window>> closedWindows_;  // kept alive until the current action ends
    std::deque<QueuedFocusEvent> focusQueue_;
    struct { Window* window = nullptr; Activation why = Activation::Shown; } pendingActivation_;
    Control* pressed_ = nullptr;
    std::uint64_t pressedGeneration_ = 0;  // pressed_ holds only in the windows of this generation
    bool keyboardCues_ = false;
    int depth_ = 0;
    int messageCount_ = 0;
    std::uint64_t windowGeneration_ = 0;
    bool started_ = false;
};

}  // namespace zel
