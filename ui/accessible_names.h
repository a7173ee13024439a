// What a screen reader speaks for each control of the windows.
#pragma once

#include <string>

#include <string_view>

#include "ui/design.h"

namespace zel {

// The control's name: for a control without a caption of its own (text boxes, the unit and
// sign options, the unit frame, lines) the text of the label beside it or what it is; for the
// others nothing, as their caption speaks for them.
std::u16string_view AccessibleNameOf(std::string_view name, int index);

// What a status mark tells about, spoken after its "未" or "済"; empty for other controls.
std::u16string_view AccessibleDescriptionOf(std::string_view name, int index);

}  // namespace zel
