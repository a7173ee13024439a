#include "tools/scenario/win32/window_driver.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <map>
#include <optional>
#include <sstream>
#include <vector>

#include "core/text.h"
#include "tests/support/fake_services.h"
#include "ui/win32/appearance.h"
#include "ui/win32/form_window.h"
#include "ui/win32/message_boxes.h"
#include "ui/win32/view.h"
#include "ui/zelvorin.h"

namespace zel::scenario::win32 {

namespace {

using zel::win32::kCalculatorClass;
using zel::win32::kFirstControlId;
using zel::win32::kManualClass;

// What lives on the UI thread for one scenario: the program with its scripted clock, the
// system's message boxes and the view.
struct Session {
    FakeClock clock;
    zel::win32::SystemMessageBoxes boxes;
    Zelvorin program{boxes, clock};
    zel::win32::View view{program, GetModuleHandleW(nullptr)};
    Session() { view.Attach(boxes); }
};

// How long the program may take to settle after an action before the run gives up on it.
constexpr DWORD kSettleLimitMs = 20000;
// The longest text `type` types character by character; a longer one is pasted.
constexpr std::size_t kLongestTyped = 40;

void ToClipboard(const std::u16string& text) {
    if (!OpenClipboard(nullptr)) throw Failure{"the clipboard cannot be opened"};
    EmptyClipboard();
    const std::size_t bytes = (text.size() + 1) * sizeof(char16_t);
    HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, bytes);
    std::memcpy(GlobalLock(memory), text.c_str(), bytes);
    GlobalUnlock(memory);
    const bool set = SetClipboardData(CF_UNICODETEXT, memory) != nullptr;
    CloseClipboard();
    if (!set) throw Failure{"the clipboard did not take the text"};
}

std::u16string TextOf(HWND window) {
    DWORD_PTR length = 0;
    if (!SendMessageTimeoutW(window, WM_GETTEXTLENGTH, 0, 0, SMTO_NORMAL, kSettleLimitMs, &length))
        throw Failure{"a window did not tell its text"};
    std::u16string text(length + 1, u'\0');
    DWORD_PTR copied = 0;
    SendMessageTimeoutW(window, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()), SMTO_NORMAL,
                        kSettleLimitMs, &copied);
    text.resize(copied);
    return text;
}

std::wstring ClassOf(HWND window) {
    wchar_t name[64] = {};
    GetClassNameW(window, name, 64);
    return name;
}

RECT ScreenRect(HWND window) {
    RECT rect{};
    GetWindowRect(window, &rect);
    return rect;
}

