#pragma once
// A window of the program: its controls and the handlers of their events.
// The program (program.h) decides when each handler runs; a window only says what it does.

#include <string_view>

#include "ui/form.h"
#include "ui/keys.h"
#include "ui/messages.h"
#include "ui/services.h"

namespace zel {

class Window;

enum class CalculatorSize { Full, Mini };

// Why a calculator window is activated: shown afresh, or back from the manual window it opened.
enum class Activation { Shown, BackFromManual };
// Why a calculator window unloads: the user closes it, or it makes way for the other size.
enum class Unload { Close, Switch };

// What a window's handlers ask of the program that runs them.
class WindowHost {
public:
    virtual void SetFocus(Window& window, Control& control) = 0;
    virtual void SelectOption(Window& window, Control& option) = 0;
    virtual MessageAnswer MsgBox(std::u16string_view text, MessageButtons buttons = MessageButtons::Ok,
                                 std::u16string_view title = messages::kTitle) = 0;
    virtual LocalDateTime Now() = 0;
    // Closes a calculator window; returns false when its unload cancelled the close.
    virtual bool CloseCalculator(Window& window, Unload why) = 0;
    // Loads a fresh calculator window and shows it; its activation follows the current handler.
    virtual void ShowCalculator(CalculatorSize size) = 0;
    // Loads the manual window and shows it modally.
    virtual void ShowManual() = 0;

protected:
    ~WindowHost() = default;
};

// The events a control passes to its window's handlers.
enum class ControlEvent { GotFocus, LostFocus, Click, DblClick, KeyDown };

class Window {
public:
    explicit Window(const WindowDesign& design) : form_(design) {}
    virtual ~Window() = default;
    Window(const Window&) = delete;
    Window& operator=(const Window&) = delete;

    Form& form() { return form_; }
    const Form& form() const { return form_; }
    bool closed = false;

    virtual void Form_Load() {}
    virtual void Form_Activate(Activation why) { (void)why; }
    // Sets cancel to keep the window open.
    virtual void Form_Unload(Unload why, bool& cancel) { (void)why, (void)cancel; }
    // The user gave the window this outer size in twips; a window of fixed size ignores it.
    virtual void Resized(double outerWidth, double outerHeight) { (void)outerWidth, (void)outerHeight; }

    // Control events; a control without a handler for the event ignores it.
    virtual void GotFocus(Control&) {}
    virtual void LostFocus(Control&) {}
    virtual void Click(Control&) {}
    virtual void DblClick(Control&) {}
    virtual void KeyDown(Control&, Key key, Modifiers modifiers) { (void)key, (void)modifiers; }
    // Whether a handler acts on this event of the control; a view leaves the toolkit's own
    // reaction (a double click selecting a word, say) to controls without one.
    virtual bool Handles(const Control&, ControlEvent) const { return false; }

protected:
    Form form_;
};

}  // namespace zel
