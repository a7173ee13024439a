#include "ui/win32/form_window.h"

#include <algorithm>
#include <cmath>
#include <numeric>
#include <ranges>

#include "ui/win32/accessibility.h"
#include "ui/win32/appearance.h"
#include "ui/win32/button_face.h"
#include "ui/win32/control_input.h"
#include "ui/win32/native_control.h"

namespace zel::win32 {

namespace {

DWORD StyleOf(const WindowDesign& design) {
    // A calculator window keeps its size: its controls never follow it.
    return design.maximiseBox ? WS_OVERLAPPEDWINDOW : WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX;
}

std::u16string TextOf(HWND control) {
    std::u16string text(static_cast<std::size_t>(GetWindowTextLengthW(control)) + 1, u'\0');
    text.resize(static_cast<std::size_t>(
        GetWindowTextW(control, reinterpret_cast<wchar_t*>(text.data()), static_cast<int>(text.size()))));
    return text;
}

bool IsAscii(std::u16string_view word) {
    return std::all_of(word.begin(), word.end(), [](char16_t c) { return c < 0x80; });
}

}  // namespace

FormWindow::FormWindow(Window& window, InputSink& sink, HINSTANCE instance, HWND owner)
    : window_(&window), sink_(&sink) {
    const WindowDesign& design = window.form().design();
    const wchar_t* windowClass = &design == &ManualWindowDesign() ? kManualClass : kCalculatorClass;
    top_ = CreateWindowExW(0, windowClass, ToWide(design.caption).c_str(), StyleOf(design), CW_USEDEFAULT,
                           CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, owner, nullptr, instance, this);
    dpi_ = GetDpiForWindow(top_);
    // The client area is the design's; the frame is the system's at the window's DPI.
    RECT outer{0, 0, Pixels(design.clientWidth, dpi_), Pixels(design.clientHeight, dpi_)};
    AdjustWindowRectExForDpi(&outer, StyleOf(design), FALSE, 0, dpi_);
    SetWindowPos(top_, nullptr, 0, 0, outer.right - outer.left, outer.bottom - outer.top,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    Build(instance);
}

FormWindow::~FormWindow() {
    // The window procedure and the controls' listeners stop reporting before the window goes.
    SetWindowLongPtrW(top_, GWLP_USERDATA, 0);
    DestroyWindow(top_);
}

void FormWindow::Build(HINSTANCE instance) {
    const Form& form = window_->form();
    const auto& controls = form.controls();
    controls_.assign(controls.size(), nullptr);
    applied_.assign(controls.size(), Applied{});
    // Each control is made as the layer has it (place, caption, shown or hidden, drawing order),
    // so that the first mirroring finds nothing to change: moving, captioning, showing and
    // raising every control again costs the window server a round of requests for each.
    // A control made later lies below those made before it, so the front one comes first.
    for (const std::size_t i : std::views::reverse(DrawingOrder())) {
        const Control& control = controls[i];
        const DesignRow& row = control.design();
        const bool shown = form.IsShown(control);
        const RECT place = GeometryFor(i);
        // A text box's text, with its caret, is the mirroring's (MirrorContent).
        const std::wstring caption = row.kind == Kind::Label || row.kind == Kind::Button || row.kind == Kind::Frame
                                         ? ToWide(control.text)
                                         : std::wstring();
        HWND native = CreateNativeControl(row, top_, static_cast<int>(i) + kFirstControlId, instance, caption.c_str(),
                                          place, shown);
        if (row.kind != Kind::Line)
            SendMessageW(native, WM_SETFONT, reinterpret_cast<WPARAM>(ControlFont(form.design(), row, dpi_)), FALSE);
        Annotate(native, row);
        controls_[i] = native;
        Listen(native, i);
        applied_[i] = Applied{control.text, control.fore, control.back, control.rect, place, control.z, shown, true};
    }
}

std::optional<std::size_t> FormWindow::IndexOf(HWND control) const {
    const auto at = std::find(controls_.begin(), controls_.end(), control);
    if (at == controls_.end()) return std::nullopt;
    return static_cast<std::size_t>(at - controls_.begin());
}

// ---- Mirroring

void FormWindow::Mirror() {
    for (std::size_t i = 0; i < controls_.size(); ++i) MirrorControl(i);
    MirrorDrawingOrder();
}

void FormWindow::MirrorControl(std::size_t index) {
    const Control& control = ControlAt(index);
    HWND native = controls_[index];
    Applied& applied = applied_[index];
    const bool transparent = IsTransparentLabel(control.design());
    const bool captionChanged = !applied.valid || applied.text != control.text;
    // The geometry first: an edit scrolls its text to its caret within the width it has.
    // A label's size follows its caption, so a new caption measures it again.
    if (!applied.valid || applied.rect != control.rect || (control.kind() == Kind::Label && captionChanged)) {
        const RECT geometry = GeometryFor(index);
        if (!EqualRect(&geometry, &applied.pixels)) {
            if (transparent && applied.valid) RepaintUnder(index);
            SetWindowPos(native, nullptr, geometry.left, geometry.top, geometry.right - geometry.left,
                         geometry.bottom - geometry.top, SWP_NOZORDER | SWP_NOACTIVATE);
            applied.pixels = geometry;
        }
    }
    MirrorContent(index, captionChanged);
    // WM_CTLCOLOR* reads the control's colours as they are: a change only needs a repaint.
    if (applied.valid && (applied.fore != control.fore || applied.back != control.back))
        InvalidateRect(native, nullptr, TRUE);
    const bool shown = window_->form().IsShown(control);
    if (!applied.valid || shown != applied.shown) {
        ShowWindow(native, shown ? SW_SHOWNA : SW_HIDE);
        if (transparent && applied.valid) RepaintUnder(index);
    } else if (transparent && captionChanged) {
        RepaintUnder(index);
    }
    applied.text = control.text;
    applied.fore = control.fore;
    applied.back = control.back;
    applied.rect = control.rect;
    applied.shown = shown;
    applied.valid = true;
}

void FormWindow::MirrorContent(std::size_t index, bool captionChanged) {
    const Control& control = ControlAt(index);
    HWND native = controls_[index];
    switch (control.kind()) {
        case Kind::TextBox: {
            // The user edits the native text too, so it is compared on the control itself.
            if (TextOf(native) == control.text) break;
            DWORD caret = 0;
            SendMessageW(native, EM_GETSEL, 0, reinterpret_cast<LPARAM>(&caret));
            mirroring_ = true;
            SetWindowTextW(native, ToWide(control.text).c_str());
            mirroring_ = false;
            // Where the user types the caret stays; elsewhere a one-line box's caret waits at
            // the text's end, where a box entered with the keyboard starts, and a text area
            // shows its first line.
            const auto length = static_cast<DWORD>(control.text.size());
            const DWORD at = GetFocus() == native          ? std::min(caret, length)
                             : IsTextArea(control.design()) ? 0
                                                            : length;
            SendMessageW(native, EM_SETSEL, at, at);
            SendMessageW(native, EM_SCROLLCARET, 0, 0);
            break;
        }
        case Kind::Label:
        case Kind::Button:
        case Kind::Frame:
            if (captionChanged) SetWindowTextW(native, ToWide(control.text).c_str());
            break;
        case Kind::Option: {
            const bool checked = SendMessageW(native, BM_GETCHECK, 0, 0) == BST_CHECKED;
            if (checked != control.selected)
                SendMessageW(native, BM_SETCHECK, control.selected ? BST_CHECKED : BST_UNCHECKED, 0);
            break;
        }
        case Kind::Line:
            break;
    }
}

void FormWindow::MirrorDrawingOrder() {
    const auto& controls = window_->form().controls();
    bool changed = false;
    for (std::size_t i = 0; i < controls.size(); ++i) changed = changed || applied_[i].z != controls[i].z;
    if (!changed) return;
    // Raising every control from back to front leaves them in drawing order.
    for (std::size_t i : DrawingOrder()) {
        SetWindowPos(controls_[i], HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
        applied_[i].z = controls[i].z;
    }
}

std::vector<std::size_t> FormWindow::DrawingOrder() const {
    const auto& controls = window_->form().controls();
    std::vector<std::size_t> order(controls.size());
    std::iota(order.begin(), order.end(), std::size_t{0});
    std::stable_sort(order.begin(), order.end(),
                     [&](std::size_t a, std::size_t b) { return controls[a].z < controls[b].z; });
    return order;
}

RECT FormWindow::GeometryFor(std::size_t index) const {
    const Control& control = ControlAt(index);
    if (control.kind() == Kind::Line) return LineBox(control.rect, dpi_);
    // A control in a frame is placed relative to it, and is its sibling on screen.
    TwipRect twips = control.rect;
    if (!control.design().container.empty()) {
        if (const Control* frame = window_->form().Find(control.design().container)) {
            twips.left += frame->rect.left;
            twips.top += frame->rect.top;
        }
    }
    RECT rect = PixelRect(twips, dpi_);
    if (control.kind() != Kind::Label) return rect;
    // The design rectangles fit the design font; a substitute that needs more room must not clip
    // a caption. Every label is at least one line of its font high, an auto-size label takes its
    // caption's width too, and a label that wraps its caption the width of its longest Latin
    // word, which a line never breaks.
    // Measured in the label's font, before the label is made.
    HDC dc = GetDC(top_);
    HGDIOBJ old = SelectObject(dc, ControlFont(window_->form().design(), control.design(), dpi_));
    const auto widthOf = [dc](std::u16string_view text) {
        SIZE size{};
        const std::wstring wide = ToWide(text);
        GetTextExtentPoint32W(dc, wide.c_str(), static_cast<int>(wide.size()), &size);
        return static_cast<int>(size.cx);
    };
    const int frame = (control.design().flags & kSingleBorder) ? 2 : 0;
    int width = 0;
    const std::u16string_view caption = control.text;
    if (control.design().flags & kAutoSize) {
        width = widthOf(caption) + frame;
    } else {
        for (std::size_t start = 0; start < caption.size();) {
            const std::size_t end = std::min(caption.find(u' ', start), caption.size());
            if (IsAscii(caption.substr(start, end - start)))
                width = std::max(width, widthOf(caption.substr(start, end - start)) + frame);
            start = end + 1;
        }
    }
    TEXTMETRICW metrics{};
    GetTextMetricsW(dc, &metrics);
    SelectObject(dc, old);
    ReleaseDC(top_, dc);
    rect.right = std::max(rect.right, rect.left + width);
    rect.bottom = std::max(rect.bottom, rect.top + static_cast<int>(metrics.tmHeight) + frame);
    return rect;
}

void FormWindow::RepaintUnder(std::size_t index) const {
    RECT area = applied_[index].pixels;
    RedrawWindow(top_, &area, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
}

// ---- The window

void FormWindow::Show() {
    if (window_->form().design().centred) Centre();
    ShowWindow(top_, SW_SHOWNORMAL);
    SetForegroundWindow(top_);
}

void FormWindow::Centre() {
    MONITORINFO monitor{};
    monitor.cbSize = sizeof monitor;
    GetMonitorInfoW(MonitorFromWindow(top_, MONITOR_DEFAULTTONEAREST), &monitor);
    const RECT& area = monitor.rcWork;
    RECT outer{};
    GetWindowRect(top_, &outer);
    const int width = outer.right - outer.left, height = outer.bottom - outer.top;
    SetWindowPos(top_, nullptr, area.left + (area.right - area.left - width) / 2,
                 area.top + (area.bottom - area.top - height) / 2, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void FormWindow::TakeFocus(bool byKeyboard) {
    const auto& controls = window_->form().controls();
    const Control* focus = window_->form().focus();
    if (!focus || controls.empty()) return;
    HWND native = controls_[static_cast<std::size_t>(focus - &controls.front())];
    if (!window_->form().IsShown(*focus)) return;
    // The focus comes back to the same control when the window is activated again: only a move
    // to another control is an entry.
    const bool entered = focusGiven_ != native;
    focusGiven_ = native;
    if (GetFocus() == native) return;
    SetFocus(native);
    // A one-line box entered with the keyboard has its whole text selected, so that typing
    // replaces it, as the desktop's dialogs do (and as on Linux).
    if (entered && byKeyboard && focus->kind() == Kind::TextBox && !IsTextArea(focus->design()))
        SendMessageW(native, EM_SETSEL, 0, -1);
}

void FormWindow::ShowFocusCues(bool shown) {
    SendMessageW(top_, WM_CHANGEUISTATE, MAKEWPARAM(shown ? UIS_CLEAR : UIS_SET, UISF_HIDEFOCUS), 0);
}

double FormWindow::outerWidth() const {
    RECT outer{};
    GetWindowRect(top_, &outer);
    return Twips(outer.right - outer.left, dpi_);
}

double FormWindow::outerHeight() const {
    RECT outer{};
    GetWindowRect(top_, &outer);
    return Twips(outer.bottom - outer.top, dpi_);
}

void FormWindow::ResizeOuter(double width, double height) {
    // Rounded up, so that the window is never smaller than the twips asked for.
    const int pixelsWide = static_cast<int>(std::ceil(width * dpi_ / 1440.0));
    const int pixelsHigh = static_cast<int>(std::ceil(height * dpi_ / 1440.0));
    RECT outer{};
    GetWindowRect(top_, &outer);
    if (outer.right - outer.left == pixelsWide && outer.bottom - outer.top == pixelsHigh) return;
    SetWindowPos(top_, nullptr, 0, 0, pixelsWide, pixelsHigh, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

// ---- Messages

HBRUSH FormWindow::ControlColours(HWND native, HDC dc) const {
    const auto index = IndexOf(native);
    if (!index) return nullptr;
    const Control& control = ControlAt(*index);
    const COLORREF fore = ToColorRef(control.fore), back = ToColorRef(control.back);
    if (control.kind() == Kind::Line) return SolidBrush(fore);
    SetTextColor(dc, fore);
    if (IsTransparentLabel(control.design())) {
        SetBkMode(dc, TRANSPARENT);
        return static_cast<HBRUSH>(GetStockObject(NULL_BRUSH));
    }
    SetBkColor(dc, back);
    return SolidBrush(back);
}

void FormWindow::PaintButton(const DRAWITEMSTRUCT& item) const {
    if (const auto index = IndexOf(item.hwndItem))
        PaintButtonFace(item, ToColorRef(ControlAt(*index).fore), ToColorRef(ControlAt(*index).back));
}

void FormWindow::TextEdited(HWND native) {
    if (mirroring_) return;
    if (const auto index = IndexOf(native)) sink_->TextChanged(*this, *index, TextOf(native));
}

void FormWindow::DpiChanged(UINT dpi, const RECT& suggested) {
    dpi_ = dpi;
    SetWindowPos(top_, nullptr, suggested.left, suggested.top, suggested.right - suggested.left,
                 suggested.bottom - suggested.top, SWP_NOZORDER | SWP_NOACTIVATE);
    for (std::size_t i = 0; i < controls_.size(); ++i) {
        const DesignRow& row = ControlAt(i).design();
        if (row.kind != Kind::Line)
            SendMessageW(controls_[i], WM_SETFONT,
                         reinterpret_cast<WPARAM>(ControlFont(window_->form().design(), row, dpi_)), TRUE);
        applied_[i].valid = false;
    }
    Mirror();
}

}  // namespace zel::win32