POINT Centre(const RECT& rect) { return {(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2}; }

// ---- Colours from pixels

using Rgb = std::uint32_t;  // 0xRRGGBB

int Distance(Rgb a, Rgb b) {
    int sum = 0;
    for (int shift : {0, 8, 16}) sum += std::abs(static_cast<int>((a >> shift) & 0xFF) - static_cast<int>((b >> shift) & 0xFF));
    return sum;
}

Rgb RgbOf(COLORREF colour) { return (GetRValue(colour) << 16) | (GetGValue(colour) << 8) | GetBValue(colour); }

// The design colour a painted pixel shows: one the design names when the pixel is that colour
// (or nearly, as the edge of a smoothed glyph), else the pixel's own.
Colour ColourOf(Rgb pixel) {
    static constexpr std::array known{kRed, kBlue, kGrey, kLightYellow, kYellow, kLightGrey, kWindowBack, kWindowText,
                                      kButtonFace};
    const Colour* nearest = nullptr;
    int best = 3 * 256;
    for (const Colour& colour : known) {
        const int distance = Distance(pixel, RgbOf(zel::win32::ToColorRef(colour)));
        if (distance < best) best = distance, nearest = &colour;
    }
    if (nearest && best <= 24) return *nearest;
    return Colour::Rgb(static_cast<int>(pixel >> 16), static_cast<int>((pixel >> 8) & 0xFF),
                       static_cast<int>(pixel & 0xFF));
}

// The client area of a window as painted, a pixel a value, with how often each colour occurs.
struct Picture {
    std::map<Rgb, int> counts;

    explicit Picture(HWND window) {
        RECT client{};
        GetClientRect(window, &client);
        const int width = client.right, height = client.bottom;
        if (width <= 0 || height <= 0) return;
        HDC source = GetDC(window);
        HDC memory = CreateCompatibleDC(source);
        BITMAPINFO info{};
        info.bmiHeader.biSize = sizeof info.bmiHeader;
        info.bmiHeader.biWidth = width;
        info.bmiHeader.biHeight = -height;
        info.bmiHeader.biPlanes = 1;
        info.bmiHeader.biBitCount = 32;
        info.bmiHeader.biCompression = BI_RGB;
        void* bits = nullptr;
        HBITMAP bitmap = CreateDIBSection(memory, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
        HGDIOBJ old = SelectObject(memory, bitmap);
        BitBlt(memory, 0, 0, width, height, source, 0, 0, SRCCOPY);
        GdiFlush();
        const auto* pixels = static_cast<const std::uint32_t*>(bits);
        for (int i = 0; i < width * height; ++i) ++counts[pixels[i] & 0xFFFFFF];
        SelectObject(memory, old);
        DeleteObject(bitmap);
        DeleteDC(memory);
        ReleaseDC(window, source);
    }

    // The colour most of the area shows.
    Rgb Background() const {
        return std::max_element(counts.begin(), counts.end(),
                                [](const auto& a, const auto& b) { return a.second < b.second; })
            ->first;
    }
    // The colour of the text: the most frequent of the colours far from the background (the
    // smoothed edges of the glyphs lie between the two).
    Rgb Foreground() const {
        const Rgb back = Background();
        int farthest = 0;
        for (const auto& [colour, count] : counts) farthest = std::max(farthest, Distance(colour, back));
        Rgb fore = back;
        int most = 0;
        for (const auto& [colour, count] : counts)
            if (Distance(colour, back) * 2 > farthest && count > most) most = count, fore = colour;
        return fore;
    }
};

// ---- Input

INPUT KeyInput(WORD virtualKey, bool up) {
    INPUT input{};
    input.type = INPUT_KEYBOARD;
    input.ki.wVk = virtualKey;
    input.ki.wScan = static_cast<WORD>(MapVirtualKeyW(virtualKey, MAPVK_VK_TO_VSC));
    input.ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
    switch (virtualKey) {
        case VK_LEFT: case VK_UP: case VK_RIGHT: case VK_DOWN: case VK_HOME: case VK_END: case VK_DELETE:
            input.ki.dwFlags |= KEYEVENTF_EXTENDEDKEY;
    }
    return input;
}

INPUT CharacterInput(wchar_t unit, bool up) {
    INPUT input{};
    input.type = INPUT_KEYBOARD;
    input.ki.wScan = unit;
    input.ki.dwFlags = KEYEVENTF_UNICODE | (up ? KEYEVENTF_KEYUP : 0);
    return input;
}

INPUT MouseInput(DWORD flags) {
    INPUT input{};
    input.type = INPUT_MOUSE;
    input.mi.dwFlags = flags;
    return input;
}

// A key with modifiers, as the fingers press it: the modifiers down, the key down and up, the
// modifiers up.
void AddKey(std::vector<INPUT>& inputs, WORD virtualKey, Modifiers modifiers) {
    const std::pair<Modifiers, WORD> held[] = {
        {Modifiers::Ctrl, VK_CONTROL}, {Modifiers::Shift, VK_SHIFT}, {Modifiers::Alt, VK_MENU}};
    for (const auto& [modifier, key] : held)
        if (HoldsAny(modifiers, modifier)) inputs.push_back(KeyInput(key, false));
    inputs.push_back(KeyInput(virtualKey, false));
    inputs.push_back(KeyInput(virtualKey, true));
    for (auto at = std::rbegin(held); at != std::rend(held); ++at)
        if (HoldsAny(modifiers, at->first)) inputs.push_back(KeyInput(at->second, true));
}

class WindowDriver : public Driver {
public:
    WindowDriver(UiThread& ui, MessageLog& log, std::ostream* transcript)
        : ui_(ui), log_(log), transcript_(transcript) {
        Call([&] {
            session_ = std::make_unique<Session>();
            if (transcript)
                session_->program.trace = [transcript](const std::string& line) {
                    *transcript << "    " << line << '\n';
                };
        });
    }

    ~WindowDriver() override {
        // Whatever the run left up goes with the program, and a button it left down comes up.
        try {
            if (held_) {
                std::vector<INPUT> inputs{MouseInput(ButtonFlags(*held_).second)};
                Send(inputs);
            }
            Settle();
        } catch (const Failure&) {
        }
        ui_.Call([&] { session_.reset(); });
    }

    // ---- Actions

    void SetClock(const LocalDateTime& now) override {
        Call([&] { session_->clock.now = now; });
    }

    // The program starts as the user's double click on its icon would start it: posted, since
    // its start may already ask something.
    void Start() override {
        started_ = true;
        Session* session = session_.get();
        ui_.Post([session] {
            session->program.Start();
            session->view.Sync();
        });
        Settle();
    }

    // A text box takes the focus from a click; a button or option from a press that the mouse
    // then leaves before it is released, which clicks nothing.
    void Focus(const ControlId& id) override {
        if (ClassOf(InputControl(id)) == L"Edit") return Click(id, MouseButton::Left);
        Press(id, MouseButton::Left);
        Release(id, MouseButton::Left, false);
    }

    void Click(const ControlId& id, MouseButton button) override {
        ClickAt(ClickPoint(InputControl(id)), 1, button);
        Settle();
    }
    // The second click follows once the first has been handled, at the same point, so that the
    // system makes it a double click; when the first showed a message box, the user answers it
    // first and the second click is a click of its own.
    void DblClick(const ControlId& id) override {
        const POINT at = ClickPoint(InputControl(id));
        ClickAt(at, 1, MouseButton::Left);
        WaitIdle(GetTickCount() + kSettleLimitMs);
        if (Box()) Settle();
        ClickAt(at, 1, MouseButton::Left);
        Settle();
    }
    void Press(const ControlId& id, MouseButton button) override {
        HWND control = InputControl(id);
        const POINT at = ClickPoint(control);
        Activate(GetAncestor(control, GA_ROOT));
        MoveTo(at);
        std::vector<INPUT> inputs{MouseInput(ButtonFlags(button).first)};
        Send(inputs);
        lastPress_ = at;
        lastPressTick_ = GetTickCount();
        held_ = button;
        Settle();
    }
    // The mouse still rests where the press went down; away from the control it moves off first.
    void Release(const ControlId& id, MouseButton button, bool over) override {
        HWND control = ControlOf(InputTop(), id);
        if (!over && control) MoveTo(AwayFrom(control));
        std::vector<INPUT> inputs{MouseInput(ButtonFlags(button).second)};
        Send(inputs);
        held_.reset();
        Settle();
    }

    // The text is typed over the whole old one, selected with Ctrl+Home and Ctrl+Shift+End; an
    // empty text deletes the selection, and a long one is pasted with Ctrl+V (typed, each of its
    // characters would be an edit of its own for the program and the view). A control character
    // (tab, line break) cannot be typed into a one-line box, nor pasted whole (the box cuts a
    // paste at its first line break): such a text is put in as the system puts a text into a
    // box, with WM_SETTEXT.
    void Type(const ControlId& id, const std::u16string& text) override {
        HWND box = InputControl(id);
        if (std::any_of(text.begin(), text.end(), [](char16_t c) { return c < u' '; })) {
            DWORD_PTR result = 0;
            const std::wstring wide = zel::win32::ToWide(text);
            SendMessageTimeoutW(box, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(wide.c_str()), SMTO_NORMAL,
                                kSettleLimitMs, &result);
            return Settle();
        }
        Activate(GetAncestor(box, GA_ROOT));
        std::vector<INPUT> inputs;
        AddKey(inputs, VK_HOME, Modifiers::Ctrl);
        AddKey(inputs, VK_END, Modifiers::Ctrl | Modifiers::Shift);
        if (text.empty()) {
            AddKey(inputs, VK_DELETE, Modifiers::None);
        } else if (text.size() > kLongestTyped) {
            ToClipboard(text);
            AddKey(inputs, 'V', Modifiers::Ctrl);
        } else {
            for (char16_t unit : text) {
                inputs.push_back(CharacterInput(unit, false));
                inputs.push_back(CharacterInput(unit, true));
            }
        }
        Send(inputs);
        Settle();
    }

    // A letter is delivered to the focused control as its key going down and up, without the
    // character a real key would also type: the language's key is a key going down, and a
    // letter typed into a text box would be an edit. Every other key is pressed for real.
    void Key(const KeyPress& key) override {
        HWND top = InputTop();
        if (!top) return;
        if (key.key == zel::Key::Other && key.name != "Escape" && key.modifiers == Modifiers::None) {
            HWND focus = FocusWindow();
            if (!focus) return;
            const WORD virtualKey = static_cast<WORD>(key.name[0]);
            const LPARAM scan = static_cast<LPARAM>(MapVirtualKeyW(virtualKey, MAPVK_VK_TO_VSC)) << 16;
            DWORD_PTR result = 0;
            SendMessageTimeoutW(focus, WM_KEYDOWN, virtualKey, scan | 1, SMTO_NORMAL, kSettleLimitMs, &result);
            SendMessageTimeoutW(focus, WM_KEYUP, virtualKey, scan | 0xC0000001, SMTO_NORMAL, kSettleLimitMs, &result);
            return Settle();
        }
        WORD virtualKey = 0;
        switch (key.key) {
            case zel::Key::Tab: virtualKey = VK_TAB; break;
            case zel::Key::Enter: virtualKey = VK_RETURN; break;
            case zel::Key::Space: virtualKey = VK_SPACE; break;
            case zel::Key::Left: virtualKey = VK_LEFT; break;
            case zel::Key::Up: virtualKey = VK_UP; break;
            case zel::Key::Right: virtualKey = VK_RIGHT; break;
            case zel::Key::Down: virtualKey = VK_DOWN; break;
            case zel::Key::Other: virtualKey = key.name == "Escape" ? VK_ESCAPE : static_cast<WORD>(key.name[0]); break;
        }
        Activate(top);
        std::vector<INPUT> inputs;
        AddKey(inputs, virtualKey, key.modifiers);
        Send(inputs);
        Settle();
    }

    // The close boxes are the window manager's: the runner gives the command they give.
    void Close() override { SystemClose(Calculator()); }
    void CloseManual() override { SystemClose(Manual()); }

    // The frame the user drags is the window manager's: the runner sizes the window as the
    // window manager does when the drag ends, to whole pixels no smaller than asked for.
    void ResizeManual(double outerWidth, double outerHeight) override {
        HWND manual = Manual();
        const UINT dpi = Dpi(manual);
        const int width = static_cast<int>(std::ceil(outerWidth * dpi / 1440.0));
        const int height = static_cast<int>(std::ceil(outerHeight * dpi / 1440.0));
        ui_.Post([manual, width, height] {
            SetWindowPos(manual, nullptr, 0, 0, width, height, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
        });
        Settle();
        // The X server confirms each size late: a confirmation of the size before can still arrive
        // and size the window back. The size is read once it has stayed the same for a while.
        WaitSizeSteady(manual);
    }

    void WaitSizeSteady(HWND window) {
        constexpr DWORD kSteadyMs = 150, kPollMs = 15;
        const DWORD deadline = GetTickCount() + kSettleLimitMs;
        RECT last{};
        GetWindowRect(window, &last);
        DWORD steadySince = GetTickCount();
        while (GetTickCount() - steadySince < kSteadyMs && GetTickCount() < deadline) {
            Sleep(kPollMs);
            RECT now{};
            if (!GetWindowRect(window, &now)) return;
            if (!EqualRect(&now, &last)) {
                last = now;
                steadySince = GetTickCount();
                Settle();
            }
        }
    }

    // ---- Readings

    bool Ended() override { return started_ && !Calculator(); }
    const WindowDesign* CalculatorWindow() override { return DesignOf(Calculator()); }
    const WindowDesign* InputWindow() override { return DesignOf(InputTop()); }
    bool ManualOpen() override { return Manual() != nullptr; }

    Reach Reachable(const ControlId& id) override {
        HWND top = InputTop();
        if (!top) return Reach::NoWindow;
        HWND control = ControlOf(top, id);
        if (!control) return Reach::Missing;
        return IsWindowVisible(control) ? Reach::Yes : Reach::Hidden;
    }

    std::optional<ControlId> FocusOwner() override {
        HWND focus = FocusWindow();
        const WindowDesign* design = DesignOf(focus ? GetAncestor(focus, GA_ROOT) : nullptr);
        for (HWND at = focus; design && at; at = GetParent(at)) {
            const int row = GetDlgCtrlID(at) - kFirstControlId;
            if (row >= 0 && static_cast<std::size_t>(row) < design->rows.size())
                return ControlId{std::string(design->rows[row].name), design->rows[row].index};
        }
        return std::nullopt;
    }

    std::u16string Text(const ControlId& id) override { return TextOf(StateControl(id)); }
    bool Visible(const ControlId& id) override { return IsWindowVisible(StateControl(id)) != FALSE; }
    bool Selected(const ControlId& id) override {
        DWORD_PTR state = 0;
        SendMessageTimeoutW(StateControl(id), BM_GETCHECK, 0, 0, SMTO_NORMAL, kSettleLimitMs, &state);
        return state == BST_CHECKED;
    }
    Colour Fore(const ControlId& id) override { return ColourOf(Picture(StateControl(id)).Foreground()); }
    Colour Back(const ControlId& id) override { return ColourOf(Picture(StateControl(id)).Background()); }

    ManualSize ManualWindowSize() override {
        HWND manual = Manual();
        const UINT dpi = Dpi(manual);
        const auto twips = [dpi](LONG pixels) { return std::round(pixels * 1440.0 / dpi); };
        const RECT outer = ScreenRect(manual);
        const RECT box = ScreenRect(ControlOf(manual, {"txtManu"}));
        return {twips(outer.right - outer.left), twips(outer.bottom - outer.top), twips(box.right - box.left),
                twips(box.bottom - box.top), 1440.0 / dpi};
    }

    std::string Describe(const ControlId& id) override {
        HWND control = StateControl(id);
        const Picture picture(control);
        RECT rect = ScreenRect(control);
        MapWindowPoints(nullptr, GetAncestor(control, GA_ROOT), reinterpret_cast<POINT*>(&rect), 2);
        std::ostringstream out;
        const std::wstring windowClass = ClassOf(control);
        out << id.ToString() << " class=" << ToUtf8(std::u16string(windowClass.begin(), windowClass.end()))
            << " text=" << Quote(TextOf(control)) << " visible=" << (IsWindowVisible(control) ? 1 : 0)
            << " fore=" << ColourName(ColourOf(picture.Foreground()))
            << " back=" << ColourName(ColourOf(picture.Background())) << " selected=" << (Selected(id) ? 1 : 0)
            << " pixels=" << rect.left << ',' << rect.top << ',' << rect.right - rect.left << ','
            << rect.bottom - rect.top;
        return out.str();
    }

private:
    void Call(const std::function<void()>& work) {
        if (!ui_.Call(work, kSettleLimitMs)) throw Failure{"the program's thread stopped answering"};
    }

    // ---- The program's windows, as the system lists them

    std::vector<HWND> TopWindows() const {
        std::vector<HWND> windows;
        EnumThreadWindows(
            ui_.threadId(),
            [](HWND window, LPARAM list) {
                if (IsWindowVisible(window)) reinterpret_cast<std::vector<HWND>*>(list)->push_back(window);
                return TRUE;
            },
            reinterpret_cast<LPARAM>(&windows));
        return windows;
    }
    HWND TopOfClass(const wchar_t* name) const {
        for (HWND window : TopWindows())
            if (ClassOf(window) == name) return window;
        return nullptr;
    }
    HWND Calculator() const { return TopOfClass(kCalculatorClass); }
    HWND Manual() const { return TopOfClass(kManualClass); }
    HWND InputTop() const {
        HWND manual = Manual();
        return manual ? manual : Calculator();
    }
    // The design a top-level window was built from, told by its class and title.
    static const WindowDesign* DesignOf(HWND top) {
        if (!top) return nullptr;
        if (ClassOf(top) == kManualClass) return &ManualWindowDesign();
        if (ClassOf(top) != kCalculatorClass) return nullptr;
        return TextOf(top) == MiniWindowDesign().caption ? &MiniWindowDesign() : &FullWindowDesign();
    }
    // The native control of a design row: its control ID is the row's index plus 100.
    HWND ControlOf(HWND top, const ControlId& id) {
        const WindowDesign* design = DesignOf(top);
        const DesignRow* row = design ? RowOf(*design, id) : nullptr;
        if (!row) return nullptr;
        const int controlId = static_cast<int>(row - design->rows.data()) + kFirstControlId;
        const auto key = std::make_pair(top, controlId);
        if (auto known = controls_.find(key); known != controls_.end() && IsWindow(known->second)) return known->second;
        std::pair<int, HWND> search{controlId, nullptr};
        EnumChildWindows(
            top,
            [](HWND child, LPARAM found) {
                auto& [wanted, window] = *reinterpret_cast<std::pair<int, HWND>*>(found);
                if (GetDlgCtrlID(child) != wanted) return TRUE;
                window = child;
                return FALSE;
            },
            reinterpret_cast<LPARAM>(&search));
        if (search.second) controls_[key] = search.second;
        return search.second;
    }
    HWND InputControl(const ControlId& id) {
        HWND control = ControlOf(InputTop(), id);
        if (!control) throw Failure{"the window has no native control for " + id.ToString()};
        return control;
    }
    HWND StateControl(const ControlId& id) {
        HWND control = ControlOf(id.name == "txtManu" ? Manual() : Calculator(), id);
        if (!control) throw Failure{"the window has no native control for " + id.ToString()};
        return control;
    }
    HWND FocusWindow() const {
        GUITHREADINFO info{};
        info.cbSize = sizeof info;
        if (!GetGUIThreadInfo(ui_.threadId(), &info)) return nullptr;
        return info.hwndFocus;
    }
    static UINT Dpi(HWND window) {
        const UINT dpi = GetDpiForWindow(window);
        return dpi ? dpi : 96;
    }

    // ---- Real input

    void Activate(HWND top) {
        if (!top || GetForegroundWindow() == top) return;
        SetForegroundWindow(top);
        WaitIdle(GetTickCount() + kSettleLimitMs);
    }

    void Send(std::vector<INPUT>& inputs) {
        if (SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT)) != inputs.size())
            throw Failure{"the system did not take the input"};
    }

    void MoveTo(POINT at) {
        const int width = GetSystemMetrics(SM_CXSCREEN), height = GetSystemMetrics(SM_CYSCREEN);
        INPUT move = MouseInput(MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE);
        move.mi.dx = static_cast<LONG>((at.x * 65536LL + width - 1) / width);
        move.mi.dy = static_cast<LONG>((at.y * 65536LL + height - 1) / height);
        std::vector<INPUT> inputs{move};
        Send(inputs);
        POINT now{};
        if (GetCursorPos(&now) && (now.x != at.x || now.y != at.y)) SetCursorPos(at.x, at.y);
    }

    // A point of the control that the mouse reaches (no other window lies over it there), the
    // centre when it can be, and not where the previous press went down while a second press
    // there would still make a double click.
    POINT ClickPoint(HWND control) {
        const RECT rect = ScreenRect(control);
        const POINT centre = Centre(rect);
        const bool recent = GetTickCount() - lastPressTick_ <= GetDoubleClickTime() + 50;
        const int nearX = GetSystemMetrics(SM_CXDOUBLECLK), nearY = GetSystemMetrics(SM_CYDOUBLECLK);
        const auto apart = [&](POINT p) {
            return !recent || std::abs(p.x - lastPress_.x) > nearX || std::abs(p.y - lastPress_.y) > nearY;
        };
        std::optional<POINT> reached;
        const int stepX = std::max<int>(1, (rect.right - rect.left) / 8), stepY = std::max<int>(1, (rect.bottom - rect.top) / 8);
        for (int ring = 0; ring <= 4; ++ring) {
            for (int dy = -ring; dy <= ring; ++dy) {
                for (int dx = -ring; dx <= ring; ++dx) {
                    if (std::max(std::abs(dx), std::abs(dy)) != ring) continue;
                    const POINT p{centre.x + dx * stepX, centre.y + dy * stepY};
                    if (!PtInRect(&rect, p) || WindowFromPoint(p) != control) continue;
                    if (apart(p)) return p;
                    if (!reached) reached = p;
                }
            }
        }
        return reached ? *reached : centre;
    }

    static std::pair<DWORD, DWORD> ButtonFlags(MouseButton button) {
        switch (button) {
            case MouseButton::Right: return {MOUSEEVENTF_RIGHTDOWN, MOUSEEVENTF_RIGHTUP};
            case MouseButton::Middle: return {MOUSEEVENTF_MIDDLEDOWN, MOUSEEVENTF_MIDDLEUP};
            default: return {MOUSEEVENTF_LEFTDOWN, MOUSEEVENTF_LEFTUP};
        }
    }

    // A point just beside the control, inside its window where there is room.
    static POINT AwayFrom(HWND control) {
        const RECT rect = ScreenRect(control), window = ScreenRect(GetAncestor(control, GA_ROOT));
        const LONG y = (rect.top + rect.bottom) / 2;
        return {rect.left - 6 >= window.left ? rect.left - 6 : rect.right + 6, y};
    }

    // One or two clicks of a button, each its press and release.
    void ClickAt(POINT at, int clicks, MouseButton button) {
        Activate(GetAncestor(WindowFromPoint(at), GA_ROOT));
        MoveTo(at);
        const auto [down, up] = ButtonFlags(button);
        std::vector<INPUT> inputs;
        for (int i = 0; i < clicks; ++i) {
            inputs.push_back(MouseInput(down));
            inputs.push_back(MouseInput(up));
        }
        Send(inputs);
        lastPress_ = at;
        lastPressTick_ = GetTickCount();
    }

    void SystemClose(HWND top) {
        PostMessageW(top, WM_SYSCOMMAND, SC_CLOSE, 0);
        Settle();
    }

    // ---- Waiting for the program

    // Whether the UI thread has handled all its input, posted messages and painting.
    bool Idle() {
        bool idle = false;
        Call([&] {
            const DWORD pending = HIWORD(GetQueueStatus(QS_ALLINPUT));
            idle = (pending & (QS_INPUT | QS_POSTMESSAGE | QS_PAINT | QS_SENDMESSAGE | QS_HOTKEY)) == 0;
        });
        return idle;
    }

    void WaitIdle(DWORD deadline) {
        // Twice in a row, so that what handling the first look caused is handled too.
        for (int quiet = 0; quiet < 2;) {
            if (Idle()) {
                ++quiet;
                continue;
            }
            quiet = 0;
            if (static_cast<LONG>(GetTickCount() - deadline) > 0) throw Failure{"the program did not settle"};
            Sleep(1);
        }
    }

    // The message box the program shows, or null.
    HWND Box() const { return TopOfClass(L"#32770"); }
    // Whether a menu the system opened is up: a text box's context menu after a right click, or
    // the window menu after Alt+Space (closing its popup with Escape still leaves the window in
    // menu mode, which a second Escape ends).
    bool InMenu() const {
        GUITHREADINFO info{};
        info.cbSize = sizeof info;
        const bool menuMode = GetGUIThreadInfo(ui_.threadId(), &info) &&
                              (info.flags & (GUI_INMENUMODE | GUI_POPUPMENUMODE | GUI_SYSTEMMENUMODE)) != 0;
        return menuMode || TopOfClass(L"#32768");
    }

    // Waits until the program has handled everything, answering every message box it shows on
    // the way: the log records each and says which button the user presses.
    // A menu the system opened on the way is closed with Escape, as the user would close it
    // before going on.
    void Settle() {
        const DWORD deadline = GetTickCount() + kSettleLimitMs;
        for (;;) {
            WaitIdle(deadline);
            if (InMenu()) {
                if (static_cast<LONG>(GetTickCount() - deadline) > 0) throw Failure{"a menu did not close"};
                if (transcript_) *transcript_ << "    [menu] closed with Escape\n";
                std::vector<INPUT> inputs;
                AddKey(inputs, VK_ESCAPE, Modifiers::None);
                Send(inputs);
                continue;
            }
            HWND box = Box();
            if (!box) return;
            HWND cancel = GetDlgItem(box, IDCANCEL);
            HWND text = GetDlgItem(box, 0xFFFF);
            const MessageAnswer answer = log_.Answer(
                {text ? TextOf(text) : std::u16string(), TextOf(box), cancel ? MessageButtons::OkCancel : MessageButtons::Ok});
            HWND button = GetDlgItem(box, answer == MessageAnswer::Cancel ? IDCANCEL : IDOK);
            if (!button) throw Failure{"the message box has no button to answer with"};
            // The box is clicked once the system has made it the active window; a click it was
            // not yet ready for is made again, as the user would, while the box is still there.
            for (int tries = 0;; ++tries) {
                if (tries == 10) throw Failure{"the message box did not close"};
                WaitUntilForeground(box, std::min<DWORD>(deadline, GetTickCount() + 1000));
                const POINT at = ClickPoint(button);
                if (IsWindowVisible(box) && GetAncestor(WindowFromPoint(at), GA_ROOT) == box)
                    ClickAt(at, 1, MouseButton::Left);
                if (WaitUntilGone(box, std::min<DWORD>(deadline, GetTickCount() + 500))) break;
            }
        }
    }

    void WaitUntilForeground(HWND window, DWORD deadline) {
        while (GetForegroundWindow() != window && IsWindowVisible(window) &&
               static_cast<LONG>(GetTickCount() - deadline) <= 0) {
            WaitIdle(deadline + kSettleLimitMs);
            Sleep(1);
        }
    }

    // Whether the window has gone before the deadline.
    bool WaitUntilGone(HWND window, DWORD deadline) {
        while (IsWindow(window) && IsWindowVisible(window)) {
            if (static_cast<LONG>(GetTickCount() - deadline) > 0) return false;
            WaitIdle(deadline + kSettleLimitMs);
            if (IsWindow(window) && IsWindowVisible(window)) Sleep(1);
        }
        return true;
    }

    UiThread& ui_;
    MessageLog& log_;
    std::ostream* transcript_;
    std::unique_ptr<Session> session_;  // lives on the UI thread
    std::map<std::pair<HWND, int>, HWND> controls_;
    bool started_ = false;
    std::optional<MouseButton> held_;  // a button `press` put down and no `release` let up yet
    POINT lastPress_{-100, -100};
    DWORD lastPressTick_ = 0;
};

}  // namespace

std::unique_ptr<Driver> NewWindowDriver(UiThread& ui, MessageLog& log, std::ostream* transcript) {
    return std::make_unique<WindowDriver>(ui, log, transcript);
}

}  // namespace zel::scenario::win32
