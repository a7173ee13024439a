#pragma once
// Program-wide data, shared by every window.

#include <cstdint>

namespace zel {

struct ZelvorinM {
    // Why the calculator window is going away or has lost the activation.
    enum class Switch : std::uint8_t { Normal, ToMini, ToFull, ManualOpen };
    Switch WindowSwitch = Switch::Normal;
};

}  // namespace zel
