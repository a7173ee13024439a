#include "ui/win32/appearance.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <map>
#include <set>
#include <tuple>

namespace zel::win32 {

int Pixels(double twips, UINT dpi) { return static_cast<int>(std::lround(twips * dpi / 1440.0)); }

RECT PixelRect(const TwipRect& rect, UINT dpi) {
    const int left = Pixels(rect.left, dpi), top = Pixels(rect.top, dpi);
    return {left, top, left + Pixels(rect.width, dpi), top + Pixels(rect.height, dpi)};
}

RECT LineBox(const TwipRect& ends, UINT dpi) {
    const int x1 = Pixels(ends.left, dpi), y1 = Pixels(ends.top, dpi);
    const int x2 = Pixels(ends.width, dpi), y2 = Pixels(ends.height, dpi);
    return {std::min(x1, x2), std::min(y1, y2), std::max(x1, x2) + 1, std::max(y1, y2) + 1};
}

double Twips(int pixels, UINT dpi) { return pixels * 1440.0 / dpi; }

std::wstring ToWide(std::u16string_view text) { return std::wstring(text.begin(), text.end()); }

namespace {

int CALLBACK CollectFace(const LOGFONTW* font, const TEXTMETRICW*, DWORD, LPARAM faces) {
    reinterpret_cast<std::set<std::wstring>*>(faces)->insert(font->lfFaceName);
    return 1;
}

}  // namespace

const std::wstring& DesignFace() {
    static const std::wstring face = [] {
        std::set<std::wstring> installed;
        LOGFONTW query{};
        query.lfCharSet = SHIFTJIS_CHARSET;
        HDC screen = GetDC(nullptr);
        EnumFontFamiliesExW(screen, &query, CollectFace, reinterpret_cast<LPARAM>(&installed), 0);
        ReleaseDC(nullptr, screen);
        const std::wstring design = ToWide(kFontFamily);
        for (const std::wstring& candidate : {design, std::wstring(L"MS Gothic"), std::wstring(L"Yu Gothic"),
                                              std::wstring(L"Meiryo"), std::wstring(L"MS UI Gothic")})
            if (installed.count(candidate)) return candidate;
        return design;
    }();
    return face;
}

HFONT DesignFont(const FontSpec& design, UINT dpi) {
    static std::map<std::tuple<double, bool, UINT>, HFONT> fonts;
    const auto key = std::make_tuple(design.points, design.bold, dpi);
    if (const auto known = fonts.find(key); known != fonts.end()) return known->second;
    LOGFONTW font{};
    // The em height in pixels: points at the window's DPI.
    font.lfHeight = -static_cast<LONG>(std::lround(design.points * dpi / 72.0));
    font.lfWeight = design.bold ? FW_BOLD : FW_NORMAL;
    font.lfCharSet = SHIFTJIS_CHARSET;
    font.lfOutPrecision = OUT_DEFAULT_PRECIS;
    font.lfClipPrecision = CLIP_DEFAULT_PRECIS;
    font.lfQuality = DEFAULT_QUALITY;
    font.lfPitchAndFamily = FIXED_PITCH | FF_MODERN;
    lstrcpynW(font.lfFaceName, DesignFace().c_str(), LF_FACESIZE);
    HFONT made = CreateFontIndirectW(&font);
    fonts.emplace(key, made);
    return made;
}

HFONT ControlFont(const WindowDesign& window, const DesignRow& row, UINT dpi) {
    return DesignFont(row.font.points > 0 ? row.font : window.defaultFont, dpi);
}

COLORREF ToColorRef(const Colour& colour) {
    switch (colour.system) {
        case Colour::System::Window: return GetSysColor(COLOR_WINDOW);
        case Colour::System::WindowText: return GetSysColor(COLOR_WINDOWTEXT);
        case Colour::System::ButtonFace: return GetSysColor(COLOR_BTNFACE);
        case Colour::System::None: break;
    }
    return RGB((colour.rgb >> 16) & 0xFF, (colour.rgb >> 8) & 0xFF, colour.rgb & 0xFF);
}

HBRUSH SolidBrush(COLORREF colour) {
    static std::map<COLORREF, HBRUSH> brushes;
    if (const auto known = brushes.find(colour); known != brushes.end()) return known->second;
    return brushes.emplace(colour, CreateSolidBrush(colour)).first->second;
}

}  // namespace zel::win32
