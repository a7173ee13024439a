// The Windows view's real windows under Wine: what the scenarios, which read the windows as a
// user sees them, do not reach: the native classes, IDs and fonts of the controls, their
// accessible names, and the manual's modality as the system keeps it.
#include <windows.h>

#include <ole2.h>
#include <initguid.h>
#include <oleacc.h>

#include <gtest/gtest.h>

#include <climits>
#include <cmath>

#include "tests/win32/calculator_fixture.h"
#include "ui/win32/appearance.h"
#include "ui/win32/view.h"
#include "ui/zelvorin.h"

__CRT_UUID_DECL(IAccPropServices, 0x6e26e776, 0x04f0, 0x495d, 0x80, 0xe4, 0x33, 0x30, 0x35, 0x2e, 0x31, 0x69)

namespace zel::win32 {
namespace {

std::wstring ClassOf(HWND window) {
    wchar_t name[64] = {};
    GetClassNameW(window, name, 64);
    return name;
}

std::wstring TextOf(HWND window) {
    wchar_t text[256] = {};
    GetWindowTextW(window, text, 256);
    return text;
}

using Win32ViewTest = CalculatorFixture;

TEST_F(Win32ViewTest, EveryDesignRowIsANativeControlWithItsRowsId) {
    HWND top = view_.calculatorWindow();
    ASSERT_TRUE(top);
    EXPECT_EQ(ClassOf(top), L"ZelvorinCalculator");
    EXPECT_EQ(TextOf(top), ToWide(FullWindowDesign().caption));
    const auto& rows = FullWindowDesign().rows;
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const DesignRow& row = rows[i];
        HWND control = view_.ControlWindow({std::string(row.name), row.index});
        SCOPED_TRACE((ControlId{std::string(row.name), row.index}.ToString()));
        ASSERT_TRUE(control);
        EXPECT_EQ(GetDlgItem(top, static_cast<int>(i) + 100), control);
        const LONG style = GetWindowLongW(control, GWL_STYLE);
        switch (row.kind) {
            case Kind::TextBox: EXPECT_EQ(ClassOf(control), L"Edit"); break;
            case Kind::Label:
            case Kind::Line: EXPECT_EQ(ClassOf(control), L"Static"); break;
            case Kind::Button: EXPECT_EQ(style & BS_TYPEMASK, BS_PUSHBUTTON); break;
            case Kind::Option: EXPECT_EQ(style & BS_TYPEMASK, BS_RADIOBUTTON); break;
            case Kind::Frame: EXPECT_EQ(style & BS_TYPEMASK, BS_GROUPBOX); break;
        }
        // The controls are drawn in the design's face with the Shift-JIS character set, sized
        // for the window's DPI.
        if (row.kind == Kind::Line) continue;
        LOGFONTW font{};
        GetObjectW(reinterpret_cast<HFONT>(SendMessageW(control, WM_GETFONT, 0, 0)), sizeof font, &font);
        EXPECT_EQ(font.lfCharSet, SHIFTJIS_CHARSET);
        EXPECT_EQ(std::wstring(font.lfFaceName), DesignFace());
        const double points = row.font.points > 0 ? row.font.points : FullWindowDesign().defaultFont.points;
        EXPECT_EQ(-font.lfHeight, static_cast<LONG>(std::lround(points * GetDpiForWindow(top) / 72.0)));
    }
    // The options as the layer selected them: hour and plus.
    EXPECT_EQ(SendMessageW(view_.ControlWindow({"Option5"}), BM_GETCHECK, 0, 0), BST_CHECKED);
    EXPECT_EQ(SendMessageW(view_.ControlWindow({"Option4"}), BM_GETCHECK, 0, 0), BST_UNCHECKED);
    EXPECT_EQ(SendMessageW(view_.ControlWindow({"Option8"}), BM_GETCHECK, 0, 0), BST_CHECKED);
    // The controls lie on screen in the layer's drawing order, the front one first: the window
    // is built that way rather than raising each control after it is made.
    const auto& controls = program_.calculator()->form().controls();
    int above = INT_MAX;
    std::size_t seen = 0;
    for (HWND child = GetWindow(top, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT), ++seen) {
        const int z = controls.at(static_cast<std::size_t>(GetDlgCtrlID(child) - 100)).z;
        EXPECT_LT(z, above);
        above = z;
    }
    EXPECT_EQ(seen, controls.size());
}

// The design face where the prefix maps it (scripts/windows-tests), as a Japanese Windows has it.
TEST_F(Win32ViewTest, TheDesignFaceIsFound) { EXPECT_EQ(DesignFace(), ToWide(kFontFamily)); }

// The name a screen reader hears for a control, through the system's accessibility API.
std::wstring AccessibleName(HWND control) {
    IAccessible* accessible = nullptr;
    if (AccessibleObjectFromWindow(control, static_cast<DWORD>(OBJID_CLIENT), __uuidof(IAccessible),
                                   reinterpret_cast<void**>(&accessible)) != S_OK)
        return L"(no accessible object)";
    VARIANT self{};
    self.vt = VT_I4;
    self.lVal = CHILDID_SELF;
    BSTR name = nullptr;
    accessible->get_accName(self, &name);
    std::wstring result = name ? name : L"";
    SysFreeString(name);
    accessible->Release();
    return result;
}

// Whether the system takes dynamic annotations. Wine 8's oleacc does not: its SetHwndPropStr
// answers E_NOTIMPL, and its names come from the controls' texts alone.
bool SystemTakesAnnotations() {
    IAccPropServices* services = nullptr;
    if (FAILED(CoCreateInstance(CLSID_AccPropServices, nullptr, CLSCTX_INPROC_SERVER, __uuidof(IAccPropServices),
                                reinterpret_cast<void**>(&services))))
        return false;
    HWND probe = CreateWindowW(L"STATIC", L"", 0, 0, 0, 1, 1, nullptr, nullptr, nullptr, nullptr);
    const bool taken = services->SetHwndPropStr(probe, static_cast<DWORD>(OBJID_CLIENT), CHILDID_SELF,
                                                PROPID_ACC_NAME, L"probe") == S_OK;
    services->ClearHwndProps(probe, static_cast<DWORD>(OBJID_CLIENT), CHILDID_SELF, &PROPID_ACC_NAME, 1);
    DestroyWindow(probe);
    services->Release();
    return taken;
}

TEST_F(Win32ViewTest, ScreenReadersHearEachControlsName) {
    CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    const bool annotated = SystemTakesAnnotations();
    for (const DesignRow& row : FullWindowDesign().rows) {
        SCOPED_TRACE((ControlId{std::string(row.name), row.index}.ToString()));
        const std::wstring heard = AccessibleName(view_.ControlWindow({std::string(row.name), row.index}));
        // A button or label is named by its caption; a control without one by its design row.
        if (!row.accessibleName.empty() && annotated) {
            EXPECT_EQ(heard, ToWide(row.accessibleName));
        } else if (row.kind == Kind::Button || row.kind == Kind::Label) {
            EXPECT_EQ(heard, ToWide(row.caption));
        }
    }
    if (!annotated) GTEST_SKIP() << "the system takes no dynamic annotations: names beside the captions unchecked";
}

TEST_F(Win32ViewTest, TheManualIsModalToTheCalculator) {
    HWND calculator = view_.calculatorWindow();
    Click("cmdManu");
    HWND manual = view_.manualWindow();
    ASSERT_TRUE(manual);
    EXPECT_EQ(ClassOf(manual), L"ZelvorinManual");
    EXPECT_EQ(GetWindow(manual, GW_OWNER), calculator);
    EXPECT_FALSE(IsWindowEnabled(calculator));
    EXPECT_TRUE(IsWindowVisible(manual));
    // Its text box is the one control that takes input now.
    EXPECT_EQ(GetParent(view_.ControlWindow({"txtManu"})), manual);
    program_.UserCloseManual();
    view_.Sync();
    EXPECT_FALSE(view_.manualWindow());
    EXPECT_FALSE(IsWindow(manual));
    EXPECT_TRUE(IsWindowEnabled(calculator));
}

// The selection is the toolkit's: a one-line box entered with the keyboard has its whole text
// selected, so that typing replaces it; one entered with the mouse, or given the focus back when
// its window is activated again, keeps its caret.
TEST_F(Win32ViewTest, ABoxEnteredWithTheKeyboardHasItsWholeTextSelected) {
    SetForegroundWindow(view_.calculatorWindow());
    view_.Sync();
    const ControlId moment1{"Text8", 1}, moment2{"Text8", 0};
    const auto selection = [&](const ControlId& id) {
        DWORD from = 0, to = 0;
        SendMessageW(view_.ControlWindow(id), EM_GETSEL, reinterpret_cast<WPARAM>(&from),
                     reinterpret_cast<LPARAM>(&to));
        return std::pair{from, to};
    };
    ASSERT_EQ(GetFocus(), view_.ControlWindow(moment1));
    program_.UserClick(moment2);
    view_.Sync();
    ASSERT_EQ(GetFocus(), view_.ControlWindow(moment2));
    EXPECT_EQ(selection(moment2).first, selection(moment2).second);
    // Enter takes the focus on to moment 1.
    program_.UserKeyDown(Key::Enter, Modifiers::None);
    view_.Sync();
    ASSERT_EQ(GetFocus(), view_.ControlWindow(moment1));
    const auto whole = static_cast<DWORD>(GetWindowTextLengthW(view_.ControlWindow(moment1)));
    EXPECT_EQ(selection(moment1), (std::pair<DWORD, DWORD>{0, whole}));
}

// A press and release of the left button, as the mouse gives them, on a unit field's twin (shown
// once the field has lost the focus): the click puts the focus into the field, and the twin,
// which heard no press of its own, must not keep the mouse, or no other control could be clicked.
TEST_F(Win32ViewTest, ATwinClickedKeepsNoMouse) {
    // A day count converted: the unit fields hand over to their twins.
    program_.UserClick({"Text9", 1});
    program_.UserType({"Text9", 1}, u"1");
    Click("cmdConvert");
    HWND twin = nullptr;
    for (int i = 0; i < 4 && !twin; ++i)
        if (HWND candidate = view_.ControlWindow({"Text7", i}); IsWindowVisible(candidate)) twin = candidate;
    ASSERT_TRUE(twin) << "no twin shown";
    SendMessageW(twin, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
    SendMessageW(twin, WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
    EXPECT_EQ(GetCapture(), nullptr);
    ReleaseCapture();
}

}  // namespace
}  // namespace zel::win32
