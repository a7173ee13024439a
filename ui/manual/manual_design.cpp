// The manual window as designed: one multi-line text box that fills it.
#include "ui/design.h"

namespace zel {
namespace {

constexpr DesignRow kRows[] = {
    {"txtManu", kNoIndex, Kind::TextBox, u"ZvManu", {60, 60, 3300, 5385}, kKindDefault, kKindDefault, {}, 0,
     kMultiLine | kVerticalScroll | kTextArea, "", u"使用法"},
};

constexpr WindowDesign kDesign{
    "ZelvorinManu", u"ZelvorinManual", 3420, 5520, {11.25, false}, true, false, false, kRows};

}  // namespace

const WindowDesign& ManualWindowDesign() { return kDesign; }

}  // namespace zel
