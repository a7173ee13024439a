#pragma once
// A window of the program: its controls and the handlers of their events.
// The program (program.h) decides when each handler runs; a window only says what it does.

#include "ui/form.h"

namespace zel {

class Program;

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

    // Control events; a control without a handler for the event ignores it.
    virtual void GotFocus(Control&) {}
    virtual void LostFocus(Control&) {}
    virtual void Click(Control&) {}
    virtual void DblClick(Control&) {}
    virtual void KeyDown(Control&, int keyCode, int shift) { (void)keyCode, (void)shift; }

protected:
    Program& program_;
    Form form_;
};

}  // namespace zel
