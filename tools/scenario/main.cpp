// zelvorin-scenario [-v] FILE...: runs acceptance scenarios against the window layer.
// zelvorin-scenario --controls: lists the text boxes and buttons of every window, for tools that
// drive the real program and need to know where its controls are.
#include <cstring>
#include <iostream>
#include <utility>

#include "tools/scenario/layer_driver.h"
#include "tools/scenario/scenario.h"
#include "ui/design.h"

namespace {

// One line per text box and button: window, name, index (-1 for none), kind, and left, top,
// width, height in twips from the client area's top-left corner.
void PrintControls() {
    const std::pair<const char*, const zel::WindowDesign*> windows[] = {
        {"full", &zel::FullWindowDesign()}, {"mini", &zel::MiniWindowDesign()}, {"manual", &zel::ManualWindowDesign()}};
    for (const auto& [window, design] : windows) {
        for (const zel::DesignRow& row : design->rows) {
            if (row.kind != zel::Kind::TextBox && row.kind != zel::Kind::Button) continue;
            // A rectangle inside a frame is relative to the frame: only controls on the window itself.
            if (!row.container.empty()) continue;
            std::cout << window << ' ' << row.name << ' ' << row.index << ' '
                      << (row.kind == zel::Kind::TextBox ? "textbox" : "button") << ' ' << row.rect.left << ' '
                      << row.rect.top << ' ' << row.rect.width << ' ' << row.rect.height << '\n';
        }
    }
}

}  // namespace

int main(int argc, char** argv) {
    if (argc == 2 && std::strcmp(argv[1], "--controls") == 0) {
        PrintControls();
        return 0;
    }
    return zel::scenario::Main({argv + 1, argv + argc},
                               "usage: zelvorin-scenario [-v] FILE...\n       zelvorin-scenario --controls\n",
                               zel::scenario::NewLayerDriver);
}
