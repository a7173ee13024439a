#pragma once
// The calculator window's handlers, written once for both the full and the mini window:
// both carry the same controls under the same names, so every handler works in either.

#include <utility>
#include <vector>

#include "core/conversion.h"
#include "core/duration.h"
#include "ui/window.h"

namespace zel {

// An entry field of the conversion or arithmetic section and its display twin, which shows the
// field's text while the field is not being edited.
struct EntryPair { Control &field, &twin; };

// Every control the handlers use, resolved once when the window is built: a name missing from
// the design table stops the program as the window is created, not in some handler later.
struct CalculatorControls {
    Form& form;
    bool full;  // the full window, else the mini one

    ControlArray moments{form, "Text8", 4};       // moment 2, moment 1, the year of moment 2, of moment 1
    ControlArray fields{form, "Text9", 6};        // dhms, day, hour, min, sec, the arithmetic operand
    ControlArray twins{form, "Text7", 5};         // the display twins of Text9(1)…Text9(5)
    ControlArray marks{form, "Label6", 4};        // conversion, difference, arithmetic, elapsed moment
    ControlArray unitCaptions{form, "Label5", 2};  // the unit of the operand and of the result
    // In the order of Unit: dhms, day, hour, min, sec.
    ControlArray unitOptions{form, {"Option3", "Option4", "Option5", "Option6", "Option7"}};
    Control &plus = form("Option8"), &minus = form("Option9"), &result = form("Text6");
    Control &cmdCalc = form("cmdCalc"), &cmdClear = form("cmdClear"), &cmdManu = form("cmdManu");
    Control &cmdKeika = form("cmdKeika"), &cmdClearK = form("cmdClearK");
    Control &cmdConvert = form("cmdConvert"), &cmdClearV = form("cmdClearV");
    Control &cmdCalcT = form("cmdCalcT"), &cmdClearT = form("cmdClearT");
    // What one window has and the other lacks: the section titles and the switches between them.
    ControlArray titles{form, "Label4", full ? 3 : 0};
    Control* cmd2Mini = full ? &form("cmd2Mini") : nullptr;
    Control* cmd2Big = full ? nullptr : &form("cmd2Big");

    // The entry field Text9(i), 1 to 5, with its twin Text7(i - 1).
    EntryPair Pair(int fieldIndex) const { return {fields[fieldIndex], twins[fieldIndex - 1]}; }
};

class CalculatorWindow : public Window {
public:
    CalculatorWindow(WindowHost& program, CalculatorSize size);

    // Window lifecycle.
    void Form_Load() override;
    void Form_Activate(Activation why) override;
    void Form_Unload(Unload why, bool& cancel) override;

    // Event routing from the program to the named handlers below, through one table.
    void GotFocus(Control& control) override;
    void LostFocus(Control& control) override;
    void Click(Control& control) override;
    void DblClick(Control& control) override;
    void KeyDown(Control& control, Key key, Modifiers modifiers) override;
    bool Handles(const Control& control, ControlEvent event) const override;

    // Switching, manual.
    void cmd2Mini_Click();
    void cmd2Big_Click();
    void cmdManu_Click();

    // Moment section.
    void Text8_GotFocus(int Index);
    void Text8_KeyDown(int Index, Key KeyCode, Modifiers Shift);
    void Text8_LostFocus(int Index);
    void Text8_DblClick(int Index);
    void cmdClearK_Click();
    void cmdCalc_Click();
    void cmdKeika_Click();

    // Conversion section.
    void Text7_GotFocus(int Index);
    void Text9_GotFocus(int Index);
    void Text9_LostFocus(int Index);
    void Text9_KeyDown(int Index, Key KeyCode, Modifiers Shift);
    void cmdConvert_Click();
    void cmdClearV_Click();
    void OptionUnit_Click(Unit unit);  // Option3_Click … Option7_Click

    // Arithmetic section.
    void cmdCalcT_Click();
    void cmdClearT_Click();
    void OptionSign_Click(bool plus);  // Option8_Click, Option9_Click
    void Text6_KeyDown(Key KeyCode, Modifiers Shift);

    // Result clear and the full window's section titles.
    void cmdClear_Click();
    void Label4_Click(int Index);

private:
    void ResetStatusMarks();
    void ClearOtherUnits();
    // A handler under the controls and the event that run it; the handler gets the index of the
    // control among them.
    struct EventArgs { int index; Key key; Modifiers modifiers; };
    struct HandlerRoute {
        std::vector<Control*> controls;
        ControlEvent event;
        void (*run)(CalculatorWindow&, const EventArgs&);
    };
    static std::vector<HandlerRoute> RoutesOf(const CalculatorControls& c);
    // The route of the control's event, with the control's index among its controls.
    std::pair<const HandlerRoute*, int> RouteOf(const Control& control, ControlEvent event) const;
    void Route(const Control& control, ControlEvent event, Key key = Key::Other, Modifiers modifiers = Modifiers::None);

    // Writes the five conversion fields and shows the twins.
    void WriteDuration(const DurationTexts& texts);
    void SetMark(int index, bool done);
    // The field hands its text to its twin, which is shown in its place.
    static void HandOverToTwin(EntryPair pair);
    void ShowUnitTwins();
    Unit SelectedUnit() const;
    Control& UnitField(Unit unit) const { return c_.fields[static_cast<int>(unit)]; }
    // Whether the dhms field and the four unit twins all hold the empty text.
    bool ConversionSectionEmpty() const;

    WindowHost& program_;
    const CalculatorControls c_;
    const std::vector<HandlerRoute> routes_;
    // Sign state of the arithmetic section: true while plus is the sign last chosen.
    bool signPlus_ = false;
};

}  // namespace zel
