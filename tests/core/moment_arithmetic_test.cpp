#include "core/moment_arithmetic.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

namespace zel {
namespace {

TEST(MomentDifference, SecondsBetweenTwoMoments) {
    const struct {
        std::u16string year1, moment1, year2, moment2;
        std::optional<double> seconds;
    } cases[] = {
        {u"2001", u"01/29 00:48:00", u"2001", u"01/28 00:00:00", 89280},
        {u"2001", u"01/28 00:00:00", u"2001", u"01/29 00:48:00", -89280},
        {u"2001", u"01/01 12:00:00", u"2000", u"12/31 23:59:59", 43201},
        {u"2004", u"03/01 00:00:00", u"2004", u"02/28 00:00:00", 2 * 86400},
        {u"1900", u"03/01 00:00:00", u"1900", u"02/28 00:00:00", 86400},
        {u"3001", u"01/01 00:00:00", u"2001", u"01/01 00:00:00", 31556908800.0},
        {u"9999", u"12/31 23:59:59", u"0100", u"01/01 00:00:00", 312413759999.0},
        {u"0999", u"12/31 00:00:00", u"999", u"12/30 00:00:00", 86400},  // no century window
        {u" 2001 ", u"01/02 00:00:00", u"2001xyz", u"01/01 00:00:00", 86400},  // four characters
        {u"2001", u"01/01 ab:cd:ef", u"2001", u"01/01 00:00:01", -1},  // letters count as 0
        {u"2001", u"01/01 00:00:.5", u"2001", u"01/01", 0.5},
        {u"2001", u"02/29 00:00:00", u"2001", u"01/01 00:00:00", std::nullopt},
        {u"2001", u"ab/01 00:00:00", u"2001", u"01/01 00:00:00", std::nullopt},
        {u"", u"", u"2001", u"01/01 00:00:00", std::nullopt},
        {u"99", u"01/01 00:00:00", u"2001", u"01/01 00:00:00", std::nullopt},
        {u"20-5", u"01/01 00:00:00", u"2001", u"01/01 00:00:00", std::nullopt},
    };
    for (const auto& c : cases) {
        const auto T = MomentDifference({c.year1, c.moment1}, {c.year2, c.moment2});
        EXPECT_EQ(T ? std::optional(T->count()) : std::nullopt, c.seconds)
            << testing::PrintToString(c.year1 + u" " + c.moment1 + u" - " + c.year2 + u" " + c.moment2);
    }
}

TEST(ElapsedMoment, MomentPlusDays) {
    const struct {
        std::u16string year, moment;
        double days;
        std::optional<std::u16string> result;  // moment text and year
    } cases[] = {
        {u"2001", u"01/29 00:48:00", 24.8 / 24, u"01/30 01:36:00 2001"},
        {u"2001", u"12/31 23:00:00", 2.0 / 24, u"01/01 01:00:00 2002"},
        {u"2001", u"03/01 00:00:00", -1, u"02/28 00:00:00 2001"},
        {u"2004", u"02/28 12:00:00", 1, u"02/29 12:00:00 2004"},
        {u"2001", u"01/01 00:00:00", 365242, u"01/01 00:00:00 3001"},
        {u"1900", u"01/01 06:00", -2.5, u"12/29 18:00:00 1899"},
        {u"2001", u"01/01 00:00:00", -365609, u"12/31 00:00:00 0999"},
        {u"2000", u"12/31 23:59:59", 0.6 / 86400, u"01/01 00:00:00 2001"},
        {u"2001", u"01/01 00:00:00", 1.0 / 86400 * 7, u"01/01 00:00:07 2001"},
        {u"2001", u"01/01 ab:00:00", 0, std::nullopt},
        {u"2001", u"01/01 25:00:00", 0, std::nullopt},
        {u"2001", u"02/29 00:00:00", 0, std::nullopt},
        {u"9999", u"12/31 23:59:59", 1.0 / 86400, std::nullopt},
        {u"0100", u"01/01 00:00:00", -1.0 / 86400, std::nullopt},
        {u"2001", u"01/01 00:00:00", 1e300, std::nullopt},
    };
    for (const auto& c : cases) {
        const auto m = ElapsedMoment({c.year, c.moment}, Days(c.days));
        const std::optional<std::u16string> got =
            m ? std::optional<std::u16string>(MomentText(*m) + u" " + YearText(*m)) : std::nullopt;
        EXPECT_EQ(got, c.result) << testing::PrintToString(c.year + u" " + c.moment) << " + " << c.days;
    }
}

}  // namespace
}  // namespace zel
