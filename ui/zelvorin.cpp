#include "ui/zelvorin.h"

#include "ui/calculator_window.h"

namespace zel {

// The manual slot only ever holds the window NewManual made.
ManualWindow* Zelvorin::manual() { return static_cast<ManualWindow*>(Program::manual()); }

std::unique_ptr<Window> Zelvorin::NewCalculator(CalculatorSize size) {
    return std::make_unique<CalculatorWindow>(*this, size == CalculatorSize::Full ? FullWindowDesign() : MiniWindowDesign());
}

std::unique_ptr<Window> Zelvorin::NewManual() { return std::make_unique<ManualWindow>(*this); }

}  // namespace zel
