#pragma once
// What a scenario acts on and reads: the window layer itself (layer_driver.h) or a real window.
// The scenario language (scenario.cpp) checks that an action makes sense, has the driver carry it
// out and compares what the driver reads with what the script expects.

#include <deque>
#include <optional>
#include <ostream>
#include <string>

#include "core/moment.h"
#include "ui/control.h"
#include "ui/keys.h"
#include "ui/services.h"
#include "ui/user_input.h"

namespace zel::scenario {

// A line of a scenario that cannot be read or carried out, or that the program does not bear
// out: either ends the run there.
struct Failure {
    std::string what;
};

// The message boxes a run has seen and not yet checked, and the scripted answers for the boxes
// that offer a choice. A driver records every box here as it appears and answers it as told.
class MessageLog {
public:
    struct Box {
        std::u16string text;
        std::u16string title;
        MessageButtons buttons;
    };

    explicit MessageLog(std::ostream* transcript) : transcript_(transcript) {}

    // Records a box that has just appeared and returns the answer it gets: OK for a box that
    // offers nothing else, else the next scripted answer (OK once they have run out).
    MessageAnswer Answer(Box box);

    std::deque<MessageAnswer> answers;  // for the next boxes that offer a choice
    std::deque<Box> unchecked;          // oldest first

private:
    std::ostream* transcript_;
};

// A key as a script names it: the key the handlers see (Other for Escape and the letters), its
// name in the script ("Escape", "A", "Enter") and the modifiers held with it.
struct KeyPress {
    zel::Key key;
    std::string name;
    Modifiers modifiers;
};

// The outer size of the manual window and the size of its text box, in twips, and how far a
// reading may be off (a real window measures whole pixels).
struct ManualSize {
    double outerWidth, outerHeight, boxWidth, boxHeight;
    double tolerance;
};

// Whether a user action can reach a control of the window that takes input.
enum class Reach { Yes, NoWindow, Missing, Hidden };

class Driver {
public:
    virtual ~Driver() = default;

    // ---- Actions. Each returns once the program has handled it and every message box it
    // showed has been recorded in the log and answered. The language has checked beforehand that
    // the program runs and that the control can be reached.
    virtual void SetClock(const LocalDateTime& now) = 0;
    virtual void Start() = 0;
    virtual void Focus(const ControlId& id) = 0;
    virtual void Click(const ControlId& id, MouseButton button) = 0;
    // The halves of a click; a release goes to the control its press went down on and comes up
    // over it or away from it.
    virtual void Press(const ControlId& id, MouseButton button) = 0;
    virtual void Release(const ControlId& id, MouseButton button, bool over) = 0;
    virtual void DblClick(const ControlId& id) = 0;
    // Replaces the whole text of the focused text box `id`.
    virtual void Type(const ControlId& id, const std::u16string& text) = 0;
    virtual void Key(const KeyPress& key) = 0;
    virtual void Close() = 0;
    virtual void CloseManual() = 0;
    virtual void ResizeManual(double outerWidth, double outerHeight) = 0;

    // ---- Readings of the program's windows.
    virtual bool Ended() = 0;
    // The design of the open calculator window and of the window that takes input (the manual
    // while it is open); null when there is none.
    virtual const WindowDesign* CalculatorWindow() = 0;
    virtual const WindowDesign* InputWindow() = 0;
    virtual bool ManualOpen() = 0;
    virtual Reach Reachable(const ControlId& id) = 0;
    // The focus owner of the window that takes input.
    virtual std::optional<ControlId> FocusOwner() = 0;
    // The state of a control: the manual's txtManu while the manual is open, otherwise a control
    // of the calculator window, which the language has found in CalculatorWindow()'s design.
    virtual std::u16string Text(const ControlId& id) = 0;
    virtual bool Visible(const ControlId& id) = 0;
    virtual bool Selected(const ControlId& id) = 0;
    virtual Colour Fore(const ControlId& id) = 0;
    virtual Colour Back(const ControlId& id) = 0;
    virtual ManualSize ManualWindowSize() = 0;
    // One line of what the driver knows about the control, for `print`.
    virtual std::string Describe(const ControlId& id) = 0;
};

// The design row of the control in a window's design, or null.
const DesignRow* RowOf(const WindowDesign& design, const ControlId& id);
// How transcripts and reports write a colour ("window", "#0000FF") and a text (quoted, escaped).
std::string ColourName(const Colour& colour);
std::string Quote(std::u16string_view text);

}  // namespace zel::scenario
