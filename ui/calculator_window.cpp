#include "ui/calculator_window.h"

#include <algorithm>
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

namespace zel {

namespace {

// The unit the arithmetic section shows while each unit option is selected, in the order of
// Unit: dhms computes in days.
constexpr std::array<std::u16string_view, 5> kArithmeticUnits{u"day", u"day", u"hour", u"min", u"sec"};

constexpr int kDhmsField = 0;
constexpr int kUnitCount = static_cast<int>(kArithmeticUnits.size());  // the unit fields paired with twins: 1 to 4
constexpr int kOperandField = 5;
enum StatusMark { kConversionMark, kDifferenceMark, kArithmeticMark, kElapsedMark };  // Label6(0)…Label6(3)

// Where Enter sends the focus from Text8(0)…Text8(3): between the two moments, and from a
// year box to its moment.
constexpr std::array<int, 4> kMomentEnterTarget{1, 0, 0, 1};
constexpr int kFirstYearBox = 2;  // the year box of moment field i is Text8(i + 2)

constexpr std::u16string_view kNotDone = u"未";
constexpr std::u16string_view kDone = u"済";

}  // namespace

CalculatorWindow::CalculatorWindow(WindowHost& program, CalculatorSize size)
    : Window(size == CalculatorSize::Full ? FullWindowDesign() : MiniWindowDesign()),
      program_(program),
      c_{form_, size == CalculatorSize::Full},
      routes_(RoutesOf(c_)) {}

// ---- Lifecycle

void CalculatorWindow::Form_Load() {
    for (Control* twin : c_.twins.all) twin->text.clear();
    for (Control* field : c_.fields.all) field->text.clear();
    c_.result.text.clear();
    // One reading of the clock for the moments and the years, so that a load in the last
    // second of a year cannot pair 31 December with the next year.
    const LocalDateTime now = program_.Now();
    c_.moments[0].text = MomentTextZeroSeconds(now);
    c_.moments[1].text = c_.moments[0].text;
    c_.moments[2].text = YearText(now);
    c_.moments[3].text = c_.moments[2].text;
    form_.BringToFront(c_.moments[0]);
    form_.BringToFront(c_.moments[1]);
}

void CalculatorWindow::Form_Activate(Activation why) {
    // Back from the manual, the fields, options, marks and focus stay as they were.
    if (why == Activation::BackFromManual) return;
    // Visiting every entry field hands each pair over to its display twin and leaves the hour
    // unit selected; the visits' focus handling runs after this handler, in this order.
    for (int i : {1, 2, 3, 4, 5, 0, 2}) program_.SetFocus(*this, c_.fields[i]);
    program_.SetFocus(*this, c_.moments[1]);
    if (c_.plus.selected) signPlus_ = true;
}

void CalculatorWindow::Form_Unload(Unload why, bool& cancel) {
    if (why == Unload::Switch) return;
    const MessageAnswer answer =
        program_.MsgBox(messages::kCloseQuestion, MessageButtons::OkCancel, messages::kCloseTitle);
    if (answer == MessageAnswer::Cancel) cancel = true;
}

void CalculatorWindow::cmd2Mini_Click() {
    if (program_.CloseCalculator(*this, Unload::Switch)) program_.ShowCalculator(CalculatorSize::Mini);
}

void CalculatorWindow::cmd2Big_Click() {
    if (program_.CloseCalculator(*this, Unload::Switch)) program_.ShowCalculator(CalculatorSize::Full);
}

void CalculatorWindow::cmdManu_Click() { program_.ShowManual(); }

// ---- Event routing

// Every handler of the calculator window, under the controls and the event that run it.
std::vector<CalculatorWindow::HandlerRoute> CalculatorWindow::RoutesOf(const CalculatorControls& c) {
    using E = ControlEvent;
    using W = CalculatorWindow;
    using A = EventArgs;
    return {
        {c.moments.all, E::GotFocus, [](W& w, const A& a) { w.Text8_GotFocus(a.index); }},
        {c.moments.all, E::LostFocus, [](W& w, const A& a) { w.Text8_LostFocus(a.index); }},
        {c.moments.all, E::KeyDown, [](W& w, const A& a) { w.Text8_KeyDown(a.index, a.key, a.modifiers); }},
        {c.moments.all, E::DblClick, [](W& w, const A& a) { w.Text8_DblClick(a.index); }},
        {{&c.cmdClearK}, E::Click, [](W& w, const A&) { w.cmdClearK_Click(); }},
        {{&c.cmdCalc}, E::Click, [](W& w, const A&) { w.cmdCalc_Click(); }},
        {{&c.cmdKeika}, E::Click, [](W& w, const A&) { w.cmdKeika_Click(); }},
        {c.twins.all, E::GotFocus, [](W& w, const A& a) { w.Text7_GotFocus(a.index); }},
        {c.fields.all, E::GotFocus, [](W& w, const A& a) { w.Text9_GotFocus(a.index); }},
        {c.fields.all, E::LostFocus, [](W& w, const A& a) { w.Text9_LostFocus(a.index); }},
        {c.fields.all, E::KeyDown, [](W& w, const A& a) { w.Text9_KeyDown(a.index, a.key, a.modifiers); }},
        {{&c.cmdConvert}, E::Click, [](W& w, const A&) { w.cmdConvert_Click(); }},
        {{&c.cmdClearV}, E::Click, [](W& w, const A&) { w.cmdClearV_Click(); }},
        {c.unitOptions.all, E::Click, [](W& w, const A& a) { w.OptionUnit_Click(static_cast<Unit>(a.index)); }},
        {{&c.cmdCalcT}, E::Click, [](W& w, const A&) { w.cmdCalcT_Click(); }},
        {{&c.cmdClearT}, E::Click, [](W& w, const A&) { w.cmdClearT_Click(); }},
        {{&c.plus}, E::Click, [](W& w, const A&) { w.OptionSign_Click(true); }},
        {{&c.minus}, E::Click, [](W& w, const A&) { w.OptionSign_Click(false); }},
        {{&c.result}, E::KeyDown, [](W& w, const A& a) { w.Text6_KeyDown(a.key, a.modifiers); }},
        {{&c.cmdClear}, E::Click, [](W& w, const A&) { w.cmdClear_Click(); }},
        {c.titles.all, E::Click, [](W& w, const A& a) { w.Label4_Click(a.index); }},
        {{c.cmd2Mini}, E::Click, [](W& w, const A&) { w.cmd2Mini_Click(); }},
        {{c.cmd2Big}, E::Click, [](W& w, const A&) { w.cmd2Big_Click(); }},
        {{&c.cmdManu}, E::Click, [](W& w, const A&) { w.cmdManu_Click(); }},
    };
}

std::pair<const CalculatorWindow::HandlerRoute*, int> CalculatorWindow::RouteOf(const Control& c,
                                                                                ControlEvent event) const {
    for (const HandlerRoute& route : routes_) {
        const auto at = std::find(route.controls.begin(), route.controls.end(), &c);
        if (route.event == event && at != route.controls.end())
            return {&route, static_cast<int>(at - route.controls.begin())};
    }
    return {nullptr, 0};
}

void CalculatorWindow::Route(const Control& c, ControlEvent event, Key key, Modifiers modifiers) {
    if (const auto [route, index] = RouteOf(c, event); route) route->run(*this, {index, key, modifiers});
}

bool CalculatorWindow::Handles(const Control& c, ControlEvent event) const { return RouteOf(c, event).first; }

void CalculatorWindow::GotFocus(Control& c) { Route(c, ControlEvent::GotFocus); }
void CalculatorWindow::LostFocus(Control& c) { Route(c, ControlEvent::LostFocus); }
void CalculatorWindow::Click(Control& c) { Route(c, ControlEvent::Click); }
void CalculatorWindow::DblClick(Control& c) { Route(c, ControlEvent::DblClick); }
void CalculatorWindow::KeyDown(Control& c, Key key, Modifiers modifiers) {
    Route(c, ControlEvent::KeyDown, key, modifiers);
}

// ---- Status marks and shared routines

void CalculatorWindow::SetMark(int index, bool done) {
    Control& mark = c_.marks[index];
    mark.text = std::u16string(done ? kDone : kNotDone);
    mark.fore = done ? kBlue : kRed;
}

void CalculatorWindow::ResetStatusMarks() {
    for (int i = kConversionMark; i <= kElapsedMark; ++i) SetMark(i, false);
}

void CalculatorWindow::ClearOtherUnits() {
    for (int i = kDhmsField; i < kUnitCount; ++i) {
        if (c_.unitOptions[i].selected) continue;
        c_.fields[i].text.clear();
        if (i != kDhmsField) c_.Pair(i).twin.text.clear();
    }
}

bool CalculatorWindow::ConversionSectionEmpty() const {
    // Exactly empty: a text of blanks counts as something entered.
    bool empty = c_.fields[kDhmsField].text.empty();
    for (int i = kDhmsField + 1; i < kUnitCount; ++i) empty = empty && c_.Pair(i).twin.text.empty();
    return empty;
}

Unit CalculatorWindow::SelectedUnit() const {
    for (int i = kDhmsField; i < kUnitCount; ++i)
        if (c_.unitOptions[i].selected) return static_cast<Unit>(i);
    return Unit::Hour;  // one option of the group is always selected
}

void CalculatorWindow::HandOverToTwin(EntryPair pair) {
    pair.twin.text = pair.field.text;
    pair.field.visible = false;
    pair.twin.visible = true;
}

void CalculatorWindow::ShowUnitTwins() {
    for (int i = kDhmsField + 1; i < kUnitCount; ++i) HandOverToTwin(c_.Pair(i));
}

void CalculatorWindow::WriteDuration(const DurationTexts& texts) {
    UnitField(Unit::Sec).text = texts.sec;
    UnitField(Unit::Min).text = texts.min;
    UnitField(Unit::Hour).text = texts.hour;
    UnitField(Unit::Day).text = texts.day;
    UnitField(Unit::Dhms).text = texts.dhms;
    ShowUnitTwins();
}

// ---- Moment section: the fields

void CalculatorWindow::Text8_GotFocus(int) {
    SetMark(kDifferenceMark, false);
    SetMark(kElapsedMark, false);
}

void CalculatorWindow::Text8_KeyDown(int Index, Key KeyCode, Modifiers Shift) {
    if (KeyCode != Key::Enter) return;
    if (Shift == Modifiers::None || Shift == Modifiers::Shift)
        program_.SetFocus(*this, c_.moments[kMomentEnterTarget[static_cast<std::size_t>(Index)]]);
    else if (Shift == Modifiers::Ctrl)
        program_.SetFocus(*this, c_.fields[kDhmsField]);
}

void CalculatorWindow::Text8_LostFocus(int Index) {
    Control& field = c_.moments[Index];
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
        c_.moments[Index].text = MomentText(now);
        c_.moments[Index + kFirstYearBox].text = YearText(now);
    } else {
        c_.moments[Index].text = YearText(now);
    }
}

