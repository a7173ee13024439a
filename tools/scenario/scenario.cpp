#include "tools/scenario/scenario.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <deque>
#include <fstream>
#include <iostream>
#include <optional>
#include <sstream>
#include <vector>

#include "core/text.h"
#include "ui/zelvorin.h"

namespace zel::scenario {

namespace {

// ---- Scripted services

class ScriptedClock : public Clock {
public:
    LocalDateTime now{2001, 7, 15, 10, 20, 30};
    LocalDateTime Now() override { return now; }
};

struct ShownMessage {
    std::u16string text;
    std::u16string title;
};

class ScriptedMessageBoxes : public MessageBoxes {
public:
    std::deque<ShownMessage> shown;         // not yet consumed by an expectation
    std::deque<MessageAnswer> answers;      // for the next boxes that offer a choice
    std::ostream* transcript = nullptr;

    MessageAnswer Show(const std::u16string& text, const std::u16string& title, MessageButtons buttons) override {
        shown.push_back({text, title});
        MessageAnswer answer = MessageAnswer::Ok;
        if (buttons == MessageButtons::OkCancel && !answers.empty()) {
            answer = answers.front();
            answers.pop_front();
        }
        if (transcript)
            *transcript << "    [" << ToUtf8(title) << "] answered "
                        << (answer == MessageAnswer::Ok ? "OK" : "Cancel") << '\n';
        return answer;
    }
};

// ---- Reading a line

struct Token {
    std::string text;
    bool quoted = false;
};

struct ParseError {
    std::string what;
};

std::vector<Token> Tokenise(const std::string& line) {
    std::vector<Token> tokens;
    std::size_t i = 0;
    while (i < line.size()) {
        const char c = line[i];
        if (c == ' ' || c == '\t' || c == '\r') {
            ++i;
        } else if (c == '#') {
            break;
        } else if (c == '"') {
            Token token{"", true};
            ++i;
            bool closed = false;
            while (i < line.size()) {
                const char d = line[i++];
                if (d == '"') {
                    closed = true;
                    break;
                }
                if (d != '\\') {
                    token.text += d;
                    continue;
                }
                if (i >= line.size()) break;
                const char e = line[i++];
                switch (e) {
                    case 'n': token.text += '\n'; break;
                    case 'r': token.text += '\r'; break;
                    case 't': token.text += '\t'; break;
                    case '"': token.text += '"'; break;
                    case '\\': token.text += '\\'; break;
                    default: throw ParseError{std::string("unknown escape \\") + e};
                }
            }
            if (!closed) throw ParseError{"unterminated text"};
            tokens.push_back(token);
        } else if (c == '=') {
            tokens.push_back({"=", false});
            ++i;
        } else {
            const std::size_t start = i;
            while (i < line.size() && line[i] != ' ' && line[i] != '\t' && line[i] != '\r' && line[i] != '=' &&
                   line[i] != '"' && line[i] != '#')
                ++i;
            tokens.push_back({line.substr(start, i - start), false});
        }
    }
    return tokens;
}

std::string Quote(std::u16string_view text) {
    std::string out = "\"";
    for (char c : ToUtf8(text)) {
        switch (c) {
            case '"': out += "\\\""; break;
            case '\\': out += "\\\\"; break;
            case '\r': out += "\\r"; break;
            case '\n': out += "\\n"; break;
            case '\t': out += "\\t"; break;
            default: out += c;
        }
    }
    return out + "\"";
}

std::string ColourName(const Colour& colour) {
    switch (colour.system) {
        case Colour::System::Window: return "window";
        case Colour::System::WindowText: return "windowtext";
        case Colour::System::ButtonFace: return "buttonface";
        case Colour::System::None: break;
    }
    char buffer[8];
    std::snprintf(buffer, sizeof buffer, "#%06X", colour.rgb & 0xFFFFFFu);
    return buffer;
}

std::optional<Colour> NamedColour(const std::string& name) {
    if (name == "lightyellow") return kLightYellow;
    if (name == "window") return kWindowBack;
    if (name == "yellow") return kYellow;
    if (name == "lightgrey") return kLightGrey;
    if (name == "red") return kRed;
    if (name == "blue") return kBlue;
    return std::nullopt;
}

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

std::string FormatNumber(double value) {
    std::ostringstream out;
    out << value;
    return out.str();
}

// One line describing a control's state, for `print`.
std::string Describe(const Form& form, const Control& c) {
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

// ---- Running

struct Failure {
    std::string what;
};

class Run {
public:
    explicit Run(std::ostream* transcript) : program_(messages_, clock_), transcript_(transcript) {
        messages_.transcript = transcript;
        if (transcript_) program_.trace = [this](const std::string& line) { *transcript_ << "    " << line << '\n'; };
    }

    void Execute(const std::vector<Token>& t);
    void Finish() {
        if (!messages_.shown.empty())
            throw Failure{"expected no further message, got " + Quote(messages_.shown.front().text)};
    }

private:
    Form& CalculatorForm() {
        if (!program_.calculator()) throw Failure{"no calculator window is open"};
        return program_.calculator()->form();
    }
    // A control whose state an expectation reads: the manual's box while the manual is open,
    // otherwise a control of the calculator window.
    Control& StateControl(const std::string& text) {
        const auto id = ControlId::Parse(text);
        if (!id) throw Failure{"not a control: " + text};
        if (id->name == "txtManu") {
            if (!program_.manual()) throw Failure{"the manual window is not open"};
            return program_.manual()->form()("txtManu");
        }
        Control* c = CalculatorForm().Find(*id);
        if (!c) throw Failure{"the open window has no " + text};
        return *c;
    }
    // A control a user action is addressed to: it must be shown in the window that takes input.
    ControlId ActionControl(const std::string& text) {
        if (program_.ended()) throw Failure{"the program has ended"};
        const auto id = ControlId::Parse(text);
        if (!id) throw Failure{"not a control: " + text};
        Window* window = program_.activeWindow();
        if (!window) throw Failure{"no window is open"};
        Control* c = window->form().Find(*id);
        if (!c) {
            if (program_.manual()) throw Failure{"the manual window is open; " + text + " cannot be reached"};
            throw Failure{"the open window has no " + text};
        }
        if (!window->form().IsShown(*c)) throw Failure{text + " is hidden"};
        return *id;
    }
    void RequireCalculatorInput() {
        if (program_.ended()) throw Failure{"the program has ended"};
        if (program_.manual()) throw Failure{"the manual window is open"};
        if (!program_.calculator()) throw Failure{"no calculator window is open"};
    }

    void Key(const std::string& keyText);
    void Expect(const std::vector<Token>& t);

    ScriptedClock clock_;
    ScriptedMessageBoxes messages_;
    Zelvorin program_;
    std::ostream* transcript_;
};

void Need(const std::vector<Token>& t, std::size_t count) {
    if (t.size() != count) throw ParseError{"expected " + std::to_string(count - 1) + " argument(s) to " + t[0].text};
}

int Integer(const std::string& text) {
    int value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size()) throw ParseError{"not a number: " + text};
    return value;
}

double Real(const std::string& text) {
    double value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size()) throw ParseError{"not a number: " + text};
    return value;
}

LocalDateTime ParseClock(const std::string& date, const std::string& time) {
    LocalDateTime t{};
    if (std::sscanf(date.c_str(), "%d-%d-%d", &t.year, &t.month, &t.day) != 3 ||
        std::sscanf(time.c_str(), "%d:%d:%d", &t.hour, &t.minute, &t.second) != 3)
        throw ParseError{"clock wants YYYY-MM-DD HH:MM:SS"};
    return t;
}

void Run::Key(const std::string& keyText) {
    if (program_.ended()) throw Failure{"the program has ended"};
    Modifiers modifiers = Modifiers::None;
    std::string rest = keyText;
    for (;;) {
        if (rest.rfind("Shift+", 0) == 0) modifiers |= Modifiers::Shift, rest.erase(0, 6);
        else if (rest.rfind("Ctrl+", 0) == 0) modifiers |= Modifiers::Ctrl, rest.erase(0, 5);
        else if (rest.rfind("Alt+", 0) == 0) modifiers |= Modifiers::Alt, rest.erase(0, 4);
        else break;
    }
    // Escape and the letters stand for the keys no rule names.
    zel::Key key = zel::Key::Other;
    const auto named = std::find(kKeyNames.begin() + 1, kKeyNames.end(), rest);
    if (named != kKeyNames.end())
        key = static_cast<zel::Key>(named - kKeyNames.begin());
    else if (rest != "Escape" && !(rest.size() == 1 && rest[0] >= 'A' && rest[0] <= 'Z'))
        throw ParseError{"unknown key " + rest};
    program_.UserKey(key, modifiers);
}

void Run::Execute(const std::vector<Token>& t) {
    const std::string& verb = t[0].text;
    if (verb == "clock") {
        Need(t, 3);
        clock_.now = ParseClock(t[1].text, t[2].text);
    } else if (verb == "start") {
        Need(t, 1);
        program_.Start();
    } else if (verb == "focus") {
        Need(t, 2);
        const ControlId id = ActionControl(t[1].text);
        if (!program_.activeWindow()->form().CanFocusByClick(*program_.activeWindow()->form().Find(id)))
            throw Failure{t[1].text + " cannot take the focus"};
        program_.UserFocus(id);
    } else if (verb == "click") {
        Need(t, 2);
        program_.UserClick(ActionControl(t[1].text));
    } else if (verb == "dblclick") {
        Need(t, 2);
        program_.UserDblClick(ActionControl(t[1].text));
    } else if (verb == "type") {
        Need(t, 2);
        if (!t[1].quoted) throw ParseError{"type wants a quoted text"};
        if (program_.ended()) throw Failure{"the program has ended"};
        Control* focused = program_.activeWindow()->form().focus();
        if (!focused || focused->kind() != Kind::TextBox) throw Failure{"the focus is not in a text box"};
        program_.UserType(focused->id(), FromUtf8(t[1].text));
    } else if (verb == "key") {
        Need(t, 2);
        Key(t[1].text);
    } else if (verb == "answer") {
        Need(t, 2);
        if (t[1].text == "OK") messages_.answers.push_back(MessageAnswer::Ok);
        else if (t[1].text == "Cancel") messages_.answers.push_back(MessageAnswer::Cancel);
        else throw ParseError{"answer OK or Cancel"};
    } else if (verb == "close") {
        Need(t, 1);
        RequireCalculatorInput();
        program_.UserClose();
    } else if (verb == "closemanual") {
        Need(t, 1);
        if (!program_.manual()) throw Failure{"the manual window is not open"};
        program_.UserCloseManual();
    } else if (verb == "resizemanual") {
        Need(t, 3);
        if (!program_.manual()) throw Failure{"the manual window is not open"};
        program_.UserResizeManual(Real(t[1].text), Real(t[2].text));
    } else if (verb == "print") {
        Need(t, 2);
        Control& c = StateControl(t[1].text);
        const Form& form = c.name() == "txtManu" ? program_.manual()->form() : CalculatorForm();
        std::cout << Describe(form, c) << '\n';
    } else if (verb == "expect") {
        Expect(t);
    } else {
        throw ParseError{"unknown command " + verb};
    }
}

void Run::Expect(const std::vector<Token>& t) {
    if (t.size() < 2) throw ParseError{"expect what?"};
    const std::string& what = t[1].text;
    auto got = [](const std::string& expected, const std::string& actual) {
        return Failure{"expected " + expected + ", got " + actual};
    };
    if (what == "visible" || what == "hidden") {
        Need(t, 3);
        const Control& c = StateControl(t[2].text);
        const bool wantVisible = what == "visible";
        if (c.visible != wantVisible)
            throw got(t[2].text + " " + what, t[2].text + (c.visible ? " visible" : " hidden"));
    } else if (what == "selected") {
        Need(t, 3);
        const Control& c = StateControl(t[2].text);
        if (!c.selected) throw got(t[2].text + " selected", t[2].text + " not selected");
    } else if (what == "focus") {
        Need(t, 3);
        Window* window = program_.activeWindow();
        const Control* focus = window ? window->form().focus() : nullptr;
        const std::string actual = focus ? focus->id().ToString() : "no focus";
        if (actual != t[2].text) throw got("focus " + t[2].text, "focus " + actual);
    } else if (what == "back") {
        Need(t, 5);
        if (t[3].text != "=") throw ParseError{"expect back CONTROL = COLOUR"};
        const auto colour = NamedColour(t[4].text);
        if (!colour) throw ParseError{"unknown colour " + t[4].text};
        const Control& c = StateControl(t[2].text);
        if (!(c.back == *colour)) throw got("back " + t[4].text, "back " + ColourName(c.back));
    } else if (what == "message") {
        if (t.size() != 3 && !(t.size() == 5 && t[3].text == "title"))
            throw ParseError{"expect message \"TEXT\" [title \"TITLE\"]"};
        const std::u16string text = FromUtf8(t[2].text);
        const std::u16string title = t.size() == 5 ? FromUtf8(t[4].text) : std::u16string(messages::kTitle);
        if (messages_.shown.empty()) throw got("message " + Quote(text), "no message");
        const ShownMessage shown = messages_.shown.front();
        messages_.shown.pop_front();
        if (shown.text != text) throw got("message " + Quote(text), "message " + Quote(shown.text));
        if (shown.title != title) throw got("title " + Quote(title), "title " + Quote(shown.title));
    } else if (what == "marks") {
        // expect marks "済済未未": the four status marks in order, each with its colour.
        const std::u16string marks = t.size() == 3 ? FromUtf8(t[2].text) : std::u16string();
        if (marks.size() != 4) throw ParseError{"expect marks \"MMMM\" (four of 未 and 済)"};
        std::u16string actual;
        bool match = true;
        for (int i = 0; i < 4; ++i) {
            const Control& mark = StateControl("Label6(" + std::to_string(i) + ")");
            const bool done = marks[static_cast<std::size_t>(i)] == u'済';
            const bool coloured = mark.fore == (mark.text == u"済" ? kBlue : kRed);
            actual += coloured ? mark.text : mark.text + u"(" + FromUtf8(ColourName(mark.fore)) + u")";
            match = match && mark.text == std::u16string(1, done ? u'済' : u'未') && coloured;
        }
        if (!match) throw got("marks " + Quote(marks), "marks " + Quote(actual));
    } else if (what == "no") {
        if (t.size() != 3 || t[2].text != "message") throw ParseError{"expect no message"};
        if (!messages_.shown.empty()) throw got("no message", "message " + Quote(messages_.shown.front().text));
    } else if (what == "window") {
        Need(t, 3);
        std::string actual = "none";
        if (Window* w = program_.calculator()) actual = w->form().design().name == FullWindowDesign().name ? "full" : "mini";
        if (actual != t[2].text) throw got("window " + t[2].text, "window " + actual);
    } else if (what == "manual") {
        Need(t, 3);
        const std::string actual = program_.manual() ? "open" : "closed";
        if (actual != t[2].text) throw got("manual " + t[2].text, "manual " + actual);
    } else if (what == "manualsize") {
        Need(t, 6);
        ManualWindow* manual = program_.manual();
        if (!manual) throw got("manual open", "manual closed");
        const Control& box = manual->form()("txtManu");
        const std::string expected = t[2].text + " " + t[3].text + " " + t[4].text + " " + t[5].text;
        const std::string actual = FormatNumber(manual->outerWidth()) + " " + FormatNumber(manual->outerHeight()) +
                                   " " + std::to_string(box.rect.width) + " " + std::to_string(box.rect.height);
        if (Real(t[2].text) != manual->outerWidth() || Real(t[3].text) != manual->outerHeight() ||
            Integer(t[4].text) != box.rect.width || Integer(t[5].text) != box.rect.height)
            throw got("manualsize " + expected, "manualsize " + actual);
    } else {
        // expect CONTROL = "TEXT" [red|blue]
        if (t.size() < 4 || t[2].text != "=" || !t[3].quoted || t.size() > 5)
            throw ParseError{"expect CONTROL = \"TEXT\" [red|blue]"};
        const Control& c = StateControl(what);
        const std::u16string text = FromUtf8(t[3].text);
        if (c.text != text) throw got(what + " = " + Quote(text), what + " = " + Quote(c.text));
        if (t.size() == 5) {
            const auto colour = NamedColour(t[4].text);
            if (!colour || (t[4].text != "red" && t[4].text != "blue")) throw ParseError{"colour red or blue"};
            if (!(c.fore == *colour)) throw got(what + " " + t[4].text, what + " " + ColourName(c.fore));
        }
    }
}

std::string BaseName(const std::string& path) {
    const auto slash = path.find_last_of('/');
    std::string name = slash == std::string::npos ? path : path.substr(slash + 1);
    if (name.size() > 4 && name.compare(name.size() - 4, 4, ".scn") == 0) name.resize(name.size() - 4);
    return name;
}

}  // namespace

