#pragma once
// Checks the five texts that show a duration, one assertion a text, so a failure names the form.
#include <gtest/gtest.h>

#include "core/duration.h"

namespace zel {

inline void ExpectDurationTexts(double seconds, const DurationTexts& expected) {
    SCOPED_TRACE(testing::Message() << "T = " << seconds);
    const auto texts = DurationTextsFor(Seconds(seconds));
    ASSERT_TRUE(texts.has_value());
    EXPECT_EQ(texts->dhms, expected.dhms);
    EXPECT_EQ(texts->day, expected.day);
    EXPECT_EQ(texts->hour, expected.hour);
    EXPECT_EQ(texts->min, expected.min);
    EXPECT_EQ(texts->sec, expected.sec);
}

}  // namespace zel
