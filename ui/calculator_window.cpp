#include "ui/calculator_window.h"

#include <array>
#include <string>

#include "core/arithmetic.h"
#include "core/dhms_entry.h"
#include "core/duration.h"
#include "core/moment.h"
#include "core/moment_arithmetic.h"
#include "core/moment_entry.h"
#include "core/number_text.h"
#include "core/text.h"
#include "ui/messages.h"
#include "ui/program.h"

namespace zel {

namespace {

// The unit options in order dhms, day, hour, min, sec: option name, field index of Text9, and
// the unit name the arithmetic section shows while it is selected (dhms computes in days).
struct UnitOption {
    Unit unit;
    const char* option;
    int field;
    std::u16string_view arithmeticUnit;
};
constexpr std::array<UnitOption, 5> kUnitOptions{{
    {Unit::Dhms, "Option3", 0, u"day"},
    {Unit::Day, "Option4", 1, u"day"},
    {Unit::Hour, "Option5", 2, u"hour"},
    {Unit::Min, "Option6", 3, u"min"},
    {Unit::Sec, "Option7", 4, u"sec"},
}};

constexpr int kDhmsField = 0;
constexpr int kOperandField = 5;
constexpr int kMarkCount = 4;
constexpr int kConversionMark = 0;
constexpr int kDifferenceMark = 1;
constexpr int kArithmeticMark = 2;
constexpr int kElapsedMark = 3;

// Where Enter sends the focus from Text8(0)…Text8(3): between the two moments, and from a
// year box to its moment.
constexpr std::array<int, 4> kMomentEnterTarget{1, 0, 0, 1};
constexpr int kFirstYearBox = 2;  // the year box of moment field i is Text8(i + 2)

constexpr std::u16string_view kNotDone = u"未";
constexpr std::u16string_view kDone = u"済";

int FieldOf(Unit unit) { return kUnitOptions[static_cast<std::size_t>(unit)].field; }

}  // namespace

CalculatorWindow::CalculatorWindow(Program& program, const WindowDesign& design) : Window(program, design) {}

bool CalculatorWindow::isFull() const { return form_.design().name == FullWindowDesign().name; }

// ---- Lifecycle

void CalculatorWindow::Form_Load() {
    for (int i = 0; i <= 4; ++i) form_("Text7", i).text.clear();
    for (int i = 0; i <= 5; ++i) form_("Text9", i).text.clear();
    form_("Text6").text.clear();
    // One reading of the clock for the moments and the years, so that a load in the last
    // second of a year cannot pair 31 December with the next year.
    const LocalDateTime now = program_.Now();
    form_("Text8", 0).text = MomentTextZeroSeconds(now);
    form_("Text8", 1).text = form_("Text8", 0).text;
    form_("Text8", 2).text = YearText(now);
    form_("Text8", 3).text = form_("Text8", 2).text;
    form_.BringToFront(form_("Text8", 0));
    form_.BringToFront(form_("Text8", 1));
}

void CalculatorWindow::Form_Activate() {
    ZelvorinM& m = program_.zelvorinM;
    if (m.WindowSwitch == ZelvorinM::kManualOpen) {
        m.WindowSwitch = ZelvorinM::kNormal;
        return;
    }
    m.WindowSwitch = ZelvorinM::kNormal;
    // Visiting every entry field hands each pair over to its display twin and leaves the hour
    // unit selected; the visits' focus handling runs after this handler, in this order.
    for (int i : {1, 2, 3, 4, 5, 0, 2}) program_.SetFocus(*this, form_("Text9", i));
    program_.SetFocus(*this, form_("Text8", 1));
    if (form_("Option8").selected) signPlus = true;
}

void CalculatorWindow::Form_Unload(bool& cancel) {
    if (program_.zelvorinM.WindowSwitch != ZelvorinM::kNormal) return;
    const MessageAnswer answer =
        program_.MsgBox(messages::kCloseQuestion, MessageButtons::OkCancel, messages::kCloseTitle);
    if (answer == MessageAnswer::Cancel) cancel = true;
}

void CalculatorWindow::cmd2Mini_Click() {
    program_.zelvorinM.WindowSwitch = ZelvorinM::kToMini;
    if (program_.CloseCalculator(*this)) program_.ShowCalculator(CalculatorSize::Mini);
}

void CalculatorWindow::cmd2Big_Click() {
    program_.zelvorinM.WindowSwitch = ZelvorinM::kToFull;
    if (program_.CloseCalculator(*this)) program_.ShowCalculator(CalculatorSize::Full);
}

void CalculatorWindow::cmdManu_Click() { program_.ShowManual(); }

// ---- Event routing

namespace {

// Every handler of the calculator window, under the control and event that run it.
struct EventArgs {
    int index;
    Key key;
    Modifiers modifiers;
};
struct HandlerRoute {
    std::string_view control;
    ControlEvent event;
    void (*run)(CalculatorWindow&, const EventArgs&);
};
using E = ControlEvent;
using W = CalculatorWindow;
using A = EventArgs;
constexpr HandlerRoute kRoutes[] = {
    {"Text8", E::GotFocus, [](W& w, const A& a) { w.Text8_GotFocus(a.index); }},
    {"Text8", E::LostFocus, [](W& w, const A& a) { w.Text8_LostFocus(a.index); }},
    {"Text8", E::KeyDown, [](W& w, const A& a) { w.Text8_KeyDown(a.index, a.key, a.modifiers); }},
    {"Text8", E::DblClick, [](W& w, const A& a) { w.Text8_DblClick(a.index); }},
    {"cmdClearK", E::Click, [](W& w, const A&) { w.cmdClearK_Click(); }},
    {"cmdCalc", E::Click, [](W& w, const A&) { w.cmdCalc_Click(); }},
    {"cmdKeika", E::Click, [](W& w, const A&) { w.cmdKeika_Click(); }},
    {"Text7", E::GotFocus, [](W& w, const A& a) { w.Text7_GotFocus(a.index); }},
    {"Text9", E::GotFocus, [](W& w, const A& a) { w.Text9_GotFocus(a.index); }},
    {"Text9", E::LostFocus, [](W& w, const A& a) { w.Text9_LostFocus(a.index); }},
    {"Text9", E::KeyDown, [](W& w, const A& a) { w.Text9_KeyDown(a.index, a.key, a.modifiers); }},
    {"cmdConvert", E::Click, [](W& w, const A&) { w.cmdConvert_Click(); }},
    {"cmdClearV", E::Click, [](W& w, const A&) { w.cmdClearV_Click(); }},
    {"Option3", E::Click, [](W& w, const A&) { w.OptionUnit_Click(Unit::Dhms); }},
    {"Option4", E::Click, [](W& w, const A&) { w.OptionUnit_Click(Unit::Day); }},
    {"Option5", E::Click, [](W& w, const A&) { w.OptionUnit_Click(Unit::Hour); }},
    {"Option6", E::Click, [](W& w, const A&) { w.OptionUnit_Click(Unit::Min); }},
    {"Option7", E::Click, [](W& w, const A&) { w.OptionUnit_Click(Unit::Sec); }},
    {"cmdCalcT", E::Click, [](W& w, const A&) { w.cmdCalcT_Click(); }},
    {"cmdClearT", E::Click, [](W& w, const A&) { w.cmdClearT_Click(); }},
    {"Option8", E::Click, [](W& w, const A&) { w.Option8_Click(); }},
    {"Option9", E::Click, [](W& w, const A&) { w.Option9_Click(); }},
    {"Text6", E::KeyDown, [](W& w, const A& a) { w.Text6_KeyDown(a.key, a.modifiers); }},
    {"cmdClear", E::Click, [](W& w, const A&) { w.cmdClear_Click(); }},
    {"Label4", E::Click, [](W& w, const A& a) { w.Label4_Click(a.index); }},
    {"cmd2Mini", E::Click, [](W& w, const A&) { w.cmd2Mini_Click(); }},
    {"cmd2Big", E::Click, [](W& w, const A&) { w.cmd2Big_Click(); }},
    {"cmdManu", E::Click, [](W& w, const A&) { w.cmdManu_Click(); }},
};

const HandlerRoute* RouteOf(const Control& c, ControlEvent event) {
    for (const HandlerRoute& route : kRoutes)
        if (route.event == event && route.control == c.name()) return &route;
    return nullptr;
}

}  // namespace

void CalculatorWindow::Route(const Control& c, ControlEvent event, Key key, Modifiers modifiers) {
    if (const HandlerRoute* route = RouteOf(c, event)) route->run(*this, {c.index(), key, modifiers});
}

bool CalculatorWindow::Handles(const Control& c, ControlEvent event) const { return RouteOf(c, event) != nullptr; }

void CalculatorWindow::GotFocus(Control& c) { Route(c, ControlEvent::GotFocus); }
void CalculatorWindow::LostFocus(Control& c) { Route(c, ControlEvent::LostFocus); }
void CalculatorWindow::Click(Control& c) { Route(c, ControlEvent::Click); }
void CalculatorWindow::DblClick(Control& c) { Route(c, ControlEvent::DblClick); }
void CalculatorWindow::KeyDown(Control& c, Key key, Modifiers modifiers) { Route(c, ControlEvent::KeyDown, key, modifiers); }

// ---- Status marks and shared routines

void CalculatorWindow::SetMark(int index, bool done) {
    Control& mark = form_("Label6", index);
    mark.text = std::u16string(done ? kDone : kNotDone);
    mark.fore = done ? kBlue : kRed;
}

void CalculatorWindow::ResetStatusMarks() {
    for (int i = 0; i < kMarkCount; ++i) SetMark(i, false);
}

void CalculatorWindow::ClearOtherUnits() {
    for (const UnitOption& u : kUnitOptions) {
        if (form_(u.option).selected) continue;
        form_("Text9", u.field).text.clear();
        if (u.field != kDhmsField) form_("Text7", u.field - 1).text.clear();
    }
}

bool CalculatorWindow::ConversionSectionEmpty() {
    // Exactly empty: a text of blanks counts as something entered.
    bool empty = form_("Text9", kDhmsField).text.empty();
    for (int i = 0; i <= 3; ++i) empty = empty && form_("Text7", i).text.empty();
    return empty;
}

Unit CalculatorWindow::SelectedUnit() {
    for (const UnitOption& u : kUnitOptions)
        if (form_(u.option).selected) return u.unit;
    return Unit::Hour;  // one option of the group is always selected
}

void CalculatorWindow::HandOverToTwin(int fieldIndex) {
    Control& field = form_("Text9", fieldIndex);
    Control& twin = form_("Text7", fieldIndex - 1);
    twin.text = field.text;
    field.visible = false;
    twin.visible = true;
}

bool CalculatorWindow::ShowDuration(double T) {
    // All five texts are made before any field is written, so that a duration that cannot be
    // shown leaves every field as the user saw it.
    const std::optional<DurationTexts> texts = DurationTextsFor(T);
    if (!texts) return false;
    WriteDuration(*texts);
    return true;
}

void CalculatorWindow::WriteDuration(const DurationTexts& texts) {
    form_("Text9", 4).text = texts.sec;
    form_("Text9", 3).text = texts.min;
    form_("Text9", 2).text = texts.hour;
    form_("Text9", 1).text = texts.day;
    form_("Text9", 0).text = texts.dhms;
    for (int i = 1; i <= 4; ++i) form_("Text7", i - 1).text = form_("Text9", i).text;
    for (int i = 1; i <= 4; ++i) {
        form_("Text9", i).visible = false;
        form_("Text7", i - 1).visible = true;
    }
}

// ---- Moment section: the fields

void CalculatorWindow::Text8_GotFocus(int) {
    SetMark(kDifferenceMark, false);
    SetMark(kElapsedMark, false);
}

void CalculatorWindow::Text8_KeyDown(int Index, Key KeyCode, Modifiers Shift) {
    if (KeyCode != Key::Enter) return;
    if (Shift == Modifiers::None || Shift == Modifiers::Shift)
        program_.SetFocus(*this, form_("Text8", kMomentEnterTarget[static_cast<std::size_t>(Index)]));
    else if (Shift == Modifiers::Ctrl)
        program_.SetFocus(*this, form_("Text9", kDhmsField));
}

void CalculatorWindow::Text8_LostFocus(int Index) {
    Control& field = form_("Text8", Index);
    if (Index < kFirstYearBox) {
        const std::u16string typed = TrimSpaces(field.text);
        if (std::optional<std::u16string> moment = NormaliseMoment(typed, program_.Now())) {
            field.text = std::move(*moment);
        } else {
            program_.MsgBox(messages::kMomentRejected);
            field.text = typed;
        }
        return;
    }
    // A year too large for a number keeps the text as typed.
    if (std::optional<std::u16string> year = NormaliseYear(field.text))
        field.text = std::move(*year);
    else
        program_.MsgBox(messages::kMomentRejected);
}

void CalculatorWindow::Text8_DblClick(int Index) {
    // The moment and its year come from one reading of the clock, as at load.
    const LocalDateTime now = program_.Now();
    if (Index < kFirstYearBox) {
        form_("Text8", Index).text = MomentText(now);
        form_("Text8", Index + kFirstYearBox).text = YearText(now);
    } else {
        form_("Text8", Index).text = YearText(now);
    }
}

void CalculatorWindow::cmdClearK_Click() {
    if (form_("Label6", kElapsedMark).text == kNotDone) return;
    form_("Text8", 0).text.clear();
    form_("Text8", 2).text.clear();
    SetMark(kElapsedMark, false);
}

// ---- Moment section: the commands

void CalculatorWindow::cmdCalc_Click() {
    const std::optional<double> T =
        MomentDifference(form_("Text8", 3).text, form_("Text8", 1).text, form_("Text8", 2).text, form_("Text8", 0).text);
    std::optional<DurationTexts> texts = T ? DurationTextsFor(*T) : std::nullopt;
    if (!texts) {
        program_.MsgBox(messages::kMomentsNotDates);
        return;
    }
    // The seconds show T itself, with its fraction should a time piece have had one.
    texts->sec = GeneralNumberText(*T);
    WriteDuration(*texts);
    program_.SetFocus(*this, form_("cmdCalc"));
    SetMark(kConversionMark, true);
    SetMark(kDifferenceMark, true);
    SetMark(kArithmeticMark, false);
    SetMark(kElapsedMark, false);
    form_("Text6").text.clear();
    program_.SelectOption(*this, form_("Option5"));
    // Whatever the hour option's selection did to the marks, the difference is done.
    SetMark(kDifferenceMark, true);
}

void CalculatorWindow::cmdKeika_Click() {
    if (ConversionSectionEmpty()) {
        program_.MsgBox(messages::kNoDuration);
        return;
    }
    const Unit unit = SelectedUnit();
    const std::optional<double> days = DurationDays(unit, form_("Text9", FieldOf(unit)).text);
    const std::optional<LocalDateTime> result =
        days ? ElapsedMoment(form_("Text8", 3).text, form_("Text8", 1).text, *days) : std::nullopt;
    if (!result) {
        program_.MsgBox(messages::kElapsedRejected);
        return;
    }
    form_("Text8", 0).text = MomentText(*result);
    form_("Text8", 2).text = YearText(*result);
    SetMark(kElapsedMark, true);
    SetMark(kArithmeticMark, false);
    SetMark(kDifferenceMark, false);
}

// ---- Conversion section: entry fields and their twins

void CalculatorWindow::Text7_GotFocus(int Index) {
    Control& twin = form_("Text7", Index);
    Control& field = form_("Text9", Index + 1);
    field.text = twin.text;
    field.visible = true;
    program_.SetFocus(*this, field);
    twin.visible = false;
}

void CalculatorWindow::Text9_GotFocus(int Index) {
    Control& field = form_("Text9", Index);
    if (Index == kOperandField || (Index >= 1 && Index <= 4)) {
        Control& twin = form_("Text7", Index - 1);
        field.text = twin.text;
        twin.visible = false;
    }
    if (Index == kOperandField) {
        SetMark(kArithmeticMark, false);
        return;
    }
    program_.SelectOption(*this, form_(kUnitOptions[static_cast<std::size_t>(Index)].option));
    if (Index == kDhmsField) field.back = kLightYellow;
    ResetStatusMarks();
}

void CalculatorWindow::Text9_LostFocus(int Index) {
    if (Index != kDhmsField) {
        HandOverToTwin(Index);
        return;
    }
    Control& field = form_("Text9", kDhmsField);
    field.back = kWindowBack;
    const std::u16string typed = field.text;
    if (typed.empty()) return;
    if (std::optional<std::u16string> normalised = NormaliseDhmsEntry(typed)) {
        field.text = std::move(*normalised);
    } else {
        program_.MsgBox(messages::kDhmsRejected);
        field.text = typed;
    }
}

void CalculatorWindow::Text9_KeyDown(int Index, Key KeyCode, Modifiers Shift) {
    if (KeyCode != Key::Enter) return;
    if (Shift == Modifiers::Ctrl) {
        Control& operand = form_("Text9", kOperandField);
        operand.visible = true;
        program_.SetFocus(*this, operand);
        return;
    }
    program_.SetFocus(*this, form_("cmdConvert"));
    if (Index != kOperandField) ClearOtherUnits();
}

// ---- Conversion section: commands and unit options

void CalculatorWindow::cmdConvert_Click() {
    if (ConversionSectionEmpty()) {
        constexpr std::u16string_view kBlankLine = u"\r\n\r\n";
        std::u16string text;
        text.reserve(messages::kNoDuration.size() + kBlankLine.size() + messages::kTreatedAsZero.size());
        text.append(messages::kNoDuration).append(kBlankLine).append(messages::kTreatedAsZero);
        program_.MsgBox(text);
    }
    for (int i = 1; i <= 4; ++i) form_("Text9", i).text = form_("Text7", i - 1).text;

    const Unit unit = SelectedUnit();
    const std::optional<double> T = DurationSeconds(unit, form_("Text9", FieldOf(unit)).text);
    if (!T || !ShowDuration(*T)) {
        program_.MsgBox(messages::kConversionError);
        return;
    }
    SetMark(kConversionMark, true);
    form_("Text6").text.clear();
}

void CalculatorWindow::cmdClearV_Click() {
    for (int i = 0; i <= 4; ++i) form_("Text9", i).text.clear();
    for (int i = 0; i <= 3; ++i) form_("Text7", i).text.clear();
    for (int i = 1; i <= 4; ++i) {
        form_("Text9", i).visible = false;
        form_("Text7", i - 1).visible = true;
    }
    ResetStatusMarks();
}

void CalculatorWindow::OptionUnit_Click(Unit unit) {
    const std::u16string_view name = kUnitOptions[static_cast<std::size_t>(unit)].arithmeticUnit;
    form_("Label5", 0).text = name;
    form_("Label5", 1).text = name;
    form_("Text6").text.clear();
    SetMark(kArithmeticMark, false);
}

// ---- Arithmetic section

void CalculatorWindow::cmdCalcT_Click() {
    if (ConversionSectionEmpty()) {
        program_.MsgBox(messages::kNoDuration);
        return;
    }
    const Unit unit = SelectedUnit();
    if (unit == Unit::Dhms) program_.MsgBox(messages::kComputedInDays);
    const std::optional<double> L = LeftOperand(unit, form_("Text9", FieldOf(unit)).text);
    const std::optional<double> R =
        L ? SumOrDifference(*L, form_("Text9", kOperandField).text, form_("Option8").selected) : std::nullopt;
    // A number beyond a double is reported rather than shown as a result.
    if (!R) {
        program_.MsgBox(messages::kConversionError);
        return;
    }
    form_("Text6").text = GeneralNumberText(*R);
    SetMark(kArithmeticMark, true);
}

void CalculatorWindow::cmdClearT_Click() {
    form_("Text9", kOperandField).text.clear();
    form_("Text6").text.clear();
    form_("Text7", kOperandField - 1).text.clear();
    SetMark(kArithmeticMark, false);
}

void CalculatorWindow::Option8_Click() {
    if (signPlus) return;
    SetMark(kArithmeticMark, false);
    signPlus = true;
}

void CalculatorWindow::Option9_Click() {
    if (!signPlus) return;
    SetMark(kArithmeticMark, false);
    signPlus = false;
}

void CalculatorWindow::Text6_KeyDown(Key KeyCode, Modifiers Shift) {
    if (KeyCode != Key::Enter) return;
    if (Shift == Modifiers::Ctrl) {
        program_.SetFocus(*this, form_("Text8", 1));
    } else if (Shift == Modifiers::None || Shift == Modifiers::Shift) {
        Control& operand = form_("Text9", kOperandField);
        operand.visible = true;
        program_.SetFocus(*this, operand);
    }
}

// ---- Result clear and section titles

void CalculatorWindow::cmdClear_Click() {
    if (form_("Label6", kDifferenceMark).text == kNotDone) return;
    cmdClearV_Click();
    ResetStatusMarks();
}

void CalculatorWindow::Label4_Click(int Index) {
    // A title takes no focus, so a unit or operand field being edited has not handed its text
    // to its display twin. The commands read the twins, and the conversion copies them over the
    // entry fields: without this the text being typed would be lost. The field keeps the focus
    // and stays in edit.
    for (int i = 1; i <= kOperandField; ++i) {
        const Control& field = form_("Text9", i);
        if (field.visible) form_("Text7", i - 1).text = field.text;
    }
    static constexpr const char* kCommands[] = {"cmdCalcT", "cmdCalc", "cmdConvert"};
    switch (Index) {
        case 0:
            cmdCalcT_Click();
            break;
        case 1:
            cmdCalc_Click();
            break;
        case 2:
            cmdConvert_Click();
            break;
        default:
            return;
    }
    // The conversion hands every unit field over to its display twin, the one being edited
    // included; the focus must not stay on a hidden field, so it goes where the command's
    // button would have taken it.
    if (form_.focus && !form_.IsShown(*form_.focus)) program_.SetFocus(*this, form_(kCommands[Index]));
}

}  // namespace zel
