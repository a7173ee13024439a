#pragma once
// The design tables of the windows: every control as it is when its window is created.
// The window layer builds its initial state from them and the Qt view its geometry,
// so each caption, colour, rectangle and font is written exactly once, here.

#include <cstdint>
#include <span>
#include <string_view>

namespace zel {

enum class Kind { TextBox, Label, Button, Option, Frame, Line };

// A colour as the windows use it: either one of the desktop's system colours or a fixed RGB value.
struct Colour {
    enum class System : std::uint8_t { None, Window, WindowText, ButtonFace };
    System system = System::None;
    std::uint32_t rgb = 0;  // 0xRRGGBB when system is None

    static constexpr Colour Rgb(int r, int g, int b) {
        return {System::None, static_cast<std::uint32_t>((r << 16) | (g << 8) | b)};
    }
    static constexpr Colour Sys(System s) { return {s, 0}; }
    friend constexpr bool operator==(const Colour&, const Colour&) = default;
};

inline constexpr Colour kWindowBack = Colour::Sys(Colour::System::Window);
inline constexpr Colour kWindowText = Colour::Sys(Colour::System::WindowText);
inline constexpr Colour kButtonFace = Colour::Sys(Colour::System::ButtonFace);
inline constexpr Colour kRed = Colour::Rgb(255, 0, 0);
inline constexpr Colour kBlue = Colour::Rgb(0, 0, 255);
inline constexpr Colour kGrey = Colour::Rgb(128, 128, 128);
inline constexpr Colour kLightYellow = Colour::Rgb(255, 255, 192);
inline constexpr Colour kYellow = Colour::Rgb(255, 255, 128);
inline constexpr Colour kLightGrey = Colour::Rgb(224, 224, 224);

// Font size in points; 0 means the window's default font.
struct FontSpec {
    double points = 0;
    bool bold = false;
    friend constexpr bool operator==(const FontSpec&, const FontSpec&) = default;
};

// Left, top, width, height in twips; for a line its two end points x1, y1, x2, y2.
struct TwipRect {
    int left = 0, top = 0, width = 0, height = 0;
    friend constexpr bool operator==(const TwipRect&, const TwipRect&) = default;
};

// An unset colour in a design row: the control takes its kind's usual colour, as follows.
inline constexpr Colour kKindDefault{Colour::System::None, 0xFFFFFFFFu};
constexpr Colour KindFore(Kind) { return kWindowText; }
constexpr Colour KindBack(Kind kind) { return kind == Kind::TextBox ? kWindowBack : kButtonFace; }

enum Flag : unsigned {
    kHidden = 1u << 0,        // hidden when created
    kMultiLine = 1u << 1,
    kRightAligned = 1u << 2,
    kSelected = 1u << 3,      // option button selected when created
    kSingleBorder = 1u << 4,
    kAutoSize = 1u << 5,
    kTransparent = 1u << 6,
    kFlat = 1u << 7,
    kVerticalScroll = 1u << 8,
    // A text area: long lines wrap at its width and Enter breaks a line. A box that is only
    // kMultiLine, which its right alignment needs, holds one line.
    kTextArea = 1u << 9,
};

inline constexpr int kNoIndex = -1;  // a control that is not part of a control array
inline constexpr int kNoTab = -1;    // lines have no tab index

struct DesignRow {
    std::string_view name;
    int index;
    Kind kind;
    std::u16string_view caption;  // caption of a label, button or frame; design text of a text box
    TwipRect rect;                // relative to the container when there is one
    Colour fore;
    Colour back;
    FontSpec font;
    int tabIndex;
    unsigned flags;
    std::string_view container;  // the frame holding the control, empty for the window itself
    // What a screen reader speaks besides the caption. The name, for a control without a caption
    // of its own (text boxes, the unit and sign options, the unit frame, lines): the text of the
    // label beside it or what it is. The description, for a status mark: what its "未" or "済"
    // tells about.
    std::u16string_view accessibleName = {};
    std::u16string_view accessibleDescription = {};
};

struct WindowDesign {
    std::string_view name;
    std::u16string_view caption;
    int clientWidth;   // twips
    int clientHeight;  // twips
    FontSpec defaultFont;
    bool maximiseBox;
    bool centred;          // centred on the screen, else the system's default position
    bool applicationIcon;  // the program's own icon, else the system default
    std::span<const DesignRow> rows;
};

const WindowDesign& FullWindowDesign();
const WindowDesign& MiniWindowDesign();
const WindowDesign& ManualWindowDesign();

// The font every text of the program is drawn in.
inline constexpr std::u16string_view kFontFamily = u"ＭＳ ゴシック";

}  // namespace zel
