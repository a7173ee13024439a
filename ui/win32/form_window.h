#pragma once
// One window of the window layer on screen: a top-level window with a native control for every
// row of its design table, and the mirroring that brings those controls in line with the
// controls' state. It holds no behaviour: its input goes to the view (input_sink.h).

#include <windows.h>

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

#include "ui/window.h"
#include "ui/win32/input_sink.h"

namespace zel::win32 {

// Window class names of the top-level windows.
inline constexpr wchar_t kCalculatorClass[] = L"ZelvorinCalculator";
inline constexpr wchar_t kManualClass[] = L"ZelvorinManual";
// A control's ID is the index of its design row plus this.
inline constexpr int kFirstControlId = 100;

class FormWindow {
public:
    // Builds the window and its controls, hidden. `owner` is the window that owns it (the
    // calculator, for the manual) or null.
    FormWindow(Window& window, InputSink& sink, HINSTANCE instance, HWND owner);
    ~FormWindow();
    FormWindow(const FormWindow&) = delete;
    FormWindow& operator=(const FormWindow&) = delete;

    Window& window() const { return *window_; }
    InputSink& sink() const { return *sink_; }
    HWND handle() const { return top_; }
    UINT dpi() const { return dpi_; }
    // The controls in the order of the form's controls (the order of the design rows).
    std::size_t count() const { return controls_.size(); }
    HWND ControlHandle(std::size_t index) const { return controls_[index]; }
    const Control& ControlAt(std::size_t index) const { return window_->form().controls()[index]; }
    std::optional<std::size_t> IndexOf(HWND control) const;

    // Brings every native control in line with its control: text, visibility, colours,
    // selection, geometry and drawing order.
    void Mirror();
    // Shows the window, centred on its monitor's work area when its design says so.
    void Show();
    // Gives the keyboard focus to the native control of the layer's focus owner, when it is
    // shown; a one-line box the keyboard brought the focus to gets its whole text selected.
    void TakeFocus(bool byKeyboard);
    // Draws the focus cues of buttons and options (after keyboard use) or hides them.
    void ShowFocusCues(bool shown);
    // The window's outer size in twips, and a new one given in twips.
    double outerWidth() const;
    double outerHeight() const;
    void ResizeOuter(double width, double height);

    // ---- Messages of the window procedure (window_procedure.cpp).
    // The colours of a control for WM_CTLCOLOR*: the brush its background is painted with.
    HBRUSH ControlColours(HWND control, HDC dc) const;
    // Paints an owner-drawn button (WM_DRAWITEM) in its control's colours.
    void PaintButton(const DRAWITEMSTRUCT& item) const;
    // A text box's text changed (EN_CHANGE): by the user, unless the mirroring set it.
    void TextEdited(HWND control);
    // The window moved to a monitor of another DPI: fonts and geometry follow.
    void DpiChanged(UINT dpi, const RECT& suggested);

private:
    void Build(HINSTANCE instance);
    void MirrorControl(std::size_t index);
    void MirrorContent(std::size_t index, bool captionChanged);
    void MirrorDrawingOrder();
    // The controls' indices from the back to the front.
    std::vector<std::size_t> DrawingOrder() const;
    RECT GeometryFor(std::size_t index) const;
    // Repaints what lies under a transparent label, whose new caption or absence the label does
    // not erase itself.
    void RepaintUnder(std::size_t index) const;
    void Centre();

    Window* window_;
    InputSink* sink_;
    HWND top_ = nullptr;
    UINT dpi_ = USER_DEFAULT_SCREEN_DPI;
    std::vector<HWND> controls_;
    // The layer's state as last brought onto each control.
    struct Applied {
        std::u16string text;
        Colour fore, back;
        TwipRect rect;
        RECT pixels{};
        int z = -1;
        bool shown = false;
        bool valid = false;
    };
    std::vector<Applied> applied_;
    bool mirroring_ = false;
    HWND focusGiven_ = nullptr;  // the control that last held the layer's focus
};

}  // namespace zel::win32
