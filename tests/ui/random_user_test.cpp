// A random user: seeded random focus moves, clicks, double clicks, keys, typing of hostile texts
// (whole texts, and edits at a caret), window switches, the manual and the close box, with
// message boxes answered at random. After every event the invariants of a waiting window must
// hold, and every message box the event raised must have been a proper one. One program runs
// until the user ends it through the closing question, so that long-lived state is exercised.
// A failure prints the seed and the shortest list of events, counted from the start of the
// failing program, that still breaks an invariant.
//   ZELVORIN_RANDOM_EVENTS (default 100000) and ZELVORIN_RANDOM_SEED choose the run.
#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <optional>
#include <random>
#include <string>
#include <vector>

#include "core/text.h"
#include "tests/support/env_number.h"
#include "tests/support/fake_services.h"
#include "tests/support/shown_text.h"
#include "ui/keys.h"
#include "ui/manual/manual_window.h"
#include "ui/messages.h"
#include "ui/zelvorin.h"

namespace zel {
namespace {

enum class Act { Focus, Click, DblClick, Type, Edit, Key, Close, CloseManual, ResizeManual };

struct Event {
    Act act;
    ControlId target;     // Focus, Click, DblClick
    std::u16string text;  // Type: the whole new text; Edit: the fragment inserted at the caret
    // Key: the key and the modifier flags; ResizeManual: the size in twips; Edit: the caret position and the
    // count of code units removed there, both folded onto the text at hand (see Edited).
    int key = 0, shift = 0;
    bool answerOk = true;  // for every message box this event raises
    std::string ToString() const {
        static const char* kNames[] = {"focus", "click", "dblclick", "type", "edit",
                                       "key", "close", "closemanual", "resize"};
        std::string s = kNames[static_cast<int>(act)];
        if (act <= Act::DblClick) s.append(" ").append(target.ToString());
        if (act == Act::Edit || act == Act::Key || act == Act::ResizeManual)
            s.append(" ").append(std::to_string(key)).append(" ").append(std::to_string(shift));
        if (act == Act::Type || act == Act::Edit) s.append(" \"").append(ToUtf8(text)).append("\"");
        return s.append(answerOk ? "" : " (Cancel)");
    }
};

// Typing at a caret, as an editor does it: removes `shift` code units at the position `key`
// folds to and inserts the fragment there, never splitting a surrogate pair.
std::u16string Edited(std::u16string text, const Event& e) {
    const auto midPair = [&](std::size_t at) { return at > 0 && at < text.size() && IsLowSurrogate(text[at]); };
    std::size_t at = static_cast<std::size_t>(e.key) % (text.size() + 1);
    if (midPair(at)) ++at;
    std::size_t end = std::min(text.size(), at + static_cast<std::size_t>(e.shift));
    if (midPair(end)) ++end;
    return text.replace(at, end - at, e.text);
}

// The first improper box of those shown: every box has a text, the program's title and OK only,
// except the closing question, which has a title of its own and offers OK and Cancel.
std::optional<std::string> ImproperBox(const std::vector<FakeMessageBoxes::Shown>& shown) {
    for (const auto& [text, title, buttons] : shown) {
        const bool closing = text == messages::kCloseQuestion;
        const bool proper = !text.empty() && title == (closing ? messages::kCloseTitle : messages::kTitle) &&
                            buttons == (closing ? MessageButtons::OkCancel : MessageButtons::Ok);
        if (!proper)
            return "message box \"" + ToUtf8(text) + "\" titled \"" + ToUtf8(title) + "\" offering " +
                   (buttons == MessageButtons::Ok ? "OK" : "OK and Cancel");
    }
    return std::nullopt;
}

std::u16string UnitNameOf(Form& form) {
    static const char* kOptions[] = {"Option3", "Option4", "Option5", "Option6", "Option7"};
    static const char16_t* kNames[] = {u"day", u"day", u"hour", u"min", u"sec"};
    for (int i = 0; i < 5; ++i)
        if (form(kOptions[i]).selected) return kNames[i];
    return u"?";
}

// Runs events on a fresh program; returns the first broken invariant with its event number.
class Session {
public:
    Session() {
        clock_.now = {2001, 12, 31, 23, 59, 59};
        Restart();
    }

