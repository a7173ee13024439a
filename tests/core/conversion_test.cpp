#include "core/conversion.h"

#include <gtest/gtest.h>

#include <string>

#include "tests/core/expect_duration_texts.h"

namespace zel {
namespace {

// The conversion command: read the selected field, then show the duration.
TEST(Conversion, ReadsTheSelectedFieldAndShowsAllForms) {
    const struct {
        Unit unit;
        std::u16string field;
        std::u16string dhms, day, hour, min, sec;
    } cases[] = {
        {Unit::Hour, u"1.5", u"0000 01:30:00", u"0.0625000", u"1.50000", u"90.000", u"5400"},
        {Unit::Sec, u"-90.7", u"-0000 00:01:31", u"-0.0010498", u"-0.02519", u"-1.512", u"-91"},
        {Unit::Dhms, u"-0023 13:45:06", u"-0023 13:45:06", u"-23.5729861", u"-565.75167", u"-33945.100", u"-2036706"},
        {Unit::Dhms, u"0000 00:30:00", u"0000 00:30:00", u"0.0208333", u"0.50000", u"30.000", u"1800"},
        {Unit::Day, u"0.5", u"0000 12:00:00", u"0.5000000", u"12.00000", u"720.000", u"43200"},
        {Unit::Dhms, u"", u"0000 00:00:00", u"0.0000000", u"0.00000", u"0.000", u"0"},
        {Unit::Hour, u"", u"0000 00:00:00", u"0.0000000", u"0.00000", u"0.000", u"0"},
        // A text left as typed is read by the fixed positions after the space.
        {Unit::Dhms, u"23 134506", u"0023 13:50:00", u"23.5763889", u"565.83333", u"33950.000", u"2037000"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::PrintToString(c.field));
        const auto seconds = DurationSeconds(c.unit, c.field);
        ASSERT_TRUE(seconds.has_value());
        ExpectDurationTexts(seconds->count(), {c.dhms, c.day, c.hour, c.min, c.sec});
    }
}

TEST(DurationSeconds, DhmsReadingDetails) {
    EXPECT_EQ(DurationSeconds(Unit::Dhms, u"  0001 01:01:01  "), Seconds(90061.0));
    EXPECT_EQ(DurationSeconds(Unit::Dhms, u"- 01:00:00"), Seconds(-3600.0));  // space right after the sign
    EXPECT_EQ(DurationSeconds(Unit::Dhms, u"2 abc"), Seconds(172800.0));      // unreadable parts count 0
    EXPECT_EQ(DurationSeconds(Unit::Sec, u"abc"), Seconds(0.0));
}

TEST(DurationSeconds, Failures) {
    EXPECT_EQ(DurationSeconds(Unit::Dhms, u"134506"), std::nullopt);  // no space
    EXPECT_EQ(DurationSeconds(Unit::Dhms, std::u16string(255, u'1') + u" 00:00:00"), std::nullopt);
    EXPECT_EQ(DurationSeconds(Unit::Dhms, u"1e999 00:00:00"), std::nullopt);
    EXPECT_EQ(DurationSeconds(Unit::Dhms, u"1e304 00:00:00"), std::nullopt);  // product overflows
    EXPECT_EQ(DurationSeconds(Unit::Day, u"1e304"), std::nullopt);
    EXPECT_EQ(DurationSeconds(Unit::Sec, u"1e999"), std::nullopt);
    EXPECT_EQ(DurationSeconds(Unit::Sec, u"1e308"), Seconds(1e308));
    EXPECT_EQ(DurationSeconds(Unit::Sec, u"1e-999"), Seconds(0.0));
}

// The elapsed moment reads days; an empty dhms text is no duration there.
TEST(DurationDays, EachUnitAndTheFailures) {
    const struct {
        Unit unit;
        std::u16string field;
        std::optional<double> days;
    } cases[] = {
        {Unit::Dhms, u"0000 12:00:00", 0.5},  {Unit::Dhms, u" -0001 06:00:00 ", -1.25},
        {Unit::Dhms, u"0000 12:00:36", 0.5 + 36.0 / 86400},
        {Unit::Day, u"365242", 365242.0},      {Unit::Hour, u"24.80000", 24.8 / 24},
        {Unit::Min, u"-1440", -1.0},           {Unit::Sec, u"", 0.0},
        {Unit::Dhms, u"0023", std::nullopt},   {Unit::Dhms, u"", std::nullopt},
        {Unit::Day, u"1e999", std::nullopt},   {Unit::Dhms, u"1e999 00:00:00", std::nullopt},
    };
    for (const auto& c : cases) {
        const auto days = DurationDays(c.unit, c.field);
        EXPECT_EQ(days ? std::optional(days->count()) : std::nullopt, c.days) << testing::PrintToString(c.field);
    }
}

}  // namespace
}  // namespace zel
