#include "ui/control.h"

#include <charconv>

namespace zel {

std::string ControlId::ToString() const {
    if (index == kNoIndex) return name;
    return name + "(" + std::to_string(index) + ")";
}

std::optional<ControlId> ControlId::Parse(std::string_view text) {
    const auto open = text.find('(');
    if (open == std::string_view::npos) {
        if (text.empty()) return std::nullopt;
        return ControlId{std::string(text), kNoIndex};
    }
    if (open == 0 || text.back() != ')') return std::nullopt;
    const auto digits = text.substr(open + 1, text.size() - open - 2);
    int index = 0;
    const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), index);
    if (error != std::errc() || end != digits.data() + digits.size() || digits.empty() || index < 0)
        return std::nullopt;
    return ControlId{std::string(text.substr(0, open)), index};
}

Control::Control(const DesignRow& row)
    : text(row.caption),
      visible((row.flags & kHidden) == 0),
      fore(row.fore == kKindDefault ? KindFore(row.kind) : row.fore),
      back(row.back == kKindDefault ? KindBack(row.kind) : row.back),
      selected((row.flags & kSelected) != 0),
      rect(row.rect),
      row_(&row) {}

}  // namespace zel
