#pragma once
// What the windows need from the desktop besides their controls: message boxes and the clock.
// Both are interfaces so that the program can be driven by scripts as well as by a person.

#include <string>

#include "core/moment.h"

namespace zel {

enum class MessageButtons { Ok, OkCancel };
enum class MessageAnswer { Ok, Cancel };

class MessageBoxes {
public:
    virtual ~MessageBoxes() = default;
    // Shows a modal message box without icon and returns the user's answer (always Ok for Ok only).
    virtual MessageAnswer Show(const std::u16string& text, const std::u16string& title, MessageButtons buttons) = 0;
};

class Clock {
public:
    virtual ~Clock() = default;
    // The current local date and time.
    virtual LocalDateTime Now() = 0;
};

}  // namespace zel
