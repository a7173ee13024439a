#pragma once
// Program-wide data, shared by every window.

#include <cstdint>

namespace zel {

struct ZelvorinM {
    // Why the calculator window is going away or has lost the activation.
    enum : std::uint8_t { kNormal = 0, kToMini = 1, kToFull = 2, kManualOpen = 3 };
    std::uint8_t WindowSwitch = kNormal;
};

}  // namespace zel
