#pragma once
// Zelvorin as it runs: the event rules (program.h) with the calculator windows they open. The one
// place above both the layer and its calculator windows.

#include "ui/calculator_window.h"
#include "ui/program.h"

namespace zel {

class Zelvorin : public Program {
public:
    using Program::Program;

protected:
    std::unique_ptr<Window> NewCalculator(CalculatorSize size) override {
        return std::make_unique<CalculatorWindow>(*this, size);
    }
};

}  // namespace zel
