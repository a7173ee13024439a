#include "core/moment.h"

#include <gtest/gtest.h>

namespace zel {
namespace {

TEST(MomentTexts, TwoDigitFieldsAndFourDigitYear) {
    const LocalDateTime t{2001, 1, 29, 7, 5, 9};
    EXPECT_EQ(MomentTextZeroSeconds(t), u"01/29 07:05:00");
    EXPECT_EQ(MomentText(t), u"01/29 07:05:09");
    EXPECT_EQ(YearText(t), u"2001");
    EXPECT_EQ(YearText({100, 12, 31, 23, 59, 59}), u"0100");
}

}  // namespace
}  // namespace zel
