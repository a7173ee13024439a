#pragma once
// What a screen reader is told of the controls: lines are separators, options radio buttons,
// fields read whole; every other widget is Qt's own business.

namespace zel::view {

// Installs the interfaces with Qt's accessibility; a second call replaces the first.
// A field's interface answers a Qt 6.4 fault: QLineEdit's reports every attribute run as empty,
// and a screen reader joining the runs drops the last character ("2026" read as "202").
void InstallAccessibleControls();

}  // namespace zel::view