Outcome RunText(const std::string& name, const std::string& text, std::ostream* transcript) {
    Run run(transcript);
    std::istringstream lines(text);
    std::string line;
    int number = 0;
    try {
        while (std::getline(lines, line)) {
            ++number;
            std::vector<Token> tokens;
            try {
                tokens = Tokenise(line);
            } catch (const ParseError& e) {
                return {false, "FAIL " + name + ":" + std::to_string(number) + ": " + e.what};
            }
            if (tokens.empty()) continue;
            if (transcript) *transcript << name << ":" << number << ": " << line << '\n';
            run.Execute(tokens);
        }
        ++number;
        run.Finish();
    } catch (const Failure& f) {
        return {false, "FAIL " + name + ":" + std::to_string(number) + ": " + f.what};
    } catch (const ParseError& e) {
        return {false, "FAIL " + name + ":" + std::to_string(number) + ": " + e.what};
    }
    return {true, "PASS " + name};
}

Outcome RunFile(const std::string& path, std::ostream* transcript) {
    std::ifstream in(path, std::ios::binary);
    if (!in) return {false, "FAIL " + BaseName(path) + ":0: cannot read " + path};
    std::ostringstream text;
    text << in.rdbuf();
    return RunText(BaseName(path), text.str(), transcript);
}

}  // namespace zel::scenario
