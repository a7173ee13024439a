#include "core/duration.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

#include "tests/core/expect_duration_texts.h"

namespace zel {
namespace {

struct Case {
    double seconds;
    std::u16string dhms, day, hour, min, sec;
};

TEST(DurationTextsFor, WritesAllFiveForms) {
    const Case cases[] = {
        {0, u"0000 00:00:00", u"0.0000000", u"0.00000", u"0.000", u"0"},
        {90061, u"0001 01:01:01", u"1.0423727", u"25.01694", u"1501.017", u"90061"},
        {-5400, u"-0000 01:30:00", u"-0.0625000", u"-1.50000", u"-90.000", u"-5400"},
        {4444.416, u"0000 01:14:04", u"0.0514400", u"1.23456", u"74.074", u"4444"},
        {864000000, u"10000 00:00:00", u"10000.0000000", u"240000.00000", u"14400000.000", u"864000000"},
        // The whole seconds round halves upwards, the dhms remainder to even.
        {2.5, u"0000 00:00:02", u"0.0000289", u"0.00069", u"0.042", u"3"},
        {3.5, u"0000 00:00:04", u"0.0000405", u"0.00097", u"0.058", u"4"},
        {-2.5, u"-0000 00:00:02", u"-0.0000289", u"-0.00069", u"-0.042", u"-2"},
        // The remainder reaches a whole day after the days were split off.
        {86399.6, u"0000 24:00:00", u"0.9999954", u"23.99989", u"1439.993", u"86400"},
        {-0.2, u"-0000 00:00:00", u"-0.0000023", u"-0.00006", u"-0.003", u"0"},
        {863999999, u"9999 23:59:59", u"9999.9999884", u"239999.99972", u"14399999.983", u"863999999"},
    };
    for (const auto& c : cases) ExpectDurationTexts(c.seconds, {c.dhms, c.day, c.hour, c.min, c.sec});
}

TEST(DurationTextsFor, DayCountLimitedToTheFixedPointRange) {
    const double lastDay = 922337203685477.0 * 86400.0;
    const auto atLimit = DurationTextsFor(Seconds(-lastDay));
    ASSERT_TRUE(atLimit.has_value());
    EXPECT_EQ(atLimit->dhms.substr(0, 17), u"-922337203685477 ");

    EXPECT_EQ(DurationTextsFor(Seconds(922337203685478.0 * 86400.0)), std::nullopt);
    EXPECT_EQ(DurationTextsFor(Seconds(1e300)), std::nullopt);
}

TEST(DurationTextsFor, NonFiniteFails) {
    EXPECT_EQ(DurationTextsFor(Seconds(std::numeric_limits<double>::infinity())), std::nullopt);
    EXPECT_EQ(DurationTextsFor(Seconds(std::nan(""))), std::nullopt);
}

}  // namespace
}  // namespace zel
