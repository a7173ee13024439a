// The order in which the window layer runs handlers: the rules every handler relies on.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <chrono>
#include <ctime>
#include <string>
#include <vector>

#include "core/text.h"
#include "tests/support/fake_services.h"
#include "ui/keys.h"
#include "ui/system_clock.h"
#include "ui/zelvorin.h"

namespace zel {
namespace {

class ProgramTest : public ::testing::Test {
protected:
    ProgramTest() {
        program.trace = [this](const std::string& line) { trace.push_back(line); };
    }
    Form& form() { return program.calculator()->form(); }
    // The focus and click events in the order they ran, as "Text9_GotFocus(2)".
    std::vector<std::string> EventsOnly() const {
        std::vector<std::string> events;
        for (const std::string& line : trace) {
            const bool event = line.find("_GotFocus") != std::string::npos ||
                               line.find("_LostFocus") != std::string::npos || line.find("_Click") != std::string::npos;
            if (event) events.push_back(line.substr(2));
        }
        return events;
    }

    FakeClock clock;
    FakeMessageBoxes boxes;
    Zelvorin program{boxes, clock};
    std::vector<std::string> trace;
};

TEST_F(ProgramTest, ActivationRunsItsFocusHandlingAfterItselfInTheOrderOfTheMoves) {
    program.Start();
    const auto activate = std::find(trace.begin(), trace.end(), "Activate ZelvorinF1");
    ASSERT_NE(activate, trace.end());
    // Every move is recorded before any of its handling runs; the handling then follows the moves
    // one by one, each owner losing the focus before the next one gains it.
    std::vector<std::string> moves, losses, gains;
    for (auto line = activate + 1; line != trace.end(); ++line) {
        const auto under = line->find('_'), open = line->find('(');
        const std::string control = line->substr(2, under - 2) + (open == std::string::npos ? "" : line->substr(open));
        if (line->rfind("  SetFocus ", 0) == 0) {
            EXPECT_TRUE(losses.empty()) << *line;
            moves.push_back(line->substr(11));
        } else if (line->find("_LostFocus") != std::string::npos) {
            EXPECT_EQ(losses.size(), gains.size()) << *line;
            losses.push_back(control);
        } else if (line->find("_GotFocus") != std::string::npos) {
            gains.push_back(control);
        }
    }
    EXPECT_EQ(gains, moves);
    ASSERT_EQ(losses.size(), gains.size());
    EXPECT_EQ(losses.front(), "cmdCalc");  // the first in tab order, where the load left the focus
    for (std::size_t i = 1; i < gains.size(); ++i) EXPECT_EQ(losses[i], gains[i - 1]);
    const std::vector<std::string> visits = {"Text9(1)", "Text9(2)", "Text9(3)", "Text9(4)",
                                             "Text9(5)", "Text9(0)", "Text9(2)", "Text8(1)"};
    EXPECT_EQ(moves, visits);
}

TEST_F(ProgramTest, SelectingTheSelectedOptionRunsNothing) {
    program.Start();
    trace.clear();
    program.UserClick({"Option5"});
    const std::vector<std::string> focusOnly = {"Text8_LostFocus(1)", "Option5_GotFocus"};
    EXPECT_EQ(EventsOnly(), focusOnly);
    // Entering the hour field selects hour again: no click, the arithmetic result stays.
    form()("Text6").text = u"kept";
    program.UserClick({"Text7", 1});
    EXPECT_EQ(form()("Text6").text, u"kept");
}

TEST_F(ProgramTest, AClickDoesNotFollowAFocusMoveThatShowedAMessage) {
    program.Start();
    program.UserClick({"Text9", 0});
    program.UserType({"Text9", 0}, u"134506");
    program.UserClick({"cmdConvert"});
    ASSERT_EQ(boxes.shown.size(), 1u);
    EXPECT_EQ(form().focus()->id().ToString(), "cmdConvert");
    EXPECT_EQ(form()("Text9", 0).text, u"134506");
    EXPECT_EQ(form()("Label6", 0).text, u"未");  // the conversion did not run
    // The second click converts.
    program.UserClick({"cmdConvert"});
    EXPECT_EQ(boxes.shown.size(), 2u);
    EXPECT_EQ(ToUtf8(boxes.shown[1].text), "エラーが発生しました。入力が適切か確認下さい。");
}

TEST_F(ProgramTest, ShiftTabGoesBackward) {
    program.Start();
    program.UserKeyDown(Key::Tab, Modifiers::Shift);
    EXPECT_EQ(form().focus()->id().ToString(), "Text8(0)");  // 41, before moment 1 at 42
}

TEST_F(ProgramTest, EnterAndSpaceOnAFocusedButtonClickIt) {
    program.Start();
    program.UserFocus({"cmdConvert"});
    program.UserKeyDown(Key::Enter, Modifiers::None);
    ASSERT_EQ(boxes.shown.size(), 1u);  // all fields empty: the emptiness message
    EXPECT_EQ(form()("Label6", 0).text, u"済");
    program.UserFocus({"cmdClearV"});
    program.UserKeyDown(Key::Space, Modifiers::None);
    EXPECT_EQ(form()("Label6", 0).text, u"未");
}

TEST_F(ProgramTest, ClosingAsksAndEndsOnlyWhenConfirmed) {
    program.Start();
    boxes.answers = {MessageAnswer::Cancel};
    program.UserClose();
    EXPECT_FALSE(program.ended());
    program.UserClose();
    EXPECT_TRUE(program.ended());
    EXPECT_EQ(boxes.shown.size(), 2u);
}

TEST_F(ProgramTest, SwitchingReplacesTheWindowWithoutAsking) {
    program.Start();
    const auto generation = program.windowGeneration();
    program.UserClick({"cmd2Mini"});
    ASSERT_NE(program.calculator(), nullptr);
    EXPECT_EQ(form().design().name, "ZelvorinF2");
    EXPECT_NE(program.windowGeneration(), generation);
    EXPECT_TRUE(boxes.shown.empty());
    EXPECT_EQ(form().focus()->id().ToString(), "Text8(1)");
    // The switch is over: closing the new window asks again.
    program.UserClose();
    EXPECT_EQ(boxes.shown.size(), 1u);
}

TEST(MomentAndYear, ComeFromOneReadingOfTheClockAtLoadAndOnADoubleClick) {
    FakeClock clock;  // it moves on to the next year by its second reading
    clock.now = {2001, 12, 31, 23, 59, 59};
    clock.later = {2002, 1, 1, 0, 0, 0};
    FakeMessageBoxes boxes;
    Zelvorin program{boxes, clock};
    program.Start();
    Form& form = program.calculator()->form();
    EXPECT_EQ(form("Text8", 1).text + u" " + form("Text8", 3).text, u"12/31 23:59:00 2001");
    program.UserFocus({"Text8", 0});
    clock.readings = 0;
    program.UserDblClick({"Text8", 0});
    EXPECT_EQ(form("Text8", 0).text + u" " + form("Text8", 2).text, u"12/31 23:59:59 2001");
}

// The clock shows what the C library shows as the local time. The unit tests run with TZ=JST-9,
// so that the clock's offset from UTC is not zero, on Linux and under Wine.
TEST(SystemClock, ReadsTheLocalTime) {
    SystemClock clock;
    // Read by the clock the program reads: std::time may lag it by a tick of the coarse clock and
    // stand in the last second while the program's reading is in the next.
    const auto second = [] { return std::chrono::system_clock::to_time_t(std::chrono::system_clock::now()); };
    for (int attempt = 0; attempt < 3; ++attempt) {  // until both readings fall in one second
        const std::time_t before = second();
        const LocalDateTime now = clock.Now();
        if (second() != before) continue;
        const std::tm local = *std::localtime(&before);
        EXPECT_EQ((std::array{now.year, now.month, now.day, now.hour, now.minute, now.second}),
                  (std::array{local.tm_year + 1900, local.tm_mon + 1, local.tm_mday, local.tm_hour, local.tm_min,
                              local.tm_sec}));
        return;
    }
    FAIL() << "the clock never stood still for a second";
}

}  // namespace
}  // namespace zel
