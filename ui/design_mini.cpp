// The mini calculator window as designed: one row per control, in drawing order from top to bottom.
#include "ui/design.h"
#include "ui/unit_table.h"

namespace zel {
namespace {

constexpr DesignRow kRows[] = {
    {"Label3", 0, Kind::Label, u" 時刻計算 ", {45, 45, 930, 210}, kWindowText, kWindowBack, {}, 22, kSingleBorder | kAutoSize | kFlat, ""},
    {"cmdManu", kNoIndex, Kind::Button, u"Manu", {3570, 0, 540, 255}, kKindDefault, kKindDefault, {}, 51, 0, ""},
    {"Label1", 0, Kind::Label, u"年　月/日  時  分 秒", {1665, 210, 1800, 165}, kKindDefault, kKindDefault, {8.25, false}, 15, kAutoSize | kTransparent, ""},
    {"cmdCalc", kNoIndex, Kind::Button, u"差", {45, 390, 585, 285}, kKindDefault, kLightYellow, {}, 10, 0, ""},
    {"Label6", 1, Kind::Label, u"未", {630, 450, 180, 180}, kRed, kKindDefault, {}, 33, kAutoSize | kTransparent, "", u"", u"時刻差の状態"},
    {"cmdClear", kNoIndex, Kind::Button, u"C", {930, 390, 270, 285}, kKindDefault, kKindDefault, {}, 13, 0, ""},
    {"Text8", 3, Kind::TextBox, u"", {1530, 390, 500, 270}, kKindDefault, kLightGrey, {}, 40, 0, "", u"時刻1 の年"},
    {"Text8", 1, Kind::TextBox, u"", {1965, 390, 1700, 285}, kKindDefault, kYellow, {9.75, false}, 36, 0, "", u"時刻1"},
    {"Label1", 1, Kind::Label, u"時刻1", {3695, 480, 420, 165}, kKindDefault, kKindDefault, {8.25, false}, 20, kAutoSize | kTransparent, ""},
    {"cmdKeika", kNoIndex, Kind::Button, u"経過", {45, 705, 585, 270}, kKindDefault, kKindDefault, {}, 41, 0, ""},
    {"Label6", 3, Kind::Label, u"未", {630, 765, 180, 180}, kRed, kKindDefault, {}, 42, kAutoSize | kTransparent, "", u"", u"経過時刻の状態"},
    {"cmdClearK", kNoIndex, Kind::Button, u"C", {930, 705, 270, 285}, kKindDefault, kKindDefault, {}, 43, 0, ""},
    {"Text8", 2, Kind::TextBox, u"", {1530, 675, 500, 270}, kKindDefault, kLightGrey, {}, 39, 0, "", u"時刻2 の年"},
    {"Text8", 0, Kind::TextBox, u"", {1965, 660, 1700, 285}, kKindDefault, kYellow, {9.75, false}, 35, 0, "", u"時刻2"},
    {"Label1", 2, Kind::Label, u"時刻2", {3695, 750, 420, 165}, kKindDefault, kKindDefault, {8.25, false}, 21, kAutoSize | kTransparent, ""},
    {"Line1", kNoIndex, Kind::Line, u"", {60, 1005, 4030, 1005}, kKindDefault, kKindDefault, {}, kNoTab, 0, "", u"区切り線"},
    {"Label3", 1, Kind::Label, u" 単位変換 ", {45, 1125, 930, 210}, kWindowText, kWindowBack, {}, 37, kSingleBorder | kAutoSize | kFlat, ""},
    {"cmdConvert", kNoIndex, Kind::Button, u"変換", {45, 1470, 585, 285}, kKindDefault, kKindDefault, {}, 11, 0, ""},
    {"Label6", 0, Kind::Label, u"未", {630, 1530, 180, 180}, kRed, kKindDefault, {}, 27, kAutoSize | kTransparent, "", u"", u"変換の状態"},
    {"cmdClearV", kNoIndex, Kind::Button, u"C", {915, 1485, 270, 255}, kKindDefault, kKindDefault, {}, 26, 0, ""},
    {"Frame2", kNoIndex, Kind::Frame, u"", {1545, 1020, 345, 1470}, kKindDefault, kKindDefault, {}, 1, 0, "", u"単位"},
    {"Option3", kNoIndex, Kind::Option, u"", {75, 135, 225, 210}, kKindDefault, kKindDefault, {}, 2, 0, "Frame2", UnitCaption(Unit::Dhms)},
    {"Option4", kNoIndex, Kind::Option, u"", {75, 420, 225, 210}, kKindDefault, kKindDefault, {}, 3, 0, "Frame2", UnitCaption(Unit::Day)},
    {"Option5", kNoIndex, Kind::Option, u"", {75, 675, 240, 210}, kKindDefault, kKindDefault, {}, 4, kSelected, "Frame2", UnitCaption(Unit::Hour)},
    {"Option6", kNoIndex, Kind::Option, u"", {75, 900, 210, 255}, kKindDefault, kKindDefault, {}, 5, 0, "Frame2", UnitCaption(Unit::Min)},
    {"Option7", kNoIndex, Kind::Option, u"", {75, 1185, 210, 240}, kKindDefault, kKindDefault, {}, 6, 0, "Frame2", UnitCaption(Unit::Sec)},
    {"Text9", 0, Kind::TextBox, u"", {2120, 1080, 1550, 285}, kKindDefault, kKindDefault, {9.75, false}, 44, 0, "", UnitCaption(Unit::Dhms)},
    {"Label2", 4, Kind::Label, UnitCaption(Unit::Dhms), {3695, 1170, 360, 180}, kKindDefault, kKindDefault, {}, 50, kAutoSize | kTransparent, ""},
    {"Text9", 1, Kind::TextBox, u"", {1965, 1365, 1700, 285}, kKindDefault, kLightYellow, {9.75, false}, 45, 0, "", UnitCaption(Unit::Day)},
    {"Text9", 2, Kind::TextBox, u"", {1965, 1635, 1700, 285}, kKindDefault, kLightYellow, {9.75, false}, 46, 0, "", UnitCaption(Unit::Hour)},
    {"Text9", 3, Kind::TextBox, u"", {1965, 1905, 1700, 285}, kKindDefault, kLightYellow, {9.75, false}, 47, 0, "", UnitCaption(Unit::Min)},
    {"Text9", 4, Kind::TextBox, u"", {1965, 2160, 1700, 285}, kKindDefault, kLightYellow, {9.75, false}, 48, 0, "", UnitCaption(Unit::Sec)},
    {"Label2", 0, Kind::Label, UnitCaption(Unit::Day), {3695, 1410, 300, 180}, kKindDefault, kKindDefault, {}, 16, kTransparent, ""},
    {"Label2", 1, Kind::Label, UnitCaption(Unit::Hour), {3695, 1725, 360, 180}, kKindDefault, kKindDefault, {}, 17, kAutoSize | kTransparent, ""},
    {"Label2", 2, Kind::Label, UnitCaption(Unit::Min), {3695, 1950, 300, 180}, kKindDefault, kKindDefault, {}, 18, kTransparent, ""},
    {"Label2", 3, Kind::Label, UnitCaption(Unit::Sec), {3695, 2205, 300, 180}, kKindDefault, kKindDefault, {}, 19, kTransparent, ""},
    {"Text7", 0, Kind::TextBox, u"", {1965, 1365, 1700, 285}, kKindDefault, kKindDefault, {9.75, false}, 28, kHidden | kMultiLine | kRightAligned, "", UnitCaption(Unit::Day)},
    {"Text7", 1, Kind::TextBox, u"", {1965, 1635, 1700, 285}, kKindDefault, kKindDefault, {9.75, false}, 29, kHidden | kMultiLine | kRightAligned, "", UnitCaption(Unit::Hour)},
    {"Text7", 2, Kind::TextBox, u"", {1965, 1905, 1700, 285}, kKindDefault, kKindDefault, {9.75, false}, 30, kHidden | kMultiLine | kRightAligned, "", UnitCaption(Unit::Min)},
    {"Text7", 3, Kind::TextBox, u"", {1965, 2160, 1700, 285}, kKindDefault, kKindDefault, {9.75, false}, 31, kHidden | kMultiLine | kRightAligned, "", UnitCaption(Unit::Sec)},
    {"Label3", 2, Kind::Label, u" 時間計算 ", {30, 2505, 930, 210}, kWindowText, kWindowBack, {}, 38, kSingleBorder | kAutoSize | kFlat, ""},
    {"cmdCalcT", kNoIndex, Kind::Button, u"和差", {45, 2820, 540, 285}, kKindDefault, kKindDefault, {}, 12, 0, ""},
    {"Label6", 2, Kind::Label, u"未", {585, 2895, 180, 180}, kRed, kKindDefault, {}, 34, kAutoSize | kTransparent, "", u"", u"和差の状態"},
    {"cmdClearT", kNoIndex, Kind::Button, u"C", {870, 2820, 270, 285}, kKindDefault, kKindDefault, {}, 14, 0, ""},
    {"Frame3", kNoIndex, Kind::Frame, u"+  -", {1215, 2700, 630, 405}, kKindDefault, kKindDefault, {}, 7, 0, ""},
    {"Option8", kNoIndex, Kind::Option, u"", {75, 135, 210, 225}, kKindDefault, kKindDefault, {}, 8, kSelected, "Frame3", u"+"},
    {"Option9", kNoIndex, Kind::Option, u"", {345, 150, 195, 195}, kKindDefault, kKindDefault, {}, 9, 0, "Frame3", u"-"},
    {"Text9", 5, Kind::TextBox, u"", {1965, 2790, 1700, 285}, kKindDefault, kLightYellow, {9.75, false}, 49, 0, "", u"和差の入力"},
    {"Text7", 4, Kind::TextBox, u"", {1965, 2790, 1700, 285}, kKindDefault, kKindDefault, {9.75, false}, 32, kHidden | kMultiLine | kRightAligned, "", u"和差の入力"},
    {"Label5", 0, Kind::Label, u"hr", {3695, 2880, 180, 180}, kKindDefault, kKindDefault, {}, 23, kAutoSize | kTransparent, ""},
    {"Line2", kNoIndex, Kind::Line, u"", {60, 3120, 4030, 3120}, kKindDefault, kKindDefault, {}, kNoTab, 0, "", u"区切り線"},
    {"Text6", kNoIndex, Kind::TextBox, u"", {1965, 3180, 1700, 285}, kKindDefault, kKindDefault, {9.75, false}, 0, kMultiLine | kRightAligned, "", u"和差の結果"},
    {"Label5", 1, Kind::Label, u"hr", {3695, 3255, 180, 180}, kKindDefault, kKindDefault, {}, 24, kAutoSize | kTransparent, ""},
    {"cmd2Big", kNoIndex, Kind::Button, u"→Big", {30, 3300, 705, 255}, kKindDefault, kKindDefault, {}, 25, 0, ""},
};
static_assert(FollowsUnitTable(kRows), "the units' options, fields and twins are those of kUnitRows");

constexpr WindowDesign kDesign{
    "ZelvorinF2", u"Zelvorin", 4140, 3570, {9, false}, false, true, true, kRows};

}  // namespace

const WindowDesign& MiniWindowDesign() { return kDesign; }

}  // namespace zel
