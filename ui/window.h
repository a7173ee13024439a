#pragma once
// A window of the program: its controls and the handlers of their events.
// The program (program.h) decides when each handler runs; a window only says what it does.

#include "ui/form.h"
#include "ui/keys.h"

namespace zel {

class Program;

enum class CalculatorSize { Full, Mini };

// The events a control passes to its window's handlers.
enum class ControlEvent { GotFocus, LostFocus, Click, DblClick, KeyDown };

class Window {
public:
    Window(Program& program, const WindowDesign& design) : program_(program), form_(design) {}
    virtual ~Window() = default;
    Window(const Window&) = delete;
    Window& operator=(const Window&) = delete;

    Form& form() { return form_; }
    const Form& form() const { return form_; }
    bool closed = false;

    virtual void Form_Load() {}
    virtual void Form_Activate() {}
    // Sets cancel to keep the window open.
    virtual void Form_Unload(bool& cancel) { (void)cancel; }
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
    Program& program_;
    Form form_;
};

}  // namespace zel
