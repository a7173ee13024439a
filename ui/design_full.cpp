// The full calculator window as designed: one row per control, in drawing order from top to bottom.
#include "ui/design.h"
#include "ui/unit_table.h"

namespace zel {
namespace {

constexpr DesignRow kRows[] = {
    {"Label4", 1, Kind::Label, u" 時刻計算部 ", {45, 45, 1575, 270}, kWindowText, kWindowBack, {12, true}, 38, kSingleBorder | kAutoSize | kFlat, ""},
    {"cmdManu", kNoIndex, Kind::Button, u"使用法", {5955, -15, 750, 285}, kKindDefault, kKindDefault, {9, false}, 43, 0, ""},
    {"Label1", 23, Kind::Label, u"年", {3900, 300, 180, 180}, kKindDefault, kKindDefault, {9, false}, 66, kAutoSize | kTransparent, ""},
    {"Label1", 0, Kind::Label, u"月/日　時  分  秒", {4200, 285, 1785, 195}, kKindDefault, kKindDefault, {9.75, false}, 0, kAutoSize | kTransparent, ""},
    {"Label1", 18, Kind::Label, u"時刻１ - 時刻２", {105, 435, 1350, 180}, kGrey, kKindDefault, {9, false}, 55, kAutoSize | kTransparent, ""},
    {"cmdCalc", kNoIndex, Kind::Button, u"時 刻 差", {75, 630, 1400, 375}, kKindDefault, kKindDefault, {11.25, false}, 6, 0, ""},
    {"Label6", 1, Kind::Label, u"未", {1470, 705, 255, 255}, kRed, kKindDefault, {}, 39, kTransparent, "", u"", u"時刻差の状態"},
    {"cmdClear", kNoIndex, Kind::Button, u"C", {1815, 630, 450, 375}, kKindDefault, kKindDefault, {}, 23, 0, ""},
    {"Label1", 14, Kind::Label, u"時刻１- 時刻２", {2335, 645, 1260, 180}, kGrey, kKindDefault, {9, false}, 46, kAutoSize | kTransparent, ""},
    {"Label1", 22, Kind::Label, u"結果は単位変換部に", {2340, 855, 1620, 180}, kGrey, kKindDefault, {9, false}, 65, kAutoSize | kTransparent, ""},
    {"Text8", 3, Kind::TextBox, u"", {3810, 465, 525, 270}, kKindDefault, kLightGrey, {9, false}, 54, 0, "", u"時刻1 の年"},
    {"Text8", 1, Kind::TextBox, u"", {4020, 675, 2040, 360}, kKindDefault, kYellow, {12, true}, 42, 0, "", u"時刻1"},
    {"Label1", 10, Kind::Label, u"時刻1", {6090, 735, 525, 195}, kKindDefault, kKindDefault, {9.75, false}, 36, kAutoSize | kTransparent, ""},
    {"Label1", 19, Kind::Label, u"時刻１ + 時間", {90, 1080, 1170, 180}, kGrey, kKindDefault, {9, false}, 56, kAutoSize | kTransparent, ""},
    {"cmdKeika", kNoIndex, Kind::Button, u"経過時刻", {75, 1260, 1400, 360}, kKindDefault, kKindDefault, {11.25, false}, 48, 0, ""},
    {"Label6", 3, Kind::Label, u"未", {1455, 1305, 255, 255}, kRed, kKindDefault, {}, 50, kTransparent, "", u"", u"経過時刻の状態"},
    {"cmdClearK", kNoIndex, Kind::Button, u"C", {1830, 1260, 450, 360}, kKindDefault, kKindDefault, {}, 49, 0, ""},
    {"Label1", 16, Kind::Label, u"時刻１+ 変換部の時間", {2350, 1275, 1350, 405}, kGrey, kKindDefault, {9, false}, 51, kTransparent, ""},
    {"Label1", 17, Kind::Label, u"結果→", {3360, 1470, 540, 180}, kGrey, kKindDefault, {9, false}, 52, kAutoSize | kTransparent, ""},
    {"Text8", 2, Kind::TextBox, u"", {3810, 1080, 525, 270}, kKindDefault, kLightGrey, {9, false}, 53, 0, "", u"時刻2 の年"},
    {"Label1", 20, Kind::Label, u"DblClickで現在時刻", {4515, 1080, 1620, 180}, kGrey, kKindDefault, {9, false}, 63, kAutoSize | kTransparent, ""},
    {"Text8", 0, Kind::TextBox, u"", {4020, 1290, 2040, 360}, kKindDefault, kYellow, {12, true}, 41, 0, "", u"時刻2"},
    {"Label1", 11, Kind::Label, u"時刻2", {6090, 1350, 525, 195}, kKindDefault, kKindDefault, {9.75, false}, 37, kAutoSize | kTransparent, ""},
    {"Line2", kNoIndex, Kind::Line, u"", {90, 1770, 6285, 1770}, kKindDefault, kKindDefault, {}, kNoTab, 0, "", u"区切り線"},
    {"Label4", 2, Kind::Label, u" 単位変換部 ", {75, 1860, 1575, 270}, kWindowText, kWindowBack, {12, true}, 44, kSingleBorder | kAutoSize | kFlat, ""},
    {"Label1", 15, Kind::Label, u"--オプション点灯部を他の単位に変換します。", {1700, 1920, 3780, 180}, kGrey, kKindDefault, {9, false}, 47, kAutoSize | kTransparent, ""},
    {"cmdConvert", kNoIndex, Kind::Button, u"変換", {75, 2340, 705, 345}, kKindDefault, kKindDefault, {11.25, false}, 22, 0, ""},
    {"Label6", 0, Kind::Label, u"未", {435, 2700, 255, 255}, kRed, kKindDefault, {}, 30, kTransparent, "", u"", u"変換の状態"},
    {"cmdClearV", kNoIndex, Kind::Button, u"C", {330, 3000, 420, 390}, kKindDefault, kKindDefault, {}, 29, 0, ""},
    {"Label1", 1, Kind::Label, u"[日:時:分:秒]表示/計算→", {885, 2325, 2520, 195}, kKindDefault, kKindDefault, {9.75, false}, 1, kAutoSize | kTransparent, ""},
    {"Label1", 6, Kind::Label, u"[日]単位で表示/計算 →", {1095, 2760, 2175, 195}, kKindDefault, kKindDefault, {9.75, false}, 7, kAutoSize | kTransparent, ""},
    {"Label1", 7, Kind::Label, u"[時間]単位で表示/計算 →", {870, 3120, 2370, 195}, kKindDefault, kKindDefault, {9.75, false}, 8, kAutoSize | kTransparent, ""},
    {"Label1", 8, Kind::Label, u"[分]単位で表示/計算 →", {1080, 3510, 2175, 195}, kKindDefault, kKindDefault, {9.75, false}, 9, kAutoSize | kTransparent, ""},
    {"Label1", 9, Kind::Label, u"[秒]単位で表示/計算 →", {1095, 3885, 2175, 195}, kKindDefault, kKindDefault, {9.75, false}, 10, kAutoSize | kTransparent, ""},
    {"Frame2", kNoIndex, Kind::Frame, u"", {3420, 2145, 420, 2025}, kKindDefault, kKindDefault, {}, 11, 0, "", u"単位"},
    {"Option3", kNoIndex, Kind::Option, u"", {120, 195, 225, 195}, kKindDefault, kKindDefault, {}, 12, 0, "Frame2", UnitCaption(Unit::Dhms)},
    {"Option4", kNoIndex, Kind::Option, u"", {105, 615, 225, 240}, kKindDefault, kKindDefault, {}, 13, 0, "Frame2", UnitCaption(Unit::Day)},
    {"Option5", kNoIndex, Kind::Option, u"", {105, 960, 210, 240}, kKindDefault, kKindDefault, {}, 14, kSelected, "Frame2", UnitCaption(Unit::Hour)},
    {"Option6", kNoIndex, Kind::Option, u"", {105, 1355, 195, 240}, kKindDefault, kKindDefault, {}, 15, 0, "Frame2", UnitCaption(Unit::Min)},
    {"Option7", kNoIndex, Kind::Option, u"", {105, 1700, 195, 240}, kKindDefault, kKindDefault, {}, 16, 0, "Frame2", UnitCaption(Unit::Sec)},
    {"Text9", 0, Kind::TextBox, u"", {4050, 2235, 2010, 360}, kKindDefault, kKindDefault, {12, true}, 57, 0, "", UnitCaption(Unit::Dhms)},
    {"Label1", 21, Kind::Label, UnitCaption(Unit::Dhms), {6120, 2340, 480, 225}, kKindDefault, kKindDefault, {11.25, false}, 64, kAutoSize | kTransparent, ""},
    {"Text9", 1, Kind::TextBox, u"", {3900, 2715, 2160, 360}, kKindDefault, kLightYellow, {12, true}, 58, 0, "", UnitCaption(Unit::Day)},
    {"Text9", 2, Kind::TextBox, u"", {3900, 3060, 2160, 360}, kKindDefault, kLightYellow, {12, true}, 59, 0, "", UnitCaption(Unit::Hour)},
    {"Text9", 3, Kind::TextBox, u"", {3900, 3405, 2160, 360}, kKindDefault, kLightYellow, {12, true}, 60, 0, "", UnitCaption(Unit::Min)},
    {"Text9", 4, Kind::TextBox, u"", {3900, 3750, 2160, 360}, kKindDefault, kLightYellow, {12, true}, 61, 0, "", UnitCaption(Unit::Sec)},
    {"Label1", 2, Kind::Label, UnitCaption(Unit::Day), {6150, 2745, 360, 225}, kKindDefault, kKindDefault, {11.25, false}, 2, kAutoSize | kTransparent, ""},
    {"Label1", 3, Kind::Label, UnitCaption(Unit::Hour), {6150, 3120, 480, 225}, kKindDefault, kKindDefault, {11.25, false}, 3, kAutoSize | kTransparent, ""},
    {"Label1", 4, Kind::Label, UnitCaption(Unit::Min), {6150, 3450, 360, 225}, kKindDefault, kKindDefault, {11.25, false}, 4, kAutoSize | kTransparent, ""},
    {"Label1", 5, Kind::Label, UnitCaption(Unit::Sec), {6150, 3810, 360, 225}, kKindDefault, kKindDefault, {11.25, false}, 5, kAutoSize | kTransparent, ""},
    {"Text7", 0, Kind::TextBox, u"", {3900, 2715, 2160, 360}, kKindDefault, kKindDefault, {12, true}, 31, kHidden | kMultiLine | kRightAligned, "", UnitCaption(Unit::Day)},
    {"Text7", 1, Kind::TextBox, u"", {3900, 3060, 2160, 360}, kKindDefault, kKindDefault, {12, true}, 32, kHidden | kMultiLine | kRightAligned, "", UnitCaption(Unit::Hour)},
    {"Text7", 2, Kind::TextBox, u"", {3900, 3405, 2160, 360}, kKindDefault, kKindDefault, {12, true}, 33, kHidden | kMultiLine | kRightAligned, "", UnitCaption(Unit::Min)},
    {"Text7", 3, Kind::TextBox, u"", {3900, 3750, 2160, 360}, kKindDefault, kKindDefault, {12, true}, 34, kHidden | kMultiLine | kRightAligned, "", UnitCaption(Unit::Sec)},
    {"Label4", 0, Kind::Label, u" 時間計算部 ", {60, 4395, 1575, 270}, kWindowText, kWindowBack, {12, true}, 18, kSingleBorder | kAutoSize | kFlat, ""},
    {"Label1", 13, Kind::Label, u"--上のオプション点灯部とこの枠↓の和差を計算します。", {1710, 4470, 4680, 180}, kGrey, kKindDefault, {9, false}, 45, kAutoSize | kTransparent, ""},
    {"cmdCalcT", kNoIndex, Kind::Button, u"和差", {60, 4815, 825, 390}, kKindDefault, kKindDefault, {11.25, false}, 27, 0, ""},
    {"Label6", 2, Kind::Label, u"未", {900, 4905, 255, 255}, kRed, kKindDefault, {}, 40, kTransparent, "", u"", u"和差の状態"},
    {"cmdClearT", kNoIndex, Kind::Button, u"C", {1260, 4830, 435, 375}, kKindDefault, kKindDefault, {}, 24, 0, ""},
    {"Frame3", kNoIndex, Kind::Frame, u"+  -", {2910, 4740, 765, 465}, kKindDefault, kKindDefault, {11.25, false}, 19, 0, ""},
    {"Option8", kNoIndex, Kind::Option, u"", {90, 180, 210, 240}, kKindDefault, kKindDefault, {}, 20, kSelected, "Frame3", u"+"},
    {"Option9", kNoIndex, Kind::Option, u"", {435, 195, 225, 225}, kKindDefault, kKindDefault, {}, 21, 0, "Frame3", u"-"},
    {"Text9", 5, Kind::TextBox, u"", {3930, 4860, 2160, 360}, kKindDefault, kLightYellow, {12, true}, 62, 0, "", u"和差の入力"},
    {"Text7", 4, Kind::TextBox, u"", {3930, 4860, 2160, 360}, kKindDefault, kKindDefault, {12, true}, 35, kHidden | kMultiLine | kRightAligned, "", u"和差の入力"},
    {"Label5", 0, Kind::Label, UnitCaption(Unit::Hour), {6135, 4860, 465, 270}, kKindDefault, kKindDefault, {11.25, false}, 25, kTransparent, ""},
    {"Line1", kNoIndex, Kind::Line, u"", {75, 5265, 6345, 5265}, kKindDefault, kKindDefault, {}, kNoTab, 0, "", u"区切り線"},
    {"Text6", kNoIndex, Kind::TextBox, u"", {3915, 5325, 2160, 375}, kKindDefault, kKindDefault, {12, true}, 17, kMultiLine | kRightAligned, "", u"和差の結果"},
    {"Label5", 1, Kind::Label, UnitCaption(Unit::Hour), {6135, 5430, 465, 270}, kKindDefault, kKindDefault, {11.25, false}, 26, kTransparent, ""},
    {"cmd2Mini", kNoIndex, Kind::Button, u"→Mini", {45, 5490, 870, 315}, kKindDefault, kKindDefault, {9.75, false}, 28, 0, ""},
};
static_assert(FollowsUnitTable(kRows), "the units' options, fields and twins are those of kUnitRows");

constexpr WindowDesign kDesign{
    "ZelvorinF1", u"Zelvorin（時間計算電卓） 12bn", 6705, 5850, {12, false}, false, true, true, kRows};

}  // namespace

const WindowDesign& FullWindowDesign() { return kDesign; }

}  // namespace zel