void CalculatorWindow::cmdClearK_Click() {
    if (c_.marks[kElapsedMark].text == kNotDone) return;
    c_.moments[0].text.clear();
    c_.moments[2].text.clear();
    SetMark(kElapsedMark, false);
}

// ---- Moment section: the commands

void CalculatorWindow::cmdCalc_Click() {
    const std::optional<double> T =
        MomentDifference(c_.moments[3].text, c_.moments[1].text, c_.moments[2].text, c_.moments[0].text);
    std::optional<DurationTexts> texts = T ? DurationTextsFor(*T) : std::nullopt;
    if (!texts) {
        program_.MsgBox(messages::kMomentsNotDates);
        return;
    }
    // The seconds show T itself, with its fraction should a time piece have had one.
    texts->sec = GeneralNumberText(*T);
    WriteDuration(*texts);
    program_.SetFocus(*this, c_.cmdCalc);
    SetMark(kConversionMark, true);
    SetMark(kDifferenceMark, true);
    SetMark(kArithmeticMark, false);
    SetMark(kElapsedMark, false);
    c_.result.text.clear();
    program_.SelectOption(*this, c_.unitOptions[static_cast<int>(Unit::Hour)]);
}

void CalculatorWindow::cmdKeika_Click() {
    if (ConversionSectionEmpty()) {
        program_.MsgBox(messages::kNoDuration);
        return;
    }
    const Unit unit = SelectedUnit();
    const std::optional<double> days = DurationDays(unit, UnitField(unit).text);
    const std::optional<LocalDateTime> result =
        days ? ElapsedMoment(c_.moments[3].text, c_.moments[1].text, *days) : std::nullopt;
    if (!result) {
        program_.MsgBox(messages::kElapsedRejected);
        return;
    }
    c_.moments[0].text = MomentText(*result);
    c_.moments[2].text = YearText(*result);
    SetMark(kElapsedMark, true);
    SetMark(kArithmeticMark, false);
    SetMark(kDifferenceMark, false);
}

