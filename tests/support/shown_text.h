#pragma once
// Checks of a text the program shows in a control, which no path of its handlers may produce.

#include <string>
#include <string_view>

#include "core/text.h"

namespace zel {

// "inf" or "nan" in any case, as number formatters write an infinity or a NaN.
inline bool ShowsInfOrNan(std::u16string_view shown) {
    std::u16string text(shown);
    for (char16_t& c : text)
        if (c >= u'A' && c <= u'Z') c = static_cast<char16_t>(c - u'A' + u'a');
    return text.find(u"inf") != std::u16string::npos || text.find(u"nan") != std::u16string::npos;
}

// Half of a surrogate pair without the other half: a text cut inside a character.
inline bool HasLoneSurrogate(std::u16string_view text) {
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (IsLowSurrogate(text[i])) return true;
        if (IsHighSurrogate(text[i]) && (++i == text.size() || !IsLowSurrogate(text[i]))) return true;
    }
    return false;
}

}  // namespace zel
