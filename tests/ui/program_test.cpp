// The order in which the window layer runs handlers: the rules every handler relies on.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "core/text.h"
#include "ui/keys.h"
#include "ui/program.h"

namespace zel {
namespace {

class FixedClock : public Clock {
public:
    LocalDateTime Now() override { return {2001, 7, 15, 10, 20, 30}; }
};

class RecordingBoxes : public MessageBoxes {
public:
    std::vector<std::u16string> shown;
    MessageAnswer next = MessageAnswer::Ok;
    MessageAnswer Show(const std::u16string& text, const std::u16string&, MessageButtons) override {
        shown.push_back(text);
        return next;
    }
};

class ProgramTest : public ::testing::Test {
protected:
    ProgramTest() {
        program.trace = [this](const std::string& line) { trace.push_back(line); };
    }
    Form& form() { return program.calculator()->form(); }
    std::vector<std::string> EventsOnly() const {
        std::vector<std::string> events;
        for (const std::string& line : trace)
            if (line.rfind("  GotFocus", 0) == 0 || line.rfind("  LostFocus", 0) == 0 || line.rfind("  Click", 0) == 0)
                events.push_back(line.substr(2));
        return events;
    }

    FixedClock clock;
    RecordingBoxes boxes;
    Program program{boxes, clock};
    std::vector<std::string> trace;
};

TEST_F(ProgramTest, ActivationRunsItsFocusHandlingAfterItselfInTheOrderOfTheMoves) {
    program.Start();
    const std::vector<std::string> expected = {
        "LostFocus cmdCalc",  "GotFocus Text9(1)",  "Click Option4",      "LostFocus Text9(1)",
        "GotFocus Text9(2)",  "Click Option5",      "LostFocus Text9(2)", "GotFocus Text9(3)",
        "Click Option6",      "LostFocus Text9(3)", "GotFocus Text9(4)",  "Click Option7",
        "LostFocus Text9(4)", "GotFocus Text9(5)",  "LostFocus Text9(5)", "GotFocus Text9(0)",
        "Click Option3",      "LostFocus Text9(0)", "GotFocus Text9(2)",  "Click Option5",
        "LostFocus Text9(2)", "GotFocus Text8(1)",
    };
    EXPECT_EQ(EventsOnly(), expected);
    // Every move was recorded before any of its handling ran.
    const auto activate = std::find(trace.begin(), trace.end(), "Activate ZelvorinF1");
    const auto firstHandler = std::find(trace.begin(), trace.end(), "  GotFocus Text9(1)");
    EXPECT_EQ(std::count(activate, firstHandler, std::string("  SetFocus Text9(2)")), 2);
}

TEST_F(ProgramTest, SelectingTheSelectedOptionRunsNothing) {
    program.Start();
    trace.clear();
    program.UserClick({"Option5"});
    const std::vector<std::string> focusOnly = {"LostFocus Text8(1)", "GotFocus Option5"};
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
    EXPECT_EQ(form().focus->id().ToString(), "cmdConvert");
    EXPECT_EQ(form()("Text9", 0).text, u"134506");
    EXPECT_EQ(form()("Label6", 0).text, u"未");  // the conversion did not run
    // The second click converts.
    program.UserClick({"cmdConvert"});
    EXPECT_EQ(boxes.shown.size(), 2u);
    EXPECT_EQ(ToUtf8(boxes.shown[1]), "エラーが発生しました。入力が適切か確認下さい。");
}

TEST_F(ProgramTest, TabFollowsTabIndicesAndSkipsHiddenControls) {
    program.Start();
    std::vector<std::string> visited;
    for (int i = 0; i < 17; ++i) {
        program.UserKey(keys::kTab, 0);
        visited.push_back(form().focus->id().ToString());
    }
    // From moment 1 (tab 42) on, the hidden entry fields are skipped; only the selected option of
    // a group is a stop (entering the dhms field selected Option3). Tabbing onto the day twin
    // (tab 31) hands over to its entry field, which then holds the focus.
    const std::vector<std::string> expected = {
        "cmdManu",  "cmdKeika", "cmdClearK", "Text8(2)", "Text8(3)",  "Text9(0)", "cmdCalc",  "Option3", "Text6",
        "Option8",  "cmdConvert", "cmdClear", "cmdClearT", "cmdCalcT", "cmd2Mini", "cmdClearV", "Text9(1)",
    };
    EXPECT_EQ(visited, expected);
    EXPECT_TRUE(form()("Text9", 1).visible);
    EXPECT_FALSE(form()("Text7", 0).visible);
}

TEST_F(ProgramTest, ShiftTabGoesBackward) {
    program.Start();
    program.UserKey(keys::kTab, keys::kShift);
    EXPECT_EQ(form().focus->id().ToString(), "Text8(0)");  // 41, before moment 1 at 42
}

TEST_F(ProgramTest, EnterAndSpaceOnAFocusedButtonClickIt) {
    program.Start();
    program.UserFocus({"cmdConvert"});
    program.UserKey(keys::kEnter, 0);
    ASSERT_EQ(boxes.shown.size(), 1u);  // all fields empty: the emptiness message
    EXPECT_EQ(form()("Label6", 0).text, u"済");
    program.UserFocus({"cmdClearV"});
    program.UserKey(keys::kSpace, 0);
    EXPECT_EQ(form()("Label6", 0).text, u"未");
}

TEST_F(ProgramTest, ClosingAsksAndEndsOnlyWhenConfirmed) {
    program.Start();
    boxes.next = MessageAnswer::Cancel;
    program.UserClose();
    EXPECT_FALSE(program.ended());
    EXPECT_EQ(program.zelvorinM.WindowSwitch, ZelvorinM::kNormal);
    boxes.next = MessageAnswer::Ok;
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
    EXPECT_EQ(program.zelvorinM.WindowSwitch, ZelvorinM::kNormal);
    EXPECT_EQ(form().focus->id().ToString(), "Text8(1)");
}

}  // namespace
}  // namespace zel