    std::optional<std::string> Run(const std::vector<Event>& events) {
        for (std::size_t i = 0; i < events.size(); ++i)
            if (auto broken = Step(events[i])) return "after event " + std::to_string(i + 1) + ": " + *broken;
        return std::nullopt;
    }
    // Applies one event and checks the invariants; a program that ended starts again.
    std::optional<std::string> Step(const Event& e) {
        boxes_.shown.clear();
        boxes_.otherwise = e.answerOk ? MessageAnswer::Ok : MessageAnswer::Cancel;
        Apply(e);
        NotePress(e);
        auto broken = ImproperBox(boxes_.shown);
        if (!broken) broken = Check(e);
        if (program_->ended()) Restart();
        return broken;
    }
    Program& program() { return *program_; }
    int starts() const { return starts_; }

private:
    void Apply(const Event& e) {
        Program& p = *program_;
        switch (e.act) {
            case Act::Focus: p.UserFocus(e.target); break;
            case Act::Click: p.UserClick(e.target); break;
            case Act::DblClick: p.UserDblClick(e.target); break;
            case Act::Type:
            case Act::Edit:
                if (Control* f = p.activeWindow()->form().focus(); f && f->kind() == Kind::TextBox)
                    p.UserType(f->id(), e.act == Act::Type ? e.text : Edited(f->text, e));
                break;
            case Act::Key: p.UserKeyDown(static_cast<Key>(e.key), static_cast<Modifiers>(e.shift)); break;
            case Act::Close: p.UserClose(); break;
            case Act::CloseManual: p.UserCloseManual(); break;
            case Act::ResizeManual: p.UserResizeManual(e.key, e.shift); break;
        }
    }

    // Remembers the control a press put the focus on, for as long as it keeps the focus.
    void NotePress(const Event& e) {
        Window* active = program_->activeWindow();
        const Control* focus = active ? active->form().focus() : nullptr;
        if (e.act <= Act::DblClick && focus && focus->id() == e.target) pressed_ = e.target;
        else if (!focus || focus->id() != pressed_) pressed_ = {};
    }

    void Restart() {
        program_ = std::make_unique<Zelvorin>(boxes_, clock_);
        ++starts_;
        program_->Start();
    }

    std::optional<std::string> Check(const Event& e) {
        Program& p = *program_;
        if (p.ended()) {
            const bool confirmed =
                !boxes_.shown.empty() && boxes_.shown.back().text == messages::kCloseQuestion && e.answerOk;
            if (!confirmed) return "ended without an OK to the closing question";
            return std::nullopt;
        }
        Window* calc = p.calculator();
        if (!calc) return "no calculator window";
        Form& form = calc->form();
        for (int i = 1; i <= 5; ++i) {
            // Each entry field and its display twin share one place: exactly one of them shows.
            const Control& field = form("Text9", i);
            const Control& twin = form("Text7", i - 1);
            if (field.visible == twin.visible)
                return "Text9(" + std::to_string(i) + ") and its twin both " + (twin.visible ? "visible" : "hidden");
            const bool focusInPair = form.focus() == &field || form.focus() == &twin;
            if (!focusInPair && field.text != twin.text) return "Text9(" + std::to_string(i) + ") differs from its twin";
        }
        for (int i = 0; i < 4; ++i) {
            const Control& mark = form("Label6", i);
            const bool ok = (mark.text == u"未" && mark.fore == kRed) || (mark.text == u"済" && mark.fore == kBlue);
            if (!ok) return "Label6(" + std::to_string(i) + ") is \"" + ToUtf8(mark.text) + "\" in the wrong colour";
        }
        for (const char* option : {"Option3", "Option8"}) {
            int selected = 0;
            for (const Control* c : form.OptionGroup(form(option))) selected += c->selected;
            if (selected != 1) return std::to_string(selected) + " options selected in the group of " + option;
        }
        if (form("Label5", 0).text != UnitNameOf(form) || form("Label5", 1).text != UnitNameOf(form))
            return "the unit labels do not name the selected unit";
        const Control& dhms = form("Text9", 0);
        if ((dhms.back == kLightYellow) != (form.focus() == &dhms))
            return form.focus() == &dhms ? "the dhms field has the focus but is not yellow"
                                       : "the dhms field is yellow without the focus";
        for (Window* window : {calc, static_cast<Window*>(p.manual())})
            if (auto broken = window ? CheckWindow(window->form()) : std::nullopt) return broken;
        return std::nullopt;
    }

    // What holds in every open window: where the focus rests, and what the texts may hold.
    std::optional<std::string> CheckWindow(const Form& form) const {
        const Control* focus = form.focus();
        if (!focus || !form.IsShown(*focus)) return "the focus is not on a shown control";
        // Tab, the arrow keys and a click leave an option focused only once selected; a press
        // that did not become a click (released elsewhere, or taken by a message box) may leave
        // the focus on the unselected option pressed.
        const Kind kind = focus->kind();
        if (!(kind == Kind::TextBox || kind == Kind::Button ||
              (kind == Kind::Option && (focus->selected || focus->id() == pressed_))))
            return "the focus is on " + focus->id().ToString();
        for (const Control& c : form.controls()) {
            // Typed texts keep their surrogate pairs whole, so half of one is the program's cut.
            if (HasLoneSurrogate(c.text)) return c.id().ToString() + " holds half a surrogate pair";
            // A typed text stays as typed in the box that holds it, travels to the display twin
            // and back, and lends its day count to a normalised dhms entry; but the user types
            // no i, n or f (see HostileText). So "inf" or "nan" in any text, typed box or not,
            // is the program's writing: a result of "1e999" or of an overflowing sum, say.
            if (ShowsInfOrNan(c.text)) return c.id().ToString() + " shows \"" + ToUtf8(c.text) + "\"";
        }
        return std::nullopt;
    }

