#pragma once
// What a screen reader is told of a calculator field.

#include <QAccessibleInterface>

namespace zel::view {

class FieldEdit;

// Qt 6.4.2's line-edit interface reports every text-attribute run as empty (it starts and ends at
// the offset asked), and a screen reader that joins the runs into the line reads the field without
// its last character ("2026" as "202"). This interface reads the field through QLineEdit's public
// calls and reports the one run the text really has: all of it, without attributes.
QAccessibleInterface* NewFieldAccessible(FieldEdit* field);

}  // namespace zel::view
