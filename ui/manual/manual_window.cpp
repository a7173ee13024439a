#include "ui/manual/manual_window.h"

#include "ui/manual/usage_text.h"

namespace zel {

namespace {
// Below these outer sizes the window snaps back.
constexpr double kMinWidth = 1509;
constexpr double kMinHeight = 2406;
// A window this low is being minimised or is not laid out yet: leave it alone.
constexpr double kIgnoredHeight = 660;
// The text box keeps this much of the outer size for margins, frame and title bar.
constexpr double kBoxWidthMargin = 220;
constexpr double kBoxHeightMargin = 500;
}  // namespace

ManualWindow::ManualWindow()
    : Window(ManualWindowDesign()),
      box_(form_("txtManu")),
      outerWidth_(ManualWindowDesign().clientWidth + kFrameWidth),
      outerHeight_(ManualWindowDesign().clientHeight + kFrameHeight) {}

void ManualWindow::Form_Load() {
    box_.text = UsageText();
    Form_Resize();
}

void ManualWindow::Resized(double outerWidth, double outerHeight) {
    outerWidth_ = outerWidth;
    outerHeight_ = outerHeight;
    Form_Resize();
}

void ManualWindow::Form_Resize() {
    if (outerHeight_ <= kIgnoredHeight) return;
    if (outerWidth_ < kMinWidth) outerWidth_ = kMinWidth;
    if (outerHeight_ < kMinHeight) outerHeight_ = kMinHeight;
    box_.rect.width = static_cast<int>(outerWidth_ - kBoxWidthMargin);
    box_.rect.height = static_cast<int>(outerHeight_ - kBoxHeightMargin);
}

}  // namespace zel
