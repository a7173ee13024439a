#pragma once
// The view tests' names for what the layer holds: a text as Qt holds it, and the id under which
// the view keeps the widget of a design row's control.

#include <QString>

#include <string>
#include <string_view>

#include "ui/control.h"

namespace zel {

inline QString Q(std::u16string_view text) { return QString::fromStdU16String(std::u16string(text)); }

inline std::string IdOf(const DesignRow& row) { return ControlId{std::string(row.name), row.index}.ToString(); }

}  // namespace zel
