#pragma once
// Zelvorin as it runs: the event rules (program.h) with the windows they open, the calculator
// and the manual. The one place above both the layer and its windows.

#include "ui/manual/manual_window.h"
#include "ui/program.h"

namespace zel {

class Zelvorin : public Program {
public:
    using Program::Program;

    ManualWindow* manual() override;

protected:
    std::unique_ptr<Window> NewCalculator(CalculatorSize size) override;
    std::unique_ptr<Window> NewManual() override;
};

}  // namespace zel
