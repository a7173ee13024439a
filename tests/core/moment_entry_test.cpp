#include "core/moment_entry.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

namespace zel {
namespace {

const LocalDateTime kJuly2001{2001, 7, 15, 10, 20, 30};

TEST(NormaliseMoment, AcceptedAndRejectedTexts) {
    const struct {
        std::u16string typed;
        std::optional<std::u16string> stored;  // nullopt: rejected
    } cases[] = {
        // Date and time (first '/' at 2 or 3).
        {u"5/7 9:05", u"05/07 09:05:00"},
        {u"  5/7 9:5  ", u"05/07 09:05:00"},
        {u"5/7", u"05/07 00:00:00"},
        {u"05/07 11:15:30", u"05/07 11:15:30"},
        {u"5/7   23:59:59", u"05/07 23:59:59"},
        {u"12/5/7", u"05/07 00:00:00"},  // a two-digit year first
        {u"2/29", u"02/29 00:00:00"},    // in any year
        {u"01/2/29 10:00", std::nullopt},  // 2001 has no 29 February
        {u"00/2/29 10:00", u"02/29 10:00:00"},
        {u"2/30", std::nullopt},
        {u"13/1", std::nullopt},
        {u"5/7 24:00", std::nullopt},
        {u"5/7 9:60", std::nullopt},
        {u"5/7 9", std::nullopt},
        {u"5/7 9:05 PM", std::nullopt},
        {u"5/7 9:05:00:00", std::nullopt},
        {u"5/7x", std::nullopt},
        {u"ab/cd 10:00:00", std::nullopt},
        {u"１/７", std::nullopt},
        // Month and day given (first space at 5), copied unchecked.
        {u"1004 051627", u"10/04 05:16:27"},
        {u"1004 051627xyz", u"10/04 05:16:27"},
        {u"ab12 cdefgh", u"ab/12 cd:ef:gh"},
        {u"1004 0516", u"10/04 05:16:"},
        {u"1004 ", std::nullopt},  // outer spaces go first
        {u"/004 051627", u"/0/04 05:16:27"},
        {u"1004 051😀27", u"10/04 05:1😀:27"},  // a surrogate pair is one character
        {u"1😀04 051627", u"1😀/04 05:16:27"},
        // The day in the current month (first space at 3).
        {u"02 150405", u"07/02 15:04:05"},
        {u"02 1504059", u"07/02 15:04:05"},
        {u"12 4😀", u"07/12 4😀::"},
        {u"😀2 345678", u"07/😀2 34:56:78"},
        // Anything else.
        {u"100405 1627", std::nullopt},
        {u"2001/05/07 11:15:30", std::nullopt},
        {u"", std::nullopt},
        {u"   ", std::nullopt},
        {u"10041627", std::nullopt},
        {std::u16string(300, u'1') + u" 5", std::nullopt},  // the space beyond 255
    };
    for (const auto& c : cases)
        EXPECT_EQ(NormaliseMoment(c.typed, kJuly2001), c.stored) << testing::PrintToString(c.typed);
}

TEST(NormaliseYear, CompletesToFourCharacters) {
    const struct {
        std::u16string typed;
        std::optional<std::u16string> stored;
    } cases[] = {
        {u"2001", u"2001"}, {u"5", u"2005"},        {u"07", u"2007"},       {u"12", u"2012"},
        {u"123", u"2123"},  {u"19999", u"1999"},    {u"12345", u"1234"},    {u"", u"2000"},
        {u"abc", u"2000"},  {u"2001.5", u"2001"},   {u"-5", u"20-5"},       {u"1e20", u"1E+2"},
        {u" 2 0 0 1", u"2001"}, {u"1e999", std::nullopt},
        // Four digits stay, as the elapsed moment writes a year below 1000; only outer spaces go.
        {u"0999", u"0999"}, {u" 0998 ", u"0998"}, {u"0000", u"0000"}, {u"099", u"2099"},
        {u"0998 5", u"9985"}, {u"\t0998", u"2998"}, {u"０９９８", u"2000"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(NormaliseYear(c.typed), c.stored) << testing::PrintToString(c.typed);
}

}  // namespace
}  // namespace zel
