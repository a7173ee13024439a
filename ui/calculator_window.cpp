#include "ui/calculator_window.h"

#include <algorithm>
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
    c_.moment2.moment.text = MomentTextZeroSeconds(now);
    c_.moment1.moment.text = c_.moment2.moment.text;
    c_.moment2.year.text = YearText(now);
    c_.moment1.year.text = c_.moment2.year.text;
    form_.BringToFront(c_.moment2.moment);
    form_.BringToFront(c_.moment1.moment);
}

void CalculatorWindow::Form_Activate(Activation why) {
    // Back from the manual, the fields, options, marks and focus stay as they were.
    if (why == Activation::BackFromManual) return;
    // Visiting every entry field hands each pair over to its display twin and leaves the hour
    // unit selected; the visits' focus handling runs after this handler, in this order.
    for (const EntryPair& pair : c_.pairs) program_.SetFocus(*this, pair.field);
    program_.SetFocus(*this, c_.dhms);
    program_.SetFocus(*this, c_.Field(Unit::Hour));
    program_.SetFocus(*this, c_.moment1.moment);
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
    using B = MomentBox;
    // The moment fields and the year boxes, each at the index of its entry.
    const std::vector<Control*> moments{&c.moment1.moment, &c.moment2.moment}, years{&c.moment1.year, &c.moment2.year};
    std::vector<Control*> options;
    for (const UnitControls& unit : c.units) options.push_back(&unit.option);
    return {
        {moments, E::GotFocus, [](W& w, const A&) { w.Text8_GotFocus(); }},
        {years, E::GotFocus, [](W& w, const A&) { w.Text8_GotFocus(); }},
        {moments, E::LostFocus, [](W& w, const A& a) { w.Text8_LostFocus(w.EntryAt(a), B::Moment); }},
        {years, E::LostFocus, [](W& w, const A& a) { w.Text8_LostFocus(w.EntryAt(a), B::Year); }},
        {moments, E::KeyDown, [](W& w, const A& a) { w.Text8_KeyDown(w.EntryAt(a), B::Moment, a.key, a.modifiers); }},
        {years, E::KeyDown, [](W& w, const A& a) { w.Text8_KeyDown(w.EntryAt(a), B::Year, a.key, a.modifiers); }},
        {moments, E::DblClick, [](W& w, const A& a) { w.Text8_DblClick(w.EntryAt(a), B::Moment); }},
        {years, E::DblClick, [](W& w, const A& a) { w.Text8_DblClick(w.EntryAt(a), B::Year); }},
        {{&c.cmdClearK}, E::Click, [](W& w, const A&) { w.cmdClearK_Click(); }},
        {{&c.cmdCalc}, E::Click, [](W& w, const A&) { w.cmdCalc_Click(); }},
        {{&c.cmdKeika}, E::Click, [](W& w, const A&) { w.cmdKeika_Click(); }},
        {c.twins.all, E::GotFocus, [](W& w, const A& a) { w.Text7_GotFocus(a.index); }},
        {c.fields.all, E::GotFocus, [](W& w, const A& a) { w.Text9_GotFocus(a.index); }},
        {c.fields.all, E::LostFocus, [](W& w, const A& a) { w.Text9_LostFocus(a.index); }},
        {c.fields.all, E::KeyDown, [](W& w, const A& a) { w.Text9_KeyDown(a.index, a.key, a.modifiers); }},
        {{&c.cmdConvert}, E::Click, [](W& w, const A&) { w.cmdConvert_Click(); }},
        {{&c.cmdClearV}, E::Click, [](W& w, const A&) { w.cmdClearV_Click(); }},
        {options, E::Click, [](W& w, const A& a) { w.OptionUnit_Click(w.c_.units[a.index].unit); }},
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

void CalculatorWindow::SetMark(Control& mark, bool done) {
    mark.text = std::u16string(done ? kDone : kNotDone);
    mark.fore = done ? kBlue : kRed;
}

void CalculatorWindow::ResetStatusMarks() {
    for (Control* mark : c_.marks.all) SetMark(*mark, false);
}

void CalculatorWindow::ClearOtherUnits() {
    for (const UnitControls& unit : c_.units) {
        if (unit.option.selected) continue;
        unit.field.text.clear();
        if (const EntryPair* pair = c_.PairOf(unit.field)) pair->twin.text.clear();
    }
}

bool CalculatorWindow::ConversionSectionEmpty() const {
    // Exactly empty: a text of blanks counts as something entered.
    bool empty = c_.dhms.text.empty();
    for (const EntryPair& pair : c_.UnitPairs()) empty = empty && pair.twin.text.empty();
    return empty;
}

Unit CalculatorWindow::SelectedUnit() const {
    for (const UnitControls& unit : c_.units)
        if (unit.option.selected) return unit.unit;
    return Unit::Hour;  // one option of the group is always selected
}

void CalculatorWindow::HandOverToTwin(EntryPair pair) {
    pair.twin.text = pair.field.text;
    pair.field.visible = false;
    pair.twin.visible = true;
}

void CalculatorWindow::ShowOperand() {
    c_.operand.field.visible = true;
    program_.SetFocus(*this, c_.operand.field);
}

void CalculatorWindow::ShowUnitTwins() {
    for (const EntryPair& pair : c_.UnitPairs()) HandOverToTwin(pair);
}

void CalculatorWindow::WriteDuration(const DurationTexts& texts) {
    c_.Field(Unit::Sec).text = texts.sec;
    c_.Field(Unit::Min).text = texts.min;
    c_.Field(Unit::Hour).text = texts.hour;
    c_.Field(Unit::Day).text = texts.day;
    c_.Field(Unit::Dhms).text = texts.dhms;
    ShowUnitTwins();
}

// ---- Moment section: the fields

void CalculatorWindow::Text8_GotFocus() {
    SetMark(c_.differenceMark, false);
    SetMark(c_.elapsedMark, false);
}

void CalculatorWindow::Text8_KeyDown(const MomentEntry& entry, MomentBox box, Key KeyCode, Modifiers Shift) {
    if (KeyCode != Key::Enter) return;
    // Enter goes from a year box to its moment, and from a moment to the other one.
    if (Shift == Modifiers::None || Shift == Modifiers::Shift)
        program_.SetFocus(*this, box == MomentBox::Year ? entry.moment : c_.Other(entry).moment);
    else if (Shift == Modifiers::Ctrl)
        program_.SetFocus(*this, c_.dhms);
}

void CalculatorWindow::Text8_LostFocus(const MomentEntry& entry, MomentBox box) {
    if (box == MomentBox::Year) {
        // A year too large for a number keeps the text as typed.
        if (std::optional<std::u16string> year = NormaliseYear(entry.year.text))
            entry.year.text = std::move(*year);
        else
            program_.MsgBox(messages::kMomentRejected);
        return;
    }
    const std::u16string typed = TrimSpaces(entry.moment.text);
    if (std::optional<std::u16string> moment = NormaliseMoment(typed, program_.Now())) {
        entry.moment.text = std::move(*moment);
    } else {
        program_.MsgBox(messages::kMomentRejected);
        entry.moment.text = typed;
    }
}

void CalculatorWindow::Text8_DblClick(const MomentEntry& entry, MomentBox box) {
    // The moment and its year come from one reading of the clock, as at load.
    const LocalDateTime now = program_.Now();
    if (box == MomentBox::Moment) entry.moment.text = MomentText(now);
    entry.year.text = YearText(now);
}

void CalculatorWindow::cmdClearK_Click() {
    if (c_.elapsedMark.text == kNotDone) return;
    c_.moment2.moment.text.clear();
    c_.moment2.year.text.clear();
    SetMark(c_.elapsedMark, false);
}

// ---- Moment section: the commands

void CalculatorWindow::cmdCalc_Click() {
    const std::optional<Seconds> T =
        MomentDifference({c_.moment1.year.text, c_.moment1.moment.text}, {c_.moment2.year.text, c_.moment2.moment.text});
    std::optional<DurationTexts> texts = T ? DurationTextsFor(*T) : std::nullopt;
    if (!texts) {
        program_.MsgBox(messages::kMomentsNotDates);
        return;
    }
    // The seconds show T itself, with its fraction should a time piece have had one.
    texts->sec = GeneralNumberText(T->count());
    WriteDuration(*texts);
    program_.SetFocus(*this, c_.cmdCalc);
    SetMark(c_.conversionMark, true);
    SetMark(c_.differenceMark, true);
    SetMark(c_.arithmeticMark, false);
    SetMark(c_.elapsedMark, false);
    c_.result.text.clear();
    program_.SelectOption(*this, c_.Option(Unit::Hour));
}

void CalculatorWindow::cmdKeika_Click() {
    if (ConversionSectionEmpty()) {
        program_.MsgBox(messages::kNoDuration);
        return;
    }
    const Unit unit = SelectedUnit();
    const std::optional<Days> days = DurationDays(unit, c_.Field(unit).text);
    const std::optional<LocalDateTime> result =
        days ? ElapsedMoment({c_.moment1.year.text, c_.moment1.moment.text}, *days) : std::nullopt;
    if (!result) {
        program_.MsgBox(messages::kElapsedRejected);
        return;
    }
    c_.moment2.moment.text = MomentText(*result);
    c_.moment2.year.text = YearText(*result);
    SetMark(c_.elapsedMark, true);
    SetMark(c_.arithmeticMark, false);
    SetMark(c_.differenceMark, false);
}

// ---- Conversion section: entry fields and their twins

void CalculatorWindow::Text7_GotFocus(int Index) {
    const EntryPair& pair = *c_.PairOf(c_.twins[Index]);
    pair.field.text = pair.twin.text;
    pair.field.visible = true;
    program_.SetFocus(*this, pair.field);
    pair.twin.visible = false;
}

void CalculatorWindow::Text9_GotFocus(int Index) {
    Control& field = c_.fields[Index];
    if (const EntryPair* pair = c_.PairOf(field)) {
        field.text = pair->twin.text;
        pair->twin.visible = false;
    }
    const std::optional<Unit> unit = c_.UnitOf(field);
    if (!unit) {  // the operand
        SetMark(c_.arithmeticMark, false);
        return;
    }
    program_.SelectOption(*this, c_.Option(*unit));
    if (*unit == Unit::Dhms) field.back = kLightYellow;
    ResetStatusMarks();
}

void CalculatorWindow::Text9_LostFocus(int Index) {
    if (const EntryPair* pair = c_.PairOf(c_.fields[Index])) {
        HandOverToTwin(*pair);
        return;
    }
    Control& field = c_.dhms;
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
        ShowOperand();
        return;
    }
    program_.SetFocus(*this, c_.cmdConvert);
    if (&c_.fields[Index] != &c_.operand.field) ClearOtherUnits();
}

// ---- Conversion section: commands and unit options

void CalculatorWindow::cmdConvert_Click() {
    if (ConversionSectionEmpty())
        program_.MsgBox(std::u16string(messages::kNoDuration) + u"\r\n\r\n" + std::u16string(messages::kTreatedAsZero));
    for (const EntryPair& pair : c_.UnitPairs()) pair.field.text = pair.twin.text;

    const Unit unit = SelectedUnit();
    const std::optional<Seconds> T = DurationSeconds(unit, c_.Field(unit).text);
    // All five texts are made before any field is written, so that a duration that cannot be
    // shown leaves every field as the user saw it.
    const std::optional<DurationTexts> texts = T ? DurationTextsFor(*T) : std::nullopt;
    if (!texts) {
        program_.MsgBox(messages::kConversionError);
        return;
    }
    WriteDuration(*texts);
    SetMark(c_.conversionMark, true);
    c_.result.text.clear();
}

void CalculatorWindow::cmdClearV_Click() {
    for (const UnitControls& unit : c_.units) unit.field.text.clear();
    ShowUnitTwins();  // which empties the twins as well
    ResetStatusMarks();
}

void CalculatorWindow::OptionUnit_Click(Unit unit) {
    // The arithmetic computes a dhms text in days.
    const std::u16string_view name = UnitCaption(unit == Unit::Dhms ? Unit::Day : unit);
    for (Control* caption : c_.unitCaptions.all) caption->text = name;
    c_.result.text.clear();
    SetMark(c_.arithmeticMark, false);
}

// ---- Arithmetic section

void CalculatorWindow::cmdCalcT_Click() {
    if (ConversionSectionEmpty()) {
        program_.MsgBox(messages::kNoDuration);
        return;
    }
    const Unit unit = SelectedUnit();
    if (unit == Unit::Dhms) program_.MsgBox(messages::kComputedInDays);
    const std::optional<Amount> L = LeftOperand(unit, c_.Field(unit).text);
    const Operation operation = c_.plus.selected ? Operation::Plus : Operation::Minus;
    const std::optional<Amount> R = L ? SumOrDifference(*L, c_.operand.field.text, operation) : std::nullopt;
    // A number beyond a double is reported rather than shown as a result.
    if (!R) {
        program_.MsgBox(messages::kConversionError);
        return;
    }
    c_.result.text = GeneralNumberText(R->value);
    SetMark(c_.arithmeticMark, true);
}

void CalculatorWindow::cmdClearT_Click() {
    c_.operand.field.text.clear();
    c_.result.text.clear();
    c_.operand.twin.text.clear();
    SetMark(c_.arithmeticMark, false);
}

void CalculatorWindow::OptionSign_Click(bool plus) {
    if (signPlus_ == plus) return;
    SetMark(c_.arithmeticMark, false);
    signPlus_ = plus;
}

void CalculatorWindow::Text6_KeyDown(Key KeyCode, Modifiers Shift) {
    if (KeyCode != Key::Enter) return;
    if (Shift == Modifiers::Ctrl)
        program_.SetFocus(*this, c_.moment1.moment);
    else if (Shift == Modifiers::None || Shift == Modifiers::Shift)
        ShowOperand();
}

// ---- Result clear and section titles

void CalculatorWindow::cmdClear_Click() {
    if (c_.differenceMark.text == kNotDone) return;
    cmdClearV_Click();
    ResetStatusMarks();
}

void CalculatorWindow::Label4_Click(int Index) {
    // A title takes no focus, so a unit or operand field being edited has not handed its text
    // to its display twin. The commands read the twins, and the conversion copies them over the
    // entry fields: without this the text being typed would be lost. The field keeps the focus
    // and stays in edit.
    for (const EntryPair& pair : c_.pairs)
        if (pair.field.visible) pair.twin.text = pair.field.text;
    Control& command = c_.titleCommands[Index];
    Click(command);
    // The conversion hands every unit field over to its display twin, the one being edited
    // included; the focus must not stay on a hidden field, so it goes where the command's
    // button would have taken it.
    if (form_.focus() && !form_.IsShown(*form_.focus())) program_.SetFocus(*this, command);
}

}  // namespace zel
