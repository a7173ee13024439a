#pragma once
#include <string>

namespace zel {

// The manual's usage text: its lines joined by CR LF, no break after the last one.
std::u16string UsageText();

}  // namespace zel
