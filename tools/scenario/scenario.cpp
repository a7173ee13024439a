#include "tools/scenario/scenario.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <fstream>
#include <iostream>
#include <optional>
#include <span>
#include <sstream>
#include <string_view>
#include <vector>

#include "core/text.h"
#include "tools/scenario/layer_driver.h"
#include "ui/messages.h"

namespace zel::scenario {

MessageAnswer MessageLog::Answer(Box box) {
    MessageAnswer answer = MessageAnswer::Ok;
    if (box.buttons == MessageButtons::OkCancel && !answers.empty()) {
        answer = answers.front();
        answers.pop_front();
    }
    if (transcript_)
        *transcript_ << "    [" << ToUtf8(box.title) << "] answered " << (answer == MessageAnswer::Ok ? "OK" : "Cancel")
                     << '\n';
    unchecked.push_back(std::move(box));
    return answer;
}

const DesignRow* RowOf(const WindowDesign& design, const ControlId& id) {
    for (const DesignRow& row : design.rows)
        if (row.name == id.name && row.index == id.index) return &row;
    return nullptr;
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

namespace {

// ---- Reading a line

struct Token {
    std::string text;
    bool quoted = false;
};

using ParseError = Failure;

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

std::optional<Colour> NamedColour(const std::string& name) {
    if (name == "lightyellow") return kLightYellow;
    if (name == "window") return kWindowBack;
    if (name == "yellow") return kYellow;
    if (name == "lightgrey") return kLightGrey;
    if (name == "red") return kRed;
    if (name == "blue") return kBlue;
    return std::nullopt;
}

std::string FormatNumber(double value) {
    std::ostringstream out;
    out << value;
    return out.str();
}

// ---- Running

Failure Got(const std::string& expected, const std::string& actual) {
    return Failure{"expected " + expected + ", got " + actual};
}

using Tokens = std::vector<Token>;
class Run;

// A command of the scenario language: the words that name it, how it is written and what it
// means (the usage text is made of these two), how many words its line has (0: it counts them
// itself), and what it does.
struct Command {
    std::string_view verb;
    std::string_view what;     // an expectation's second word; empty for other commands and for `expect CONTROL`
    std::string_view form;
    std::string_view meaning;  // a line break goes on below the first line
    std::size_t words;
    void (*run)(Run& run, const Tokens& t);
};

// One scenario's run: the language's checks and expectations over a driver.
class Run {
public:
    Run(Driver& driver, MessageLog& messages) : driver_(driver), messages_(messages) {}

    // The commands in the order the usage text lists them. An expectation named by its second
    // word comes before `expect CONTROL`, which takes any other second word.
    static std::span<const Command> Commands();
    void Execute(const Tokens& t);
    void Finish() {
        if (!messages_.unchecked.empty())
            throw Failure{"expected no further message, got " + Quote(messages_.unchecked.front().text)};
    }

private:
    const WindowDesign& CalculatorWindow() {
        const WindowDesign* design = driver_.CalculatorWindow();
        if (!design) throw Failure{"no calculator window is open"};
        return *design;
    }
    // A control whose state an expectation reads: the manual's box while the manual is open,
    // otherwise a control of the calculator window.
    ControlId StateControl(const std::string& text) {
        const auto id = ControlId::Parse(text);
        if (!id) throw Failure{"not a control: " + text};
        if (id->name == "txtManu") {
            if (!driver_.ManualOpen()) throw Failure{"the manual window is not open"};
            return *id;
        }
        if (!RowOf(CalculatorWindow(), *id)) throw Failure{"the open window has no " + text};
        return *id;
    }
    // A control a user action is addressed to: it must be shown in the window that takes input
    // (a release goes to the control its press went to, even one the press hid).
    ControlId ActionControl(const std::string& text, bool shown = true) {
        if (driver_.Ended()) throw Failure{"the program has ended"};
        const auto id = ControlId::Parse(text);
        if (!id) throw Failure{"not a control: " + text};
        switch (driver_.Reachable(*id)) {
            case Reach::Yes: return *id;
            case Reach::NoWindow: throw Failure{"no window is open"};
            case Reach::Missing:
                if (driver_.ManualOpen()) throw Failure{"the manual window is open; " + text + " cannot be reached"};
                throw Failure{"the open window has no " + text};
            case Reach::Hidden:
                if (!shown) return *id;
                break;
        }
        throw Failure{text + " is hidden"};
    }
    // The kind of a control of the window that takes input.
    Kind InputKind(const ControlId& id) {
        const WindowDesign* design = driver_.InputWindow();
        const DesignRow* row = design ? RowOf(*design, id) : nullptr;
        if (!row) throw Failure{"the open window has no " + id.ToString()};
        return row->kind;
    }
    void RequireCalculatorInput() {
        if (driver_.Ended()) throw Failure{"the program has ended"};
        if (driver_.ManualOpen()) throw Failure{"the manual window is open"};
        if (!driver_.CalculatorWindow()) throw Failure{"no calculator window is open"};
    }

    void Key(const std::string& keyText);
    void ExpectMessage(const Tokens& t);
    void ExpectMarks(const Tokens& t);
    void ExpectManualSize(const Tokens& t);
    void ExpectText(const Tokens& t);

    Driver& driver_;
    MessageLog& messages_;
};

void Need(const std::vector<Token>& t, std::size_t count) {
    if (t.size() != count) throw ParseError{"expected " + std::to_string(count - 1) + " argument(s) to " + t[0].text};
}

// The whole of `text` as a number.
template <typename Number>
Number Read(const std::string& text) {
    Number value = 0;
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

// The mouse button named at t[at], left when the line ends before it (`trailing` words after it
// are the caller's).
MouseButton Button(const Tokens& t, std::size_t at, std::size_t trailing = 0) {
    if (t.size() < at + trailing || t.size() > at + 1 + trailing)
        throw ParseError{"expected a control and at most a button"};
    if (t.size() == at + trailing) return MouseButton::Left;
    for (const MouseButton button : {MouseButton::Right, MouseButton::Middle})
        if (t[at].text == ButtonName(button)) return button;
    throw ParseError{"unknown mouse button " + t[at].text};
}

void Run::Key(const std::string& keyText) {
    if (driver_.Ended()) throw Failure{"the program has ended"};
    KeyPress press{zel::Key::Other, keyText, Modifiers::None};
    std::string& rest = press.name;
    for (;;) {
        if (rest.rfind("Shift+", 0) == 0) press.modifiers |= Modifiers::Shift, rest.erase(0, 6);
        else if (rest.rfind("Ctrl+", 0) == 0) press.modifiers |= Modifiers::Ctrl, rest.erase(0, 5);
        else if (rest.rfind("Alt+", 0) == 0) press.modifiers |= Modifiers::Alt, rest.erase(0, 4);
        else break;
    }
    // Escape and the letters stand for the keys no rule names.
    // The keys are numbered from Other on, up to the first number KeyName knows no name for.
    for (int k = 1; !KeyName(static_cast<zel::Key>(k)).empty(); ++k)
        if (KeyName(static_cast<zel::Key>(k)) == rest) press.key = static_cast<zel::Key>(k);
    if (press.key == zel::Key::Other && rest != "Escape" && !(rest.size() == 1 && rest[0] >= 'A' && rest[0] <= 'Z'))
        throw ParseError{"unknown key " + rest};
    driver_.Key(press);
}

std::span<const Command> Run::Commands() {
    constexpr auto shown = [](Run& r, const Tokens& t) {
        const bool visible = r.driver_.Visible(r.StateControl(t[2].text));
        if (visible != (t[1].text == "visible"))
            throw Got(t[2].text + " " + t[1].text, t[2].text + (visible ? " visible" : " hidden"));
    };
    static const Command commands[] = {
        {"clock", "", "clock 2001-07-15 10:20:30",
         "the local date and time the clock gives from now on (default: this one)", 3,
         [](Run& r, const Tokens& t) { r.driver_.SetClock(ParseClock(t[1].text, t[2].text)); }},
        {"start", "", "start", "the program starts: full window created, loaded, shown, activated", 1,
         [](Run& r, const Tokens&) { r.driver_.Start(); }},
        {"focus", "", "focus CONTROL", "the user moves the focus there (as by Tab or a click that only focuses)", 2,
         [](Run& r, const Tokens& t) {
             const ControlId id = r.ActionControl(t[1].text);
             const Kind kind = r.InputKind(id);
             if (kind != Kind::TextBox && kind != Kind::Button && kind != Kind::Option)
                 throw Failure{t[1].text + " cannot take the focus"};
             r.driver_.Focus(id);
         }},
        {"click", "", "click CONTROL [right|middle]",
         "mouse click: focusable visible controls take the focus first, then the click\n"
         "(no click when that focus move showed a message box); only the left button\n"
         "clicks, any button focuses a text box",
         0,
         [](Run& r, const Tokens& t) {
             const MouseButton button = Button(t, 2);
             r.driver_.Click(r.ActionControl(t[1].text), button);
         }},
        {"press", "", "press CONTROL [right|middle]", "a mouse button goes down on the control (a click's first half)", 0,
         [](Run& r, const Tokens& t) {
             const MouseButton button = Button(t, 2);
             r.driver_.Press(r.ActionControl(t[1].text), button);
         }},
        {"release", "", "release CONTROL [right|middle] [away]",
         "the button that went down on the control comes up over it, or away from it", 0,
         [](Run& r, const Tokens& t) {
             const bool away = t.back().text == "away";
             const MouseButton button = Button(t, 2, away ? 1 : 0);
             r.driver_.Release(r.ActionControl(t[1].text, false), button, !away);
         }},
        {"dblclick", "", "dblclick CONTROL",
         "left double click: a click, then the second press and its release (on a\n"
         "button, a second click)",
         2, [](Run& r, const Tokens& t) { r.driver_.DblClick(r.ActionControl(t[1].text)); }},
        {"type", "", "type \"TEXT\"", "the user replaces the whole text of the focused text box", 2,
         [](Run& r, const Tokens& t) {
             if (!t[1].quoted) throw ParseError{"type wants a quoted text"};
             if (r.driver_.Ended()) throw Failure{"the program has ended"};
             const auto focused = r.driver_.FocusOwner();
             if (!focused || r.InputKind(*focused) != Kind::TextBox) throw Failure{"the focus is not in a text box"};
             r.driver_.Type(*focused, FromUtf8(t[1].text));
         }},
        {"key", "", "key KEY",
         "key down on the focused control: Enter, Tab, Escape, Space, Left, Up, Right,\n"
         "Down or a letter; with modifiers Shift+, Ctrl+, Alt+ (Ctrl+Enter)",
         2, [](Run& r, const Tokens& t) { r.Key(t[1].text); }},
        {"answer", "", "answer OK|Cancel", "the answer to the next message box that offers a choice (default OK)", 2,
         [](Run& r, const Tokens& t) {
             if (t[1].text == "OK") r.messages_.answers.push_back(MessageAnswer::Ok);
             else if (t[1].text == "Cancel") r.messages_.answers.push_back(MessageAnswer::Cancel);
             else throw ParseError{"answer OK or Cancel"};
         }},
        {"close", "", "close", "the close box of the open calculator window", 1,
         [](Run& r, const Tokens&) {
             r.RequireCalculatorInput();
             r.driver_.Close();
         }},
        {"closemanual", "", "closemanual", "the close box of the manual window", 1,
         [](Run& r, const Tokens&) {
             if (!r.driver_.ManualOpen()) throw Failure{"the manual window is not open"};
             r.driver_.CloseManual();
         }},
        {"resizemanual", "", "resizemanual W H", "the user resizes the manual window to outer size W × H twips", 3,
         [](Run& r, const Tokens& t) {
             if (!r.driver_.ManualOpen()) throw Failure{"the manual window is not open"};
             r.driver_.ResizeManual(Read<double>(t[1].text), Read<double>(t[2].text));
         }},
        {"print", "", "print CONTROL", "prints the control's state on one line, checks nothing", 2,
         [](Run& r, const Tokens& t) { std::cout << r.driver_.Describe(r.StateControl(t[1].text)) << '\n'; }},
        {"expect", "visible", "expect visible CONTROL", "the control is visible", 3, shown},
        {"expect", "hidden", "expect hidden CONTROL", "the control is hidden", 3, shown},
        {"expect", "selected", "expect selected OPTION", "the option is selected", 3,
         [](Run& r, const Tokens& t) {
             if (!r.driver_.Selected(r.StateControl(t[2].text)))
                 throw Got(t[2].text + " selected", t[2].text + " not selected");
         }},
        {"expect", "focus", "expect focus CONTROL",
         "the focus owner of the window that takes input (the manual's while open)", 3,
         [](Run& r, const Tokens& t) {
             const auto focus = r.driver_.FocusOwner();
             const std::string actual = focus ? focus->ToString() : "no focus";
             if (actual != t[2].text) throw Got("focus " + t[2].text, "focus " + actual);
         }},
        {"expect", "back", "expect back CONTROL = COLOUR",
         "the background colour: lightyellow, window, yellow or lightgrey", 5,
         [](Run& r, const Tokens& t) {
             if (t[3].text != "=") throw ParseError{"expect back CONTROL = COLOUR"};
             const auto colour = NamedColour(t[4].text);
             if (!colour) throw ParseError{"unknown colour " + t[4].text};
             const Colour back = r.driver_.Back(r.StateControl(t[2].text));
             if (!(back == *colour)) throw Got("back " + t[4].text, "back " + ColourName(back));
         }},
        {"expect", "message", "expect message \"TEXT\"",
         "the oldest unconsumed message box had this text (title \"Zelvorin\" unless\n`title \"…\"` follows)", 0,
         [](Run& r, const Tokens& t) { r.ExpectMessage(t); }},
        {"expect", "marks", "expect marks \"MMMM\"",
         "the four status marks Label6(0)…Label6(3), each M 済 in blue or 未 in red", 0,
         [](Run& r, const Tokens& t) { r.ExpectMarks(t); }},
        {"expect", "no", "expect no message", "no unconsumed message box", 0,
         [](Run& r, const Tokens& t) {
             if (t.size() != 3 || t[2].text != "message") throw ParseError{"expect no message"};
             if (!r.messages_.unchecked.empty())
                 throw Got("no message", "message " + Quote(r.messages_.unchecked.front().text));
         }},
        {"expect", "window", "expect window full|mini|none",
         "which calculator window is open (none: the program has ended)", 3,
         [](Run& r, const Tokens& t) {
             std::string actual = "none";
             if (const WindowDesign* design = r.driver_.CalculatorWindow())
                 actual = design->name == FullWindowDesign().name ? "full" : "mini";
             if (actual != t[2].text) throw Got("window " + t[2].text, "window " + actual);
         }},
        {"expect", "manual", "expect manual open|closed", "whether the manual window is open", 3,
         [](Run& r, const Tokens& t) {
             const std::string actual = r.driver_.ManualOpen() ? "open" : "closed";
             if (actual != t[2].text) throw Got("manual " + t[2].text, "manual " + actual);
         }},
        {"expect", "manualsize", "expect manualsize W H BW BH",
         "outer size of the manual window and size of its text box, in twips", 6,
         [](Run& r, const Tokens& t) { r.ExpectManualSize(t); }},
        {"expect", "", "expect CONTROL = \"TEXT\" [red|blue]",
         "text of a text box, caption of a label, button or frame; with red or blue,\nalso its fore colour", 0,
         [](Run& r, const Tokens& t) { r.ExpectText(t); }},
    };
    return commands;
}

void Run::ExpectMessage(const Tokens& t) {
    if (t.size() != 3 && !(t.size() == 5 && t[3].text == "title"))
        throw ParseError{"expect message \"TEXT\" [title \"TITLE\"]"};
    const std::u16string text = FromUtf8(t[2].text);
    const std::u16string title = t.size() == 5 ? FromUtf8(t[4].text) : std::u16string(messages::kTitle);
    if (messages_.unchecked.empty()) throw Got("message " + Quote(text), "no message");
    const MessageLog::Box shown = messages_.unchecked.front();
    messages_.unchecked.pop_front();
    if (shown.text != text) throw Got("message " + Quote(text), "message " + Quote(shown.text));
    if (shown.title != title) throw Got("title " + Quote(title), "title " + Quote(shown.title));
}

void Run::ExpectMarks(const Tokens& t) {
    const std::u16string marks = t.size() == 3 ? FromUtf8(t[2].text) : std::u16string();
    if (marks.size() != 4) throw ParseError{"expect marks \"MMMM\" (four of 未 and 済)"};
    std::u16string actual;
    bool match = true;
    for (int i = 0; i < 4; ++i) {
        const ControlId mark = StateControl("Label6(" + std::to_string(i) + ")");
        const std::u16string text = driver_.Text(mark);
        const Colour fore = driver_.Fore(mark);
        const bool done = marks[static_cast<std::size_t>(i)] == u'済';
        const bool coloured = fore == (text == u"済" ? kBlue : kRed);
        actual += coloured ? text : text + u"(" + FromUtf8(ColourName(fore)) + u")";
        match = match && text == std::u16string(1, done ? u'済' : u'未') && coloured;
    }
    if (!match) throw Got("marks " + Quote(marks), "marks " + Quote(actual));
}

void Run::ExpectManualSize(const Tokens& t) {
    if (!driver_.ManualOpen()) throw Got("manual open", "manual closed");
    const ManualSize size = driver_.ManualWindowSize();
    const std::string expected = t[2].text + " " + t[3].text + " " + t[4].text + " " + t[5].text;
    const std::string actual = FormatNumber(size.outerWidth) + " " + FormatNumber(size.outerHeight) + " " +
                               FormatNumber(size.boxWidth) + " " + FormatNumber(size.boxHeight);
    const auto near = [&](double expected, double actual) { return std::abs(expected - actual) <= size.tolerance; };
    if (!near(Read<double>(t[2].text), size.outerWidth) || !near(Read<double>(t[3].text), size.outerHeight) ||
        !near(Read<int>(t[4].text), size.boxWidth) || !near(Read<int>(t[5].text), size.boxHeight))
        throw Got("manualsize " + expected, "manualsize " + actual);
}

void Run::ExpectText(const Tokens& t) {
    if (t.size() < 2) throw ParseError{"expect what?"};
    if (t.size() < 4 || t[2].text != "=" || !t[3].quoted || t.size() > 5)
        throw ParseError{"expect CONTROL = \"TEXT\" [red|blue]"};
    const std::string& what = t[1].text;
    const ControlId id = StateControl(what);
    const std::u16string text = FromUtf8(t[3].text);
    const std::u16string actual = driver_.Text(id);
    if (actual != text) throw Got(what + " = " + Quote(text), what + " = " + Quote(actual));
    if (t.size() == 5) {
        const auto colour = NamedColour(t[4].text);
        if (!colour || (t[4].text != "red" && t[4].text != "blue")) throw ParseError{"colour red or blue"};
        const Colour fore = driver_.Fore(id);
        if (!(fore == *colour)) throw Got(what + " " + t[4].text, what + " " + ColourName(fore));
    }
}

void Run::Execute(const Tokens& t) {
    for (const Command& command : Commands()) {
        if (t[0].text != command.verb) continue;
        if (!command.what.empty() && (t.size() < 2 || t[1].text != command.what)) continue;
        if (command.words != 0) Need(t, command.words);
        return command.run(*this, t);
    }
    throw ParseError{"unknown command " + t[0].text};
}

std::string BaseName(const std::string& path) {
    const auto slash = path.find_last_of("/\\");
    std::string name = slash == std::string::npos ? path : path.substr(slash + 1);
    if (name.size() > 4 && name.compare(name.size() - 4, 4, ".scn") == 0) name.resize(name.size() - 4);
    return name;
}

}  // namespace

Outcome RunText(const std::string& name, const std::string& text, const NewDriver& newDriver,
                std::ostream* transcript) {
    MessageLog messages(transcript);
    std::istringstream lines(text);
    std::string line;
    int number = 0;
    try {
        const std::unique_ptr<Driver> driver = newDriver(messages, transcript);
        Run run(*driver, messages);
        while (std::getline(lines, line)) {
            ++number;
            const std::vector<Token> tokens = Tokenise(line);
            if (tokens.empty()) continue;
            if (transcript) *transcript << name << ":" << number << ": " << line << '\n';
            run.Execute(tokens);
        }
        ++number;
        run.Finish();
    } catch (const Failure& f) {
        return {false, "FAIL " + name + ":" + std::to_string(number) + ": " + f.what};
    }
    return {true, "PASS " + name};
}

Outcome RunText(const std::string& name, const std::string& text, std::ostream* transcript) {
    return RunText(name, text, NewLayerDriver, transcript);
}

std::string CommandsUsage() {
    constexpr std::size_t kColumn = 31;  // where the meanings start
    std::string usage;
    for (const Command& command : Run::Commands()) {
        std::string line(command.form);
        if (line.size() + 2 > kColumn) {
            usage += line + '\n';
            line.clear();
        }
        line.resize(kColumn, ' ');
        for (const char c : command.meaning) line += c == '\n' ? '\n' + std::string(kColumn, ' ') : std::string(1, c);
        usage += line + '\n';
    }
    return usage;
}

Outcome RunFile(const std::string& path, const NewDriver& newDriver, std::ostream* transcript) {
    std::ifstream in(path, std::ios::binary);
    if (!in) return {false, "FAIL " + BaseName(path) + ":0: cannot read " + path};
    std::ostringstream text;
    text << in.rdbuf();
    return RunText(BaseName(path), text.str(), newDriver, transcript);
}

Outcome RunFile(const std::string& path, std::ostream* transcript) {
    return RunFile(path, NewLayerDriver, transcript);
}

int Main(const std::vector<std::string>& arguments, const std::string& usage, const NewDriver& newDriver) {
    bool verbose = false;
    std::vector<std::string> files;
    for (const std::string& argument : arguments) {
        if (argument == "-v")
            verbose = true;
        else
            files.push_back(argument);
    }
    if (files.empty()) {
        std::cerr << usage << "\nA scenario file holds one command a line:\n" << CommandsUsage();
        return 2;
    }
    int passed = 0;
    int failed = 0;
    for (const std::string& file : files) {
        const auto outcome = RunFile(file, newDriver, verbose ? &std::cout : nullptr);
        std::cout << outcome.report << '\n';
        (outcome.passed ? passed : failed)++;
    }
    std::cout << passed << " passed, " << failed << " failed\n";
    return failed == 0 ? 0 : 1;
}

}  // namespace zel::scenario
