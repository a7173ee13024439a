// What the user sees of the Windows view, measured from the pixels the system painted, at the
// DPI the test runs at (CTest runs it at 96 and at 144): every text of both calculator windows,
// the manual and a message box stands out from its background by 4.5:1 at least, the design's
// own grey, red and blue texts by 3:1; every caption is whole inside its control, as large as
// its font draws it with room to spare; every option circle is whole.
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <cstdint>
#include <fstream>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "tests/win32/calculator_fixture.h"
#include "ui/contrast.h"
#include "ui/messages.h"
#include "ui/win32/appearance.h"
#include "ui/win32/message_boxes.h"
#include "ui/win32/view.h"
#include "ui/zelvorin.h"

namespace zel::win32 {
namespace {

// A rectangle of pixels, right and bottom excluded; empty until something is added.
struct Box {
    int left = INT_MAX, top = INT_MAX, right = INT_MIN, bottom = INT_MIN;
    int width() const { return right > left ? right - left : 0; }
    int height() const { return bottom > top ? bottom - top : 0; }
    void Add(int x, int y) {
        left = std::min(left, x), top = std::min(top, y);
        right = std::max(right, x + 1), bottom = std::max(bottom, y + 1);
    }
};

Box BoxOf(const RECT& rect) { return {rect.left, rect.top, rect.right, rect.bottom}; }

// A pixel of a 32-bit DIB: blue in the low byte.
Rgb RgbOfPixel(std::uint32_t pixel) {
    return {static_cast<int>((pixel >> 16) & 0xFF), static_cast<int>((pixel >> 8) & 0xFF), static_cast<int>(pixel & 0xFF)};
}

// Pixels as the system painted them, top row first.
class Shot {
public:
    // What `dc` shows in its top left width × height pixels.
    Shot(HDC dc, int width, int height) : width_(width), height_(height) {
        BITMAPINFO info{};
        info.bmiHeader = {sizeof(BITMAPINFOHEADER), width, -height, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
        void* bits = nullptr;
        HBITMAP bitmap = CreateDIBSection(dc, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
        HDC memory = CreateCompatibleDC(dc);
        HGDIOBJ old = SelectObject(memory, bitmap);
        BitBlt(memory, 0, 0, width, height, dc, 0, 0, SRCCOPY);
        GdiFlush();
        const auto* first = static_cast<const std::uint32_t*>(bits);
        pixels_.assign(first, first + static_cast<std::size_t>(width) * height);
        SelectObject(memory, old);
        DeleteDC(memory);
        DeleteObject(bitmap);
    }
    // A window's client area with its controls, painted afresh, or as it is.
    static Shot Of(HWND window, bool repaint = true) {
        if (repaint) RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
        RECT client{};
        GetClientRect(window, &client);
        HDC dc = GetDC(window);
        Shot shot(dc, client.right, client.bottom);
        ReleaseDC(window, dc);
        return shot;
    }

    int width() const { return width_; }
    int height() const { return height_; }
    std::uint32_t raw(int x, int y) const { return pixels_[static_cast<std::size_t>(y) * width_ + x]; }
    Rgb at(int x, int y) const { return RgbOfPixel(raw(x, y)); }

    // Written as a BMP file, to look at when a check fails.
    void Save(const std::string& path) const {
        BITMAPFILEHEADER file{};
        BITMAPINFOHEADER info{sizeof(BITMAPINFOHEADER), width_, -height_, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
        const auto bytes = static_cast<DWORD>(pixels_.size() * sizeof(std::uint32_t));
        file.bfType = 0x4D42;  // "BM"
        file.bfOffBits = sizeof file + sizeof info;
        file.bfSize = file.bfOffBits + bytes;
        std::ofstream out(path, std::ios::binary);
        out.write(reinterpret_cast<const char*>(&file), sizeof file);
        out.write(reinterpret_cast<const char*>(&info), sizeof info);
        // GDI leaves the fourth byte empty: the picture is opaque.
        for (const std::uint32_t pixel : pixels_) {
            const std::uint32_t opaque = pixel | 0xFF000000u;
            out.write(reinterpret_cast<const char*>(&opaque), sizeof opaque);
        }
    }

private:
    int width_, height_;
    std::vector<std::uint32_t> pixels_;
};

Rgb RgbOf(COLORREF colour) { return {GetRValue(colour), GetGValue(colour), GetBValue(colour)}; }

// The commonest colour of an area: its background.
Rgb Commonest(const Shot& shot, const Box& area) {
    std::map<std::uint32_t, int> counts;
    for (int y = std::max(area.top, 0); y < std::min(area.bottom, shot.height()); ++y)
        for (int x = std::max(area.left, 0); x < std::min(area.right, shot.width()); ++x) ++counts[shot.raw(x, y)];
    if (counts.empty()) return {};
    return RgbOfPixel(std::max_element(counts.begin(), counts.end(), [](auto& a, auto& b) {
                        return a.second < b.second;
                    })->first);
}

// The pixels of an area that differ from its background.
struct Ink {
    double contrast = 1;  // of the pixel that stands out most
    Box box;              // where they lie
};

Ink InkIn(const Shot& shot, const Box& area, Rgb back) {
    Ink ink;
    for (int y = std::max(area.top, 0); y < std::min(area.bottom, shot.height()); ++y)
        for (int x = std::max(area.left, 0); x < std::min(area.right, shot.width()); ++x) {
            const Rgb pixel = shot.at(x, y);
            if (pixel.red == back.red && pixel.green == back.green && pixel.blue == back.blue) continue;
            ink.contrast = std::max(ink.contrast, ContrastRatio(back, pixel));
            ink.box.Add(x, y);
        }
    return ink;
}

std::wstring TextOf(HWND control) {
    std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(control)) + 1, L'\0');
    text.resize(static_cast<std::size_t>(GetWindowTextW(control, text.data(), static_cast<int>(text.size()))));
    return text;
}

HFONT FontOf(HWND control) { return reinterpret_cast<HFONT>(SendMessageW(control, WM_GETFONT, 0, 0)); }

// The box of a text drawn alone, unclipped, black on white: in the font and the DrawText format
// its control draws it in, lines broken within `width` when the format breaks them.
Box InkAlone(const std::wstring& text, HFONT font, UINT format, int width) {
    HDC screen = GetDC(nullptr);
    HDC dc = CreateCompatibleDC(screen);
    HGDIOBJ oldFont = SelectObject(dc, font);
    RECT needed{0, 0, width, 0};
    DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &needed, format | DT_CALCRECT);
    TEXTMETRICW metrics{};
    GetTextMetricsW(dc, &metrics);
    const int margin = metrics.tmHeight;
    const int canvasWidth = std::max<int>(needed.right, width) + 2 * margin;
    const int canvasHeight = needed.bottom + 2 * margin;
    HBITMAP canvas = CreateCompatibleBitmap(screen, canvasWidth, canvasHeight);
    HGDIOBJ oldBitmap = SelectObject(dc, canvas);
    RECT all{0, 0, canvasWidth, canvasHeight};
    FillRect(dc, &all, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
    SetTextColor(dc, RGB(0, 0, 0));
    SetBkMode(dc, TRANSPARENT);
    RECT at{margin, margin, margin + std::max<int>(needed.right, width), margin + needed.bottom};
    DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &at, format | DT_NOCLIP);
    const Shot shot(dc, canvasWidth, canvasHeight);
    const Box box = InkIn(shot, {0, 0, canvasWidth, canvasHeight}, {255, 255, 255}).box;
    SelectObject(dc, oldBitmap);
    SelectObject(dc, oldFont);
    DeleteObject(canvas);
    DeleteDC(dc);
    ReleaseDC(nullptr, screen);
    return box;
}

// A control's client area in its top-level window's client pixels.
Box ClientBoxIn(HWND top, HWND control) {
    RECT client{};
    GetClientRect(control, &client);
    MapWindowPoints(control, top, reinterpret_cast<POINT*>(&client), 2);
    return BoxOf(client);
}

bool IsEdit(HWND control) {
    wchar_t name[16] = {};
    GetClassNameW(control, name, 16);
    return _wcsicmp(name, L"Edit") == 0;
}

// The DrawText format a control draws its text in.
UINT FormatOf(HWND control) {
    const LONG style = GetWindowLongW(control, GWL_STYLE);
    if (IsEdit(control)) return DT_SINGLELINE | DT_NOPREFIX;
    wchar_t name[16] = {};
    GetClassNameW(control, name, 16);
    if (_wcsicmp(name, L"Static") == 0)
        return DT_EXPANDTABS | ((style & SS_NOPREFIX) ? DT_NOPREFIX : 0) |
               ((style & SS_TYPEMASK) == SS_LEFTNOWORDWRAP ? 0 : DT_WORDBREAK);
    return DT_SINGLELINE;  // a button's or a frame's caption
}

// Where a caption lies and what it stands on: the pixels that change when the caption goes (so
// not a button's bevel or a frame's line, which stay), and their commonest colour without it.
struct Caption {
    Box box;
    Rgb back;
};

Caption CaptionOf(HWND top, HWND control, const Shot& with) {
    const std::wstring text = TextOf(control);
    // (a control may reach past the window's edge, which cuts it)
    Box area = ClientBoxIn(top, control);
    area = {std::max(area.left, 0), std::max(area.top, 0), std::min(area.right, with.width()),
            std::min(area.bottom, with.height())};
    RECT client{area.left, area.top, area.right, area.bottom};
    // A transparent label erases nothing itself: what lies under it is painted again.
    const auto repaint = [&] {
        RedrawWindow(top, &client, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
    };
    SetWindowTextW(control, L"");
    repaint();
    const Shot without = Shot::Of(top, false);
    SetWindowTextW(control, text.c_str());
    repaint();
    Caption caption;
    for (int y = area.top; y < area.bottom; ++y)
        for (int x = area.left; x < area.right; ++x)
            if (with.raw(x, y) != without.raw(x, y)) caption.box.Add(x, y);
    caption.back = Commonest(without, caption.box);
    return caption;
}

// Every shown text of the window, at the contrast its colour asks for, and whole: as wide and as
// tall as the same text drawn alone in its font (a pixel of smoothing aside). A box's text is
// measured against the box's background; a text area's, which scrolls, for contrast only.
void CheckTexts(HWND top, const Shot& shot, const std::function<bool(HWND)>& designColoured,
                const std::string& window) {
    std::vector<HWND> children;
    EnumChildWindows(
        top,
        [](HWND child, LPARAM list) {
            reinterpret_cast<std::vector<HWND>*>(list)->push_back(child);
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&children));
    for (HWND control : children) {
        const std::wstring text = TextOf(control);
        if (!IsWindowVisible(control) || text.find_first_not_of(L" \r\n") == std::wstring::npos) continue;
        const std::string id = window + " control " + std::to_string(GetDlgCtrlID(control));
        Caption caption{ClientBoxIn(top, control), {}};
        if (IsEdit(control)) caption.back = Commonest(shot, caption.box);
        else caption = CaptionOf(top, control, shot);
        const Ink ink = InkIn(shot, caption.box, caption.back);
        EXPECT_GE(ink.contrast, designColoured(control) ? 3.0 : 4.5) << id;
        if (IsEdit(control) && (GetWindowLongW(control, GWL_STYLE) & ES_WANTRETURN)) continue;
        const Box alone = InkAlone(text, FontOf(control), FormatOf(control), ClientBoxIn(top, control).width());
        EXPECT_GE(ink.box.width(), alone.width() - 1) << id << " is cut at its sides";
        EXPECT_GE(ink.box.height(), alone.height() - 1) << id << " is cut at its top or bottom";
    }
}

// The circle an option draws in ample room, in a window of its own at the window's DPI: the
// size every option's circle has.
Box FreeCircle(HWND top) {
    const int side = MulDiv(48, static_cast<int>(GetDpiForWindow(top)), USER_DEFAULT_SCREEN_DPI);
    HWND room = CreateWindowExW(WS_EX_TOOLWINDOW | WS_EX_NOACTIVATE, L"STATIC", L"", WS_POPUP | WS_VISIBLE, 0, 0,
                                side, side, top, nullptr, nullptr, nullptr);
    CreateWindowExW(0, L"BUTTON", L"", WS_CHILD | WS_VISIBLE | BS_RADIOBUTTON, 0, 0, side, side, room, nullptr,
                    nullptr, nullptr);
    const Shot shot = Shot::Of(room);
    const Box circle = InkIn(shot, {0, 0, side, side}, RgbOf(GetSysColor(COLOR_BTNFACE))).box;
    DestroyWindow(room);
    return circle;
}

// Every option's circle whole: as wide as it is high, as large as the circle drawn in ample
// room, and its ring as strong on each of the four sides as on the strongest. The design's
// options have no captions: all the ink of an option is its circle. Where the control's edge
// cuts the circle, the outermost lines of its pixels cross the inside of the ring, or the ring's
// outer fringe only: in the middle of that side, the two outermost lines hold no pixel as
// strong as the ring.
void CheckOptions(HWND top, const Shot& shot, const Form& form, const std::string& window) {
    const Box free = FreeCircle(top);
    ASSERT_GT(free.height(), 0) << "no option circle drawn in ample room";
    for (const Control& control : form.controls()) {
        HWND option = GetDlgItem(top, static_cast<int>(&control - form.controls().data()) + kFirstControlId);
        if (control.kind() != Kind::Option || !IsWindowVisible(option)) continue;
        const std::string id = window + " " + control.id().ToString();
        const Rgb back = RgbOf(ToColorRef(control.back));
        const Ink ink = InkIn(shot, ClientBoxIn(top, option), back);
        const Box circle = ink.box;
        EXPECT_LE(std::abs(circle.width() - circle.height()), 1) << id;
        EXPECT_GE(circle.height(), free.height() - 1) << id;
        EXPECT_GE(circle.width(), free.width() - 1) << id;
        const int middleX = (circle.left + circle.right) / 2, middleY = (circle.top + circle.bottom) / 2;
        const int band = std::max(1, circle.height() / 13);  // a pixel either side of the middle at 96 DPI
        const std::pair<const char*, Box> sides[] = {
            {"top", {middleX - band, circle.top, middleX + band + 1, circle.top + 2}},
            {"bottom", {middleX - band, circle.bottom - 2, middleX + band + 1, circle.bottom}},
            {"left", {circle.left, middleY - band, circle.left + 2, middleY + band + 1}},
            {"right", {circle.right - 2, middleY - band, circle.right, middleY + band + 1}},
        };
        std::map<std::string, double> ring;
        for (const auto& [side, lines] : sides)
            for (int y = lines.top; y < lines.bottom; ++y)
                for (int x = lines.left; x < lines.right; ++x)
                    ring[side] = std::max(ring[side], ContrastRatio(back, shot.at(x, y)));
        const double strongest =
            std::max_element(ring.begin(), ring.end(), [](auto& a, auto& b) { return a.second < b.second; })->second;
        for (const auto& [side, contrast] : ring) EXPECT_GE(contrast, 0.9 * strongest) << id << " " << side;
    }
}

// Checks one window's pixels; when a check fails, its picture is left beside the test.
void CheckWindow(HWND top, const std::string& window, const std::function<void(const Shot&)>& checks) {
    ASSERT_TRUE(top);
    const auto failures = [] {
        const ::testing::TestResult& result = *::testing::UnitTest::GetInstance()->current_test_info()->result();
        int failed = 0;
        for (int i = 0; i < result.total_part_count(); ++i) failed += result.GetTestPartResult(i).failed();
        return failed;
    };
    const int before = failures();
    const Shot shot = Shot::Of(top);
    checks(shot);
    if (failures() > before) shot.Save("look-" + window + "-" + std::to_string(GetDpiForWindow(top)) + "dpi.bmp");
}

using Win32LookTest = CalculatorFixture;

TEST_F(Win32LookTest, EveryTextLegibleAndEveryControlWhole) {
    for (const char* window : {"full", "mini"}) {
        if (std::string(window) == "mini") Click("cmd2Mini");
        // One moment difference worked out: the marks show 済 in blue beside the others' red 未.
        Click("cmdCalc");
        HWND top = view_.calculatorWindow();
        const Form& form = program_.calculator()->form();
        const auto designColoured = [&form](HWND control) {
            const Colour fore = form.controls().at(static_cast<std::size_t>(GetDlgCtrlID(control) - kFirstControlId)).fore;
            return fore == kGrey || fore == kRed || fore == kBlue;
        };
        CheckWindow(top, window, [&](const Shot& shot) {
            CheckTexts(top, shot, designColoured, window);
            CheckOptions(top, shot, form, window);
        });
    }
    Click("cmdManu");
    CheckWindow(view_.manualWindow(), "manual", [&](const Shot& shot) {
        CheckTexts(view_.manualWindow(), shot, [](HWND) { return false; }, "manual");
    });
    program_.UserCloseManual();
    view_.Sync();
}

// The system's message box over the calculator, found, checked and closed by a timer of the
// thread while the box runs its own message loop.
void CALLBACK OnBoxTimer(HWND, UINT, UINT_PTR timer, DWORD) {
    HWND box = nullptr;
    EnumThreadWindows(
        GetCurrentThreadId(),
        [](HWND window, LPARAM found) {
            wchar_t name[16] = {};
            GetClassNameW(window, name, 16);
            if (std::wstring(name) != L"#32770" || !IsWindowVisible(window)) return TRUE;
            *reinterpret_cast<HWND*>(found) = window;
            return FALSE;
        },
        reinterpret_cast<LPARAM>(&box));
    if (!box) return;  // not up yet
    KillTimer(nullptr, timer);
    CheckWindow(box, "message", [box](const Shot& shot) { CheckTexts(box, shot, [](HWND) { return false; }, "message"); });
    SendMessageW(box, WM_COMMAND, IDCANCEL, 0);
}

TEST_F(Win32LookTest, MessageBoxTextLegibleAndWhole) {
    SystemMessageBoxes boxes;
    boxes.owner = [this] { return view_.calculatorWindow(); };
    const UINT_PTR timer = SetTimer(nullptr, 0, 50, OnBoxTimer);
    const std::u16string message =
        std::u16string(messages::kNoDuration) + u"\r\n\r\n" + std::u16string(messages::kTreatedAsZero);
    EXPECT_EQ(boxes.Show(message, std::u16string(messages::kTitle), MessageButtons::OkCancel), MessageAnswer::Cancel);
    KillTimer(nullptr, timer);
}

}  // namespace
}  // namespace zel::win32
