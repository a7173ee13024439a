#pragma once
// The keys and modifiers as the handlers receive them. The event rules and the handlers act on
// Tab, Enter, Space and the arrows alone; every other key reaches a text box's handler as Other.

#include <string_view>

namespace zel {

enum class Key { Other, Tab, Enter, Space, Left, Up, Right, Down };

// The key's name in transcripts and scripts; empty for a value that names no key.
constexpr std::string_view KeyName(Key key) {
    switch (key) {
        case Key::Other: return "Other";
        case Key::Tab: return "Tab";
        case Key::Enter: return "Enter";
        case Key::Space: return "Space";
        case Key::Left: return "Left";
        case Key::Up: return "Up";
        case Key::Right: return "Right";
        case Key::Down: return "Down";
    }
    return {};
}

// The modifier keys held down with a key: a set of flags.
enum class Modifiers : unsigned char { None = 0, Shift = 1, Ctrl = 2, Alt = 4 };

constexpr Modifiers operator|(Modifiers a, Modifiers b) {
    return static_cast<Modifiers>(static_cast<unsigned>(a) | static_cast<unsigned>(b));
}
constexpr Modifiers& operator|=(Modifiers& a, Modifiers b) { return a = a | b; }
// Whether any of `some` is held in `held`.
constexpr bool HoldsAny(Modifiers held, Modifiers some) {
    return (static_cast<unsigned>(held) & static_cast<unsigned>(some)) != 0;
}

}  // namespace zel
