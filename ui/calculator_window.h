#pragma once
// The calculator window's handlers, written once for both the full and the mini window:
// both carry the same controls under the same names, so every handler works in either.

#include "core/conversion.h"
#include "core/duration.h"
#include "ui/window.h"

namespace zel {

class CalculatorWindow : public Window {
public:
    CalculatorWindow(Program& program, const WindowDesign& design);

    bool isFull() const;

    // Window lifecycle.
    void Form_Load() override;
    void Form_Activate() override;
    void Form_Unload(bool& cancel) override;

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
    void Option8_Click();
    void Option9_Click();
    void Text6_KeyDown(Key KeyCode, Modifiers Shift);

    // Result clear and the full window's section titles.
    void cmdClear_Click();
    void Label4_Click(int Index);

    // Shared routines.
    void ResetStatusMarks();
    void ClearOtherUnits();
    // Writes the duration of T seconds into the five conversion fields and shows the twins.
    // Returns false, writing nothing, when the duration cannot be shown.
    bool ShowDuration(double T);

    // Sign state of the arithmetic section: true while plus is the sign last chosen.
    bool signPlus = false;

private:
    void Route(const Control& control, ControlEvent event, Key key = Key::Other, Modifiers modifiers = Modifiers::None);
    void WriteDuration(const DurationTexts& texts);
    void SetMark(int index, bool done);
    void HandOverToTwin(int fieldIndex);
    Unit SelectedUnit();
    // Whether the dhms field and the four unit twins all hold the empty text.
    bool ConversionSectionEmpty();
};

}  // namespace zel
