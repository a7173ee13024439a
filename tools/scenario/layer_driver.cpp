#include "tools/scenario/layer_driver.h"

#include <sstream>

#include "tests/support/fake_services.h"
#include "ui/zelvorin.h"

namespace zel::scenario {

namespace {

// Message boxes that are never shown: each is recorded in the run's log, which answers it.
class LoggedMessageBoxes : public MessageBoxes {
public:
    explicit LoggedMessageBoxes(MessageLog& log) : log_(log) {}

    MessageAnswer Show(const std::u16string& text, const std::u16string& title, MessageButtons buttons) override {
        return log_.Answer({text, title, buttons});
    }

private:
    MessageLog& log_;
};

const char* KindName(Kind kind) {
    switch (kind) {
        case Kind::TextBox: return "textbox";
        case Kind::Label: return "label";
        case Kind::Button: return "button";
        case Kind::Option: return "option";
        case Kind::Frame: return "frame";
        case Kind::Line: return "line";
    }
    return "?";
}

class LayerDriver : public Driver {
public:
    LayerDriver(MessageLog& log, std::ostream* transcript) : messages_(log), program_(messages_, clock_) {
        if (transcript)
            program_.trace = [transcript](const std::string& line) { *transcript << "    " << line << '\n'; };
    }

    void SetClock(const LocalDateTime& now) override { clock_.now = now; }
    void Start() override { program_.Start(); }
    void Focus(const ControlId& id) override { program_.UserFocus(id); }
    void Click(const ControlId& id, MouseButton button) override { program_.UserClick(id, button); }
    void Press(const ControlId& id, MouseButton button) override { program_.UserMouseDown(id, button); }
    void Release(const ControlId& id, MouseButton button, bool over) override {
        program_.UserMouseUp(id, button, over);
    }
    void DblClick(const ControlId& id) override { program_.UserDblClick(id); }
    void Type(const ControlId& id, const std::u16string& text) override { program_.UserType(id, text); }
    void Key(const KeyPress& key) override { program_.UserKeyDown(key.key, key.modifiers); }
    void Close() override { program_.UserClose(); }
    void CloseManual() override { program_.UserCloseManual(); }
    void ResizeManual(double outerWidth, double outerHeight) override {
        program_.UserResizeManual(outerWidth, outerHeight);
    }

    bool Ended() override { return program_.ended(); }
    const WindowDesign* CalculatorWindow() override {
        return program_.calculator() ? &program_.calculator()->form().design() : nullptr;
    }
    const WindowDesign* InputWindow() override {
        return program_.activeWindow() ? &program_.activeWindow()->form().design() : nullptr;
    }
    bool ManualOpen() override { return program_.manual() != nullptr; }
    Reach Reachable(const ControlId& id) override {
        Window* window = program_.activeWindow();
        if (!window) return Reach::NoWindow;
        const Control* c = window->form().Find(id);
        if (!c) return Reach::Missing;
        return window->form().IsShown(*c) ? Reach::Yes : Reach::Hidden;
    }
    std::optional<ControlId> FocusOwner() override {
        Window* window = program_.activeWindow();
        const Control* focus = window ? window->form().focus() : nullptr;
        if (!focus) return std::nullopt;
        return focus->id();
    }
    std::u16string Text(const ControlId& id) override { return State(id).text; }
    bool Visible(const ControlId& id) override { return State(id).visible; }
    bool Selected(const ControlId& id) override { return State(id).selected; }
    Colour Fore(const ControlId& id) override { return State(id).fore; }
    Colour Back(const ControlId& id) override { return State(id).back; }
    ManualSize ManualWindowSize() override {
        ManualWindow& manual = *program_.manual();
        const TwipRect& box = manual.form()("txtManu").rect;
        return {manual.outerWidth(), manual.outerHeight(), static_cast<double>(box.width),
                static_cast<double>(box.height), 0};
    }
    std::string Describe(const ControlId& id) override;

private:
    Form& StateForm(const ControlId& id) {
        return id.name == "txtManu" ? program_.manual()->form() : program_.calculator()->form();
    }
    Control& State(const ControlId& id) { return *StateForm(id).Find(id); }

    FakeClock clock_;
    LoggedMessageBoxes messages_;
    Zelvorin program_;
};

std::string FormatNumber(double value) {
    std::ostringstream out;
    out << value;
    return out.str();
}

std::string LayerDriver::Describe(const ControlId& id) {
    const Form& form = StateForm(id);
    const Control& c = State(id);
    std::ostringstream out;
    out << c.id().ToString() << " kind=" << KindName(c.kind());
    if (c.kind() != Kind::Line && c.kind() != Kind::Option) out << " text=" << Quote(c.text);
    out << " visible=" << (c.visible ? 1 : 0);
    if (c.kind() != Kind::Line) out << " fore=" << ColourName(c.fore) << " back=" << ColourName(c.back);
    if (c.kind() == Kind::Option) out << " selected=" << (c.selected ? 1 : 0);
    out << " rect=" << c.rect.left << ',' << c.rect.top << ',' << c.rect.width << ',' << c.rect.height;
    if (c.kind() != Kind::Line) {
        const FontSpec font = c.design().font.points > 0 ? c.design().font : form.design().defaultFont;
        out << " font=" << FormatNumber(font.points) << (font.bold ? ",bold" : "");
        out << " tab=" << c.tabIndex();
    }
    return out.str();
}

}  // namespace

std::unique_ptr<Driver> NewLayerDriver(MessageLog& log, std::ostream* transcript) {
    return std::make_unique<LayerDriver>(log, transcript);
}

}  // namespace zel::scenario
