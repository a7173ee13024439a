#pragma once
// The units of the conversion section as both calculator windows lay them out, one row a unit in
// the order of Unit: its option button, its entry field Text9(field), the field's display twin
// Text7(twin), and its caption. The design rows take the captions from here, and each design
// checks as it compiles that its options, fields and twins are the ones named here.

#include <span>
#include <string_view>

#include "core/units.h"
#include "ui/design.h"

namespace zel {

struct UnitRow {
    Unit unit;
    std::string_view option;
    int field;  // the index in Text9
    int twin;   // the index in Text7; kNoIndex for the dhms field, which has no twin
    std::u16string_view caption;
};

inline constexpr UnitRow kUnitRows[] = {
    {Unit::Dhms, "Option3", 0, kNoIndex, u"dhms"},
    {Unit::Day, "Option4", 1, 0, u"day"},
    {Unit::Hour, "Option5", 2, 1, u"hour"},
    {Unit::Min, "Option6", 3, 2, u"min"},
    {Unit::Sec, "Option7", 4, 3, u"sec"},
};

constexpr const UnitRow& UnitRowOf(Unit unit) { return kUnitRows[static_cast<int>(unit)]; }
constexpr std::u16string_view UnitCaption(Unit unit) { return UnitRowOf(unit).caption; }

// Whether the table has one row a unit in the order of Unit, and a window's design has each
// unit's option, field and twin where the table names them: the design row of each speaks the
// unit's caption to a screen reader.
constexpr bool FollowsUnitTable(std::span<const DesignRow> rows) {
    const auto speaks = [rows](std::string_view name, int index, std::u16string_view caption) {
        for (const DesignRow& row : rows)
            if (row.name == name && row.index == index) return row.accessibleName == caption;
        return false;
    };
    int value = 0;
    for (const UnitRow& unit : kUnitRows) {
        if (static_cast<int>(unit.unit) != value++) return false;
        if (!speaks(unit.option, kNoIndex, unit.caption) || !speaks("Text9", unit.field, unit.caption)) return false;
        if (unit.twin != kNoIndex && !speaks("Text7", unit.twin, unit.caption)) return false;
    }
    return value == static_cast<int>(Unit::Sec) + 1;
}

}  // namespace zel
