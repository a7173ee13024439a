#pragma once
// A control of a window as data: its design row and the state the handlers change.

#include <optional>
#include <string>
#include <string_view>

#include "ui/design.h"

namespace zel {

// A control's identity: its name and, for a control array, its index ("Text9(3)").
struct ControlId {
    std::string name;
    int index = kNoIndex;

    std::string ToString() const;
    // Reads "Name" or "Name(3)"; nullopt for anything else.
    static std::optional<ControlId> Parse(std::string_view text);
    friend bool operator==(const ControlId&, const ControlId&) = default;
};

class Control {
public:
    explicit Control(const DesignRow& row);

    const DesignRow& design() const { return *row_; }
    std::string_view name() const { return row_->name; }
    int index() const { return row_->index; }
    ControlId id() const { return {std::string(row_->name), row_->index}; }
    Kind kind() const { return row_->kind; }
    int tabIndex() const { return row_->tabIndex; }

    // Text of a text box, caption of a label, button or frame.
    std::u16string text;
    bool visible;
    Colour fore;
    Colour back;
    bool selected;  // option buttons only
    TwipRect rect;  // text boxes of the manual window follow its size; all others keep the design
    int z = 0;      // drawing order: higher is in front

private:
    const DesignRow* row_;
};

}  // namespace zel
