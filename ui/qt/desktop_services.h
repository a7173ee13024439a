#pragma once
// The desktop's side of the layer's services: real message boxes (the clock is the layer's own).

#include <QApplication>
#include <QWidget>

#include <functional>

#include "ui/services.h"

namespace zel::view {

// Modal message boxes without icon: OK alone, or OK (the default) and Cancel (also Escape).
class QtMessageBoxes : public MessageBoxes {
public:
    // The window a box is shown over; may give null.
    std::function<QWidget*()> owner;

    MessageAnswer Show(const std::u16string& text, const std::u16string& title, MessageButtons buttons) override;
};

// Readies the application object for the calculator: its name, its life until the layer ends
// it, and Qt's own texts in Japanese.
void PrepareApplication(QApplication& app);

}  // namespace zel::view
