#include "core/dhms_entry.h"

#include <gtest/gtest.h>

#include <string>

namespace zel {
namespace {

TEST(NormaliseDhmsEntry, AcceptedForms) {
    const struct {
        std::u16string typed, stored;
    } cases[] = {
        {u"23 134506", u"0023 13:45:06"},       {u" 034506", u"0000 03:45:06"},
        {u"23 13:45:06", u"0023 13:45:06"},     {u"23 1:5:6", u"0023 01:05:06"},
        {u"23 1345", u"0023 13:45:00"},         {u"12345 010000", u"12345 01:00:00"},
        {u"-23 134506", u"-0023 13:45:06"},     {u"23 ", u"0023 00:00:00"},
        {u"-0 003000", u"-0000 00:30:00"},      {u"23 13:45:06xyz", u"0023 13:45:06"},
        {u"23 134506 12:00", u"0023 13:45:06"},  // first colon at 10: digit form
        {u"23  1:05:06", u"0023 01:05:06"},      // space before the hours
        {u"23 1a", u"0023 01:00:00"},            // leading numbers of the pairs
        {u"ab 134506", u"00ab 13:45:06"},        // day characters are not checked
        {u"日数 134506", u"00日数 13:45:06"},   {u"23 235959", u"0023 23:59:59"},
        {u"😀 134506", u"000😀 13:45:06"},  // a surrogate pair is one character
        {u"23 1😀3456", u"0023 01:34:56"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(NormaliseDhmsEntry(c.typed), c.stored) << testing::PrintToString(c.typed);
    }
}

TEST(NormaliseDhmsEntry, NormalisedTextsStayUnchanged) {
    for (const std::u16string text : {u"0023 13:45:06", u"-0000 01:30:00", u"12345 00:00:00"}) {
        EXPECT_EQ(NormaliseDhmsEntry(text), text);
    }
}

TEST(NormaliseDhmsEntry, RejectedForms) {
    const std::u16string rejected[] = {
        u"134506",         // no space
        u"-",              // nothing but the sign
        u"23 25:00:00",    // hour 25
        u"23 12:60:00",    // minute 60
        u"23 256000",      // hour 25 in digit form
        u"23 126000",      // minute 60 in digit form
        u"23 13:45",       // no seconds
        u"23 1345:06",     // first colon at 5
        u"23 :45:06",      // first colon at 1
        u"23 134:5:06",    // first colon at 4
        u"23 13:45:",      // empty seconds
        u"23 13::06",      // empty minutes
        u"23 13:145:06",   // three-digit minutes
        u"23 13:45:6x",    // letter inside the time text
        u"23 .50000",      // hours not whole
        u"23 1200.5",      // seconds not whole
        u"23 -10000",      // negative hours
        u"0000 24:00:00",  // a whole day is no time of day
    };
    for (const auto& typed : rejected) {
        EXPECT_EQ(NormaliseDhmsEntry(typed), std::nullopt) << testing::PrintToString(typed);
    }
}

TEST(NormaliseDhmsEntry, PositionsBeyond255Reject) {
    const std::u16string days254(254, u'1');
    EXPECT_EQ(NormaliseDhmsEntry(days254 + u" 010203"), days254 + u" 01:02:03");
    EXPECT_EQ(NormaliseDhmsEntry(days254 + u"1 010203"), std::nullopt);

    // Digit form with colons far behind: a second colon beyond 255 rejects.
    const std::u16string tail(250, u'x');
    EXPECT_EQ(NormaliseDhmsEntry(u"1 010203 :" + tail), u"0001 01:02:03");
    EXPECT_EQ(NormaliseDhmsEntry(u"1 010203 :" + tail + u":"), std::nullopt);
    EXPECT_EQ(NormaliseDhmsEntry(u"1 010203" + tail + u":"), std::nullopt);
}

}  // namespace
}  // namespace zel
