#pragma once
// The calculator window's handlers, written once for both the full and the mini window:
// both carry the same controls under the same names, so every handler works in either.

#include <array>
#include <optional>
#include <span>
#include <utility>
#include <vector>

#include "core/conversion.h"
#include "core/duration.h"
#include "ui/unit_table.h"
#include "ui/window.h"

namespace zel {

// A moment field and the box of its year, which the field covers while it is not edited.
struct MomentEntry { Control &moment, &year; };
// Which box of its moment entry an event came from.
enum class MomentBox { Moment, Year };

// An entry field of the conversion or arithmetic section and its display twin, which shows the
// field's text while the field is not being edited.
struct EntryPair { Control &field, &twin; };

// A unit of the conversion section with its option and its entry field.
struct UnitControls { Unit unit; Control &option, &field; };

// Every control the handlers use, resolved once when the window is built: a name missing from
// the design table stops the program as the window is created, not in some handler later.
struct CalculatorControls {
    Form& form;
    bool full;  // the full window, else the mini one

    // The control arrays in the order of their indices, which their handlers receive.
    ControlArray fields{form, "Text9", 6};
    ControlArray twins{form, "Text7", 5};
    ControlArray marks{form, "Label6", 4};
    ControlArray unitCaptions{form, "Label5", 2};  // the unit of the operand and of the result

    // Moment 1 and moment 2: Text8(1) with its year Text8(3), Text8(0) with its year Text8(2).
    const std::array<MomentEntry, 2> entries{
        {{form("Text8", 1), form("Text8", 3)}, {form("Text8", 0), form("Text8", 2)}}};
    const MomentEntry &moment1 = entries[0], &moment2 = entries[1];
    const std::vector<UnitControls> units = Units();  // in the order of Unit
    Control& dhms = Field(Unit::Dhms);
    // Every field with a twin: those of the units from day to sec, then the arithmetic section's
    // operand Text9(5) with Text7(4).
    const std::vector<EntryPair> pairs = Pairs();
    const EntryPair& operand = pairs.back();
    // The status mark of each command.
    Control &conversionMark = marks[0], &differenceMark = marks[1], &arithmeticMark = marks[2], &elapsedMark = marks[3];
    Control &plus = form("Option8"), &minus = form("Option9"), &result = form("Text6");
    Control &cmdCalc = form("cmdCalc"), &cmdClear = form("cmdClear"), &cmdManu = form("cmdManu");
    Control &cmdKeika = form("cmdKeika"), &cmdClearK = form("cmdClearK");
    Control &cmdConvert = form("cmdConvert"), &cmdClearV = form("cmdClearV");
    Control &cmdCalcT = form("cmdCalcT"), &cmdClearT = form("cmdClearT");
    // What one window has and the other lacks: the section titles with the command each runs
    // (arithmetic, moment difference, conversion), and the switches between the windows.
    ControlArray titles{form, "Label4", full ? 3 : 0};
    ControlArray titleCommands{form, {"cmdCalcT", "cmdCalc", "cmdConvert"}};
    Control* cmd2Mini = full ? &form("cmd2Mini") : nullptr;
    Control* cmd2Big = full ? nullptr : &form("cmd2Big");

    const MomentEntry& Other(const MomentEntry& entry) const { return &entry == &moment1 ? moment2 : moment1; }
    // The pairs of the units from day to sec.
    std::span<const EntryPair> UnitPairs() const { return {pairs.data(), pairs.size() - 1}; }
    // The pair of a field or of a twin; null for the dhms field, which has no twin.
    const EntryPair* PairOf(const Control& c) const {
        for (const EntryPair& pair : pairs)
            if (&c == &pair.field || &c == &pair.twin) return &pair;
        return nullptr;
    }
    Control& Field(Unit unit) const { return units[static_cast<std::size_t>(unit)].field; }
    Control& Option(Unit unit) const { return units[static_cast<std::size_t>(unit)].option; }
    // The unit whose entry field this is; nullopt for the operand.
    std::optional<Unit> UnitOf(const Control& field) const {
        for (const UnitControls& u : units)
            if (&field == &u.field) return u.unit;
        return std::nullopt;
    }

private:
    std::vector<UnitControls> Units() const {
        std::vector<UnitControls> all;
        for (const UnitRow& row : kUnitRows) all.push_back({row.unit, form(row.option), fields[row.field]});
        return all;
    }
    std::vector<EntryPair> Pairs() const {
        std::vector<EntryPair> all;
        for (const UnitRow& row : kUnitRows)
            if (row.twin != kNoIndex) all.push_back({fields[row.field], twins[row.twin]});
        all.push_back({fields[5], twins[4]});
        return all;
    }
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
    void Text8_GotFocus();
    void Text8_KeyDown(const MomentEntry& entry, MomentBox box, Key KeyCode, Modifiers Shift);
    void Text8_LostFocus(const MomentEntry& entry, MomentBox box);
    void Text8_DblClick(const MomentEntry& entry, MomentBox box);
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
    // The moment entry at the index of a route of the moment fields or of the year boxes.
    const MomentEntry& EntryAt(const EventArgs& args) const { return c_.entries[args.index]; }
    // The route of the control's event, with the control's index among its controls.
    std::pair<const HandlerRoute*, int> RouteOf(const Control& control, ControlEvent event) const;
    void Route(const Control& control, ControlEvent event, Key key = Key::Other, Modifiers modifiers = Modifiers::None);

    // Writes the five conversion fields and shows the twins.
    void WriteDuration(const DurationTexts& texts);
    static void SetMark(Control& mark, bool done);
    // The field hands its text to its twin, which is shown in its place.
    static void HandOverToTwin(EntryPair pair);
    void ShowUnitTwins();
    // Shows the operand field, which the twin may have hidden, and gives it the focus.
    void ShowOperand();
    Unit SelectedUnit() const;
    // Whether the dhms field and the four unit twins all hold the empty text.
    bool ConversionSectionEmpty() const;

    WindowHost& program_;
    const CalculatorControls c_;
    const std::vector<HandlerRoute> routes_;
    // Sign state of the arithmetic section: true while plus is the sign last chosen.
    bool signPlus_ = false;
};

}  // namespace zel
