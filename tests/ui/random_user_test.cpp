// A random user: seeded random focus moves, clicks, double clicks, keys, typing of hostile texts,
// window switches, the manual and the close box, with message boxes answered at random. After
// every event the invariants of a waiting window must hold. A failure prints the seed and the
// shortest event list found that still breaks an invariant.
//   ZELVORIN_RANDOM_EVENTS (default 20000) and ZELVORIN_RANDOM_SEED choose the run.
#include <gtest/gtest.h>

#include <cstdlib>
#include <memory>
#include <optional>
#include <random>
#include <string>
#include <vector>

#include "core/text.h"
#include "ui/keys.h"
#include "ui/manual/manual_window.h"
#include "ui/program.h"

namespace zel {
namespace {

enum class Act { Focus, Click, DblClick, Type, Key, Close, CloseManual, ResizeManual };

struct Event {
    Act act;
    ControlId target;  // Focus, Click, DblClick
    std::u16string text;
    int key = 0, shift = 0;  // Key; ResizeManual uses them as the size in twips
    bool answerOk = true;    // for every message box this event raises
    std::string ToString() const {
        static const char* kNames[] = {"focus", "click", "dblclick", "type", "key", "close", "closemanual", "resize"};
        std::string s = kNames[static_cast<int>(act)];
        if (act <= Act::DblClick) s.append(" ").append(target.ToString());
        if (act == Act::Type) s.append(" \"").append(ToUtf8(text)).append("\"");
        if (act == Act::Key || act == Act::ResizeManual)
            s.append(" ").append(std::to_string(key)).append(" ").append(std::to_string(shift));
        return s.append(answerOk ? "" : " (Cancel)");
    }
};

class Boxes : public MessageBoxes {
public:
    bool answerOk = true;
    std::u16string lastText;
    bool lastAnsweredOk = false;
    MessageAnswer Show(const std::u16string& text, const std::u16string&, MessageButtons buttons) override {
        lastText = text;
        lastAnsweredOk = answerOk || buttons == MessageButtons::Ok;
        return lastAnsweredOk ? MessageAnswer::Ok : MessageAnswer::Cancel;
    }
};

class FixedClock : public Clock {
public:
    LocalDateTime Now() override { return {2001, 12, 31, 23, 59, 59}; }
};

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
    Session() { Restart(); }

    std::optional<std::string> Run(const std::vector<Event>& events) {
        for (std::size_t i = 0; i < events.size(); ++i)
            if (auto broken = Step(events[i])) return "after event " + std::to_string(i + 1) + ": " + *broken;
        return std::nullopt;
    }
    // Applies one event and checks the invariants; a program that ended starts again.
    std::optional<std::string> Step(const Event& e) {
        Apply(e);
        auto broken = Check();
        if (program_->ended()) Restart();
        return broken;
    }
    Program& program() { return *program_; }

private:
    void Apply(const Event& e) {
        boxes_.answerOk = e.answerOk;
        Program& p = *program_;
        switch (e.act) {
            case Act::Focus: p.UserFocus(e.target); break;
            case Act::Click: p.UserClick(e.target); break;
            case Act::DblClick: p.UserDblClick(e.target); break;
            case Act::Type:
                if (Control* f = p.activeWindow()->form().focus; f && f->kind() == Kind::TextBox) p.UserType(f->id(), e.text);
                break;
            case Act::Key: p.UserKey(e.key, e.shift); break;
            case Act::Close: p.UserClose(); break;
            case Act::CloseManual: p.UserCloseManual(); break;
            case Act::ResizeManual: p.UserResizeManual(e.key, e.shift); break;
        }
    }

    void Restart() {
        program_ = std::make_unique<Program>(boxes_, clock_);
        program_->Start();
    }

    std::optional<std::string> Check() {
        Program& p = *program_;
        if (p.ended()) {
            if (boxes_.lastText.find(u"終了") == std::u16string::npos || !boxes_.lastAnsweredOk)
                return "ended without an OK to the closing question";
            return std::nullopt;
        }
        Window* calc = p.calculator();
        if (!calc) return "no calculator window";
        Form& form = calc->form();
        const bool manualOpen = p.manual() != nullptr;
        if (p.zelvorinM.WindowSwitch != (manualOpen ? ZelvorinM::kManualOpen : ZelvorinM::kNormal))
            return "WindowSwitch is " + std::to_string(p.zelvorinM.WindowSwitch);
        for (int i = 1; i <= 5; ++i) {
            const Control& field = form("Text9", i);
            const Control& twin = form("Text7", i - 1);
            if (field.visible && twin.visible) return "Text9(" + std::to_string(i) + ") and its twin both visible";
            const bool focusInPair = form.focus == &field || form.focus == &twin;
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
        Form& active = p.activeWindow()->form();
        if (!active.focus || !active.IsShown(*active.focus)) return "the focus is not on a shown control";
        if (p.messageCount() != shownBefore_ && boxes_.lastText.empty()) return "a message box without a text";
        shownBefore_ = p.messageCount();
        return std::nullopt;
    }

    Boxes boxes_;
    FixedClock clock_;
    std::unique_ptr<Program> program_;
    int shownBefore_ = 0;
};

std::u16string HostileText(std::mt19937& rng) {
    static const std::u16string kTexts[] = {
        u"", u" ", u"1e999", u"1e308", u"-0", u"0e99999", u".", u"-.", std::u16string(400, u'9'),
        std::u16string(256, u'1') + u" 5", u"１２/３ ４：５", u"\U0001F600 12", u"\u200F12/3", std::u16string(1, u'\0'),
        u"\x01\t\n", u"23 134506", u"1004 051627", u"5/7 9:05", u"2/29", u"0023", u"-0001 00:00:00", u"12/5/7",
        u"10000 01:00:00", u"-1e308", u"02 150405", u"ab/cd", u"0999", u"9999"};
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
        e.act = Act::Type;
        e.text = HostileText(rng);
    } else if (roll < 55) {
        static const int kKeys[] = {keys::kEnter, keys::kEnter, keys::kEnter, keys::kTab, keys::kSpace, keys::kLeft,
                                    keys::kDown, 'A'};
        e.act = Act::Key;
        e.key = kKeys[rng() % std::size(kKeys)];
        e.shift = static_cast<int>(rng() % 8);
    } else if (roll < 56) {
        e.act = Act::Close;
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

long EnvNumber(const char* name, long fallback) {
    const char* value = std::getenv(name);
    return value ? std::strtol(value, nullptr, 10) : fallback;
}

TEST(RandomUser, InvariantsHoldAfterEveryEvent) {
    const long total = EnvNumber("ZELVORIN_RANDOM_EVENTS", 20000);
    const auto seed = static_cast<unsigned>(EnvNumber("ZELVORIN_RANDOM_SEED", 20261207));
    std::mt19937 rng(seed);
    // Runs of a few hundred events each, so that a failure shrinks quickly.
    for (long done = 0; done < total;) {
        Session session;
        std::vector<Event> events;
        for (int i = 0; i < 500 && done < total; ++i, ++done) {
            events.push_back(RandomEvent(rng, session.program()));
            if (session.Step(events.back())) {
                std::string list;
                for (const Event& e : Shrink(events)) list.append("  ").append(e.ToString()).append("\n");
                FAIL() << "seed " << seed << ", " << *Session().Run(events) << "\nshortest events:\n" << list;
            }
        }
    }
}

}  // namespace
}  // namespace zel
