#include "core/text.h"

#include <gtest/gtest.h>

namespace zel {
namespace {

TEST(TrimSpaces, DropsOnlyPlainSpacesAtBothEnds) {
    EXPECT_EQ(TrimSpaces(u"  a b  "), u"a b");
    EXPECT_EQ(TrimSpaces(u"   "), u"");
    EXPECT_EQ(TrimSpaces(u"\ta\u3000"), u"\ta\u3000");
}

TEST(Mid, CountsFromOneAndStopsAtTheEnd) {
    EXPECT_EQ(Mid(u"134506", 3, 2), u"45");
    EXPECT_EQ(Mid(u"13450", 5, 2), u"0");
    EXPECT_EQ(Mid(u"1345", 5, 2), u"");
    EXPECT_EQ(Mid(u"時間12", 2, 2), u"間1");
    EXPECT_EQ(Mid(u"12 4😀", 4, 2), u"4😀");  // a surrogate pair is one character
    EXPECT_EQ(Mid(u"😀😀a", 2, 2), u"😀a");
    EXPECT_EQ(Mid(u"😀😀a", 4, 2), u"");
}

TEST(Utf8, RoundTripsJapaneseAndSupplementaryCharacters) {
    const std::u16string text = u"時間 0023 13:45:06 \U0001F600";
    EXPECT_EQ(FromUtf8(ToUtf8(text)), text);
    EXPECT_EQ(ToUtf8(u"未"), "\xE6\x9C\xAA");
}

TEST(Utf8, ReplacesBrokenInput) {
    const struct {
        std::string_view utf8;
        std::u16string_view text;
    } cases[] = {
        {"a\xFFz", u"a\uFFFDz"},
        {"\xE6\x9C", u"\uFFFD"},    // truncated sequence
        {"\xE6\x9Cz", u"\uFFFDz"},  // the byte that breaks a sequence is read anew
        {"\xF0\x9F\x98\xE6\x9C\xAA", u"\uFFFD未"},
        {"\xC0\xAF", u"\uFFFD\uFFFD"},  // overlong '/'
        {"\xC1\xBF", u"\uFFFD\uFFFD"},  // overlong DEL
    };
    for (const auto& c : cases) EXPECT_EQ(FromUtf8(c.utf8), c.text) << testing::PrintToString(std::string(c.utf8));
    EXPECT_EQ(ToUtf8(std::u16string(1, char16_t(0xD800))), "\xEF\xBF\xBD");
}

TEST(FindPosition, ReportsPositionsUpTo255AndFailsBeyond) {
    EXPECT_EQ(FindPosition(u"23 134506", u' '), 3u);
    EXPECT_EQ(FindPosition(u"134506", u' '), 0u);
    EXPECT_EQ(FindPosition(u"1:2:3", u':', 3), 4u);
    EXPECT_EQ(FindPosition(std::u16string(254, u'x') + u" ", u' '), 255u);
    EXPECT_EQ(FindPosition(std::u16string(255, u'x') + u" ", u' '), std::nullopt);
    EXPECT_EQ(FindPosition(u"😀2 3", u' '), 3u);  // a surrogate pair is one character
    EXPECT_EQ(FindPosition(u"😀:😀:", u':', 3), 4u);
}

}  // namespace
}  // namespace zel