    FakeMessageBoxes boxes_;
    FakeClock clock_;
    std::unique_ptr<Zelvorin> program_;
    int starts_ = 0;
    ControlId pressed_;  // see NotePress
};

// Texts that stress the readers: huge and tiny numbers, full-width digits, emoji, controls.
// None holds an i, n or f, so that an infinity or a NaN shown is always the program's writing.
std::u16string HostileText(std::mt19937& rng) {
    static const std::u16string kTexts[] = {
        u"", u" ", u"1e999", u"1e308", u"-0", u"0e99999", u".", u"-.", std::u16string(400, u'9'),
        std::u16string(256, u'1') + u" 5", u"１２/３ ４：５", u"\U0001F600 12", u"\u200F12/3", std::u16string(1, u'\0'),
        u"\x01\t\n", u"23 134506", u"1004 051627", u"5/7 9:05", u"2/29", u"0023", u"-0001 00:00:00", u"12/5/7",
        u"10000 01:00:00", u"-1e308", u"02 150405", u"ab/cd", u"0999", u"9999",
        u"1/2 \U0001F600:00", u"12\U0001F600 1:00:00"};
    if (rng() % 3) return kTexts[rng() % std::size(kTexts)];
    static const char16_t kChars[] = u"0123456789 :/-.eE";
    std::u16string text(rng() % 16, u' ');
    for (char16_t& c : text) c = kChars[rng() % (std::size(kChars) - 1)];
    return text;
}

Event RandomEvent(std::mt19937& rng, Program& program) {
    Event e{};
    e.answerOk = rng() % 4 != 0;
    Form& form = program.activeWindow()->form();
    const unsigned roll = rng() % 100;
    if (program.manual() && roll < 10) {
        e.act = roll < 5 ? Act::CloseManual : Act::ResizeManual;
        e.key = static_cast<int>(rng() % 12000), e.shift = static_cast<int>(rng() % 9000);
    } else if (roll < 30) {
        e.act = roll < 15 ? Act::Type : Act::Edit;
        e.text = HostileText(rng);
        e.key = static_cast<int>(rng() % 512), e.shift = static_cast<int>(rng() % 3 ? 0 : rng() % 8);
    } else if (roll < 55) {
        // Escape, Backspace, Delete, Home, End, F1 and a letter reach the layer as Other.
        static const Key kKeys[] = {Key::Enter, Key::Enter, Key::Enter, Key::Enter, Key::Tab,   Key::Space,
                                    Key::Left,  Key::Up,    Key::Right, Key::Down,  Key::Other, Key::Other,
                                    Key::Other, Key::Other, Key::Other, Key::Other, Key::Other};
        e.act = Act::Key;
        e.key = static_cast<int>(kKeys[rng() % std::size(kKeys)]);
        e.shift = static_cast<int>(rng() % 8);
    } else if (roll < 56) {
        // Mostly cancelled, so that one program lives for a few thousand events.
        e.act = Act::Close;
        e.answerOk = rng() % 16 == 0;
    } else {
        e.act = roll < 65 ? Act::Focus : roll < 70 ? Act::DblClick : Act::Click;
        const auto& controls = form.controls();
        e.target = controls[rng() % controls.size()].id();
        // Leaving the calculator window happens now and then, not on every other click.
        if ((e.target.name == "cmd2Mini" || e.target.name == "cmd2Big" || e.target.name == "cmdManu") && rng() % 4)
            e.act = Act::Focus;
    }
    return e;
}

// Removes events while the failure stays: halves, then quarters, down to single events.
std::vector<Event> Shrink(std::vector<Event> events) {
    for (std::size_t chunk = events.size() / 2; chunk >= 1; chunk /= 2) {
        for (std::size_t at = 0; at + chunk <= events.size();) {
            std::vector<Event> fewer(events);
            fewer.erase(fewer.begin() + static_cast<long>(at), fewer.begin() + static_cast<long>(at + chunk));
            if (Session().Run(fewer)) events = std::move(fewer);
            else at += chunk;
        }
    }
    return events;
}

TEST(RandomUser, InvariantsHoldAfterEveryEvent) {
    const long total = EnvNumber("ZELVORIN_RANDOM_EVENTS", 100000);
    const auto seed = static_cast<unsigned>(EnvNumber("ZELVORIN_RANDOM_SEED", 20261207));
    std::mt19937 rng(seed);
    Session session;
    std::vector<Event> events;  // since the running program started: a fresh one replays them
    for (long done = 0; done < total; ++done) {
        const int starts = session.starts();
        events.push_back(RandomEvent(rng, session.program()));
        if (session.Step(events.back())) {
            std::string list;
            for (const Event& e : Shrink(events)) list.append("  ").append(e.ToString()).append("\n");
            FAIL() << "seed " << seed << ", event " << done + 1 << " of the run; in its program "
                   << *Session().Run(events) << "\nshortest events:\n" << list;
        }
        if (session.starts() != starts) events.clear();
    }
}

}  // namespace
}  // namespace zel
