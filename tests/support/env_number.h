#pragma once
// Long test runs read their size and seed from the environment, so that a failure found in a
// long run can be repeated with its seed.

#include <cstdlib>

namespace zel {

// The whole number an environment variable holds, or `fallback` when it is not set.
inline long EnvNumber(const char* name, long fallback) {
    const char* value = std::getenv(name);
    return value ? std::strtol(value, nullptr, 10) : fallback;
}

}  // namespace zel
