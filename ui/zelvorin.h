#pragma once
// Zelvorin as it runs: the event rules (program.h) with the windows they open, the calculator
// and the manual. The one place above both the layer and its windows.

#include "ui/calculator_window.h"
#include "ui/manual/manual_window.h"
#include "ui/program.h"

namespace zel {

class Zelvorin : public Program {
public:
    using Program::Program;

    // The manual slot only ever holds the window NewManual made.
    ManualWindow* manual() override { return static_cast<ManualWindow*>(Program::manual()); }

protected:
    std::unique_ptr<Window> NewCalculator(CalculatorSize size) override {
        return std::make_unique<CalculatorWindow>(*this, size);
    }
    std::unique_ptr<Window> NewManual() override { return std::make_unique<ManualWindow>(*this); }
};

}  // namespace zel
