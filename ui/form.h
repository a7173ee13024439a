#pragma once
// The controls of one open window, addressed by name and index, with the window's focus owner.

#include <initializer_list>
#include <string_view>
#include <vector>

#include "ui/control.h"

namespace zel {

class Form {
public:
    explicit Form(const WindowDesign& design);
    Form(const Form&) = delete;
    Form& operator=(const Form&) = delete;

    const WindowDesign& design() const { return *design_; }
    std::vector<Control>& controls() { return controls_; }
    const std::vector<Control>& controls() const { return controls_; }

    // The control of this name and index; a handler naming a control its window lacks is a
    // programming error, so this one aborts rather than return nothing.
    Control& operator()(std::string_view name, int index = kNoIndex);
    Control* Find(std::string_view name, int index = kNoIndex);
    Control* Find(const ControlId& id) { return Find(id.name, id.index); }

    // Shown on screen: visible itself and inside a visible frame.
    bool IsShown(const Control& control) const;
    // Can take the focus by a mouse click (text boxes, buttons, any option) or by the Tab key
    // (text boxes, buttons, the selected option of each group).
    bool CanFocusByClick(const Control& control) const;
    bool CanFocusByTab(const Control& control) const;
    // The control the Tab key (forward) or Shift+Tab (backward) moves to from `from`.
    Control* NextInTabOrder(Control* from, bool forward);
    // The control that holds the focus when the window is first shown.
    Control* FirstInTabOrder();

    void BringToFront(Control& control);
    // The options sharing `option`'s frame, itself included.
    std::vector<Control*> OptionGroup(const Control& option);

    // The control holding the window's focus: the program moves it, running the focus handling.
    Control* focus() const { return focus_; }

private:
    friend class Program;

    Control* focus_ = nullptr;
    const WindowDesign* design_;
    std::vector<Control> controls_;
    int topZ_ = 0;
};

// Controls of a window resolved once, by index: a control array (Text9(0)…Text9(5)), or single
// controls that one handler serves alike (Option3…Option7).
struct ControlArray {
    ControlArray(Form& form, std::string_view name, int count) {
        for (int i = 0; i < count; ++i) all.push_back(&form(name, i));
    }
    ControlArray(Form& form, std::initializer_list<std::string_view> names) {
        for (std::string_view name : names) all.push_back(&form(name));
    }
    Control& operator[](int index) const { return *all[static_cast<std::size_t>(index)]; }

    std::vector<Control*> all;
};

}  // namespace zel
