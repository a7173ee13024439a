#pragma once
// The manual window: the usage text in one scrollable box that follows the window's size.

#include "ui/window.h"

namespace zel {

class ManualWindow : public Window {
public:
    ManualWindow();

    // The window's outer size (frame and title bar included) in twips.
    double outerWidth() const { return outerWidth_; }
    double outerHeight() const { return outerHeight_; }
    // The outer size of a freshly shown window: its client area and a standard frame, whose
    // size makes the text box open at its designed size.
    static constexpr double kFrameWidth = 100;
    static constexpr double kFrameHeight = 365;

    void Form_Load() override;
    // Keeps the window from getting too small and fits the text box to it.
    void Resized(double outerWidth, double outerHeight) override;

private:
    void Form_Resize();

    Control& box_;  // txtManu
    double outerWidth_;
    double outerHeight_;
};

}  // namespace zel