// ---- Conversion section: entry fields and their twins

void CalculatorWindow::Text7_GotFocus(int Index) {
    const EntryPair pair = c_.Pair(Index + 1);  // Text7(i) is the twin of Text9(i + 1)
    pair.field.text = pair.twin.text;
    pair.field.visible = true;
    program_.SetFocus(*this, pair.field);
    pair.twin.visible = false;
}

void CalculatorWindow::Text9_GotFocus(int Index) {
    Control& field = c_.fields[Index];
    if (Index != kDhmsField) {
        const EntryPair pair = c_.Pair(Index);
        field.text = pair.twin.text;
        pair.twin.visible = false;
    }
    if (Index == kOperandField) {
        SetMark(kArithmeticMark, false);
        return;
    }
    program_.SelectOption(*this, c_.unitOptions[Index]);
    if (Index == kDhmsField) field.back = kLightYellow;
    ResetStatusMarks();
}

void CalculatorWindow::Text9_LostFocus(int Index) {
    if (Index != kDhmsField) {
        HandOverToTwin(c_.Pair(Index));
        return;
    }
    Control& field = c_.fields[kDhmsField];
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
        Control& operand = c_.fields[kOperandField];
        operand.visible = true;
        program_.SetFocus(*this, operand);
        return;
    }
    program_.SetFocus(*this, c_.cmdConvert);
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
    for (int i = kDhmsField + 1; i < kUnitCount; ++i) c_.Pair(i).field.text = c_.Pair(i).twin.text;

    const Unit unit = SelectedUnit();
    const std::optional<double> T = DurationSeconds(unit, UnitField(unit).text);
    // All five texts are made before any field is written, so that a duration that cannot be
    // shown leaves every field as the user saw it.
    const std::optional<DurationTexts> texts = T ? DurationTextsFor(*T) : std::nullopt;
    if (!texts) {
        program_.MsgBox(messages::kConversionError);
        return;
    }
    WriteDuration(*texts);
    SetMark(kConversionMark, true);
    c_.result.text.clear();
}

void CalculatorWindow::cmdClearV_Click() {
    for (int i = kDhmsField; i < kUnitCount; ++i) c_.fields[i].text.clear();
    ShowUnitTwins();  // which empties the twins as well
    ResetStatusMarks();
}

void CalculatorWindow::OptionUnit_Click(Unit unit) {
    const std::u16string_view name = kArithmeticUnits[static_cast<std::size_t>(unit)];
    for (Control* caption : c_.unitCaptions.all) caption->text = name;
    c_.result.text.clear();
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
    const std::optional<double> L = LeftOperand(unit, UnitField(unit).text);
    const std::optional<double> R =
        L ? SumOrDifference(*L, c_.fields[kOperandField].text, c_.plus.selected) : std::nullopt;
    // A number beyond a double is reported rather than shown as a result.
    if (!R) {
        program_.MsgBox(messages::kConversionError);
        return;
    }
    c_.result.text = GeneralNumberText(*R);
    SetMark(kArithmeticMark, true);
}

void CalculatorWindow::cmdClearT_Click() {
    const EntryPair operand = c_.Pair(kOperandField);
    operand.field.text.clear();
    c_.result.text.clear();
    operand.twin.text.clear();
    SetMark(kArithmeticMark, false);
}

void CalculatorWindow::OptionSign_Click(bool plus) {
    if (signPlus_ == plus) return;
    SetMark(kArithmeticMark, false);
    signPlus_ = plus;
}

void CalculatorWindow::Text6_KeyDown(Key KeyCode, Modifiers Shift) {
    if (KeyCode != Key::Enter) return;
    if (Shift == Modifiers::Ctrl) {
        program_.SetFocus(*this, c_.moments[1]);
    } else if (Shift == Modifiers::None || Shift == Modifiers::Shift) {
        Control& operand = c_.fields[kOperandField];
        operand.visible = true;
        program_.SetFocus(*this, operand);
    }
}

// ---- Result clear and section titles

void CalculatorWindow::cmdClear_Click() {
    if (c_.marks[kDifferenceMark].text == kNotDone) return;
    cmdClearV_Click();
    ResetStatusMarks();
}

void CalculatorWindow::Label4_Click(int Index) {
    // A title takes no focus, so a unit or operand field being edited has not handed its text
    // to its display twin. The commands read the twins, and the conversion copies them over the
    // entry fields: without this the text being typed would be lost. The field keeps the focus
    // and stays in edit.
    for (int i = kDhmsField + 1; i <= kOperandField; ++i) {
        const EntryPair pair = c_.Pair(i);
        if (pair.field.visible) pair.twin.text = pair.field.text;
    }
    // Each title runs its section's command: arithmetic, moment difference, conversion.
    Control* const commands[] = {&c_.cmdCalcT, &c_.cmdCalc, &c_.cmdConvert};
    Control& command = *commands[Index];
    Click(command);
    // The conversion hands every unit field over to its display twin, the one being edited
    // included; the focus must not stay on a hidden field, so it goes where the command's
    // button would have taken it.
    if (form_.focus() && !form_.IsShown(*form_.focus())) program_.SetFocus(*this, command);
}

}  // namespace zel
