// The scenario runner must report failures with their line, so that acceptance files can be trusted.
#include <gtest/gtest.h>

#include <fstream>
#include <iterator>

#include "tools/scenario/scenario.h"

namespace {

using zel::scenario::RunText;

TEST(ScenarioRunner, PassesAndNamesTheFile) {
    const auto outcome = RunText("ok", "start\nexpect window full\n", nullptr);
    EXPECT_TRUE(outcome.passed);
    EXPECT_EQ(outcome.report, "PASS ok");
}

TEST(ScenarioRunner, ReportsTheFirstFailedExpectationWithItsLine) {
    const auto outcome = RunText("f", "start\n# comment\nexpect Text9(0) = \"x\"\nexpect window mini\n", nullptr);
    EXPECT_FALSE(outcome.passed);
    EXPECT_EQ(outcome.report, "FAIL f:3: expected Text9(0) = \"x\", got Text9(0) = \"\"");
}

TEST(ScenarioRunner, AnUnconsumedMessageFailsTheFileAtItsEnd) {
    const auto outcome = RunText("m", "start\nclick cmdConvert\n", nullptr);
    EXPECT_FALSE(outcome.passed);
    EXPECT_NE(outcome.report.find("FAIL m:3: expected no further message"), std::string::npos);
}

TEST(ScenarioRunner, ActionsOnHiddenOrMissingControlsAreErrors) {
    EXPECT_EQ(RunText("h", "start\nclick Text9(1)\n", nullptr).report, "FAIL h:2: Text9(1) is hidden");
    EXPECT_EQ(RunText("n", "start\nclick cmd2Big\n", nullptr).report, "FAIL n:2: the open window has no cmd2Big");
    EXPECT_EQ(RunText("x", "start\nclick cmdManu\nclick cmdConvert\n", nullptr).report,
              "FAIL x:3: the manual window is open; cmdConvert cannot be reached");
}

TEST(ScenarioRunner, ChecksTheFourMarksWithTheirColours) {
    EXPECT_TRUE(RunText("k", "start\nexpect marks \"未未未未\"\n", nullptr).passed);
    EXPECT_EQ(RunText("k", "start\nexpect marks \"未済未未\"\n", nullptr).report,
              "FAIL k:2: expected marks \"未済未未\", got marks \"未未未未\"");
}

TEST(ScenarioRunner, ParsesEscapesInTexts) {
    const auto outcome =
        RunText("e", "start\nclick Text9(0)\ntype \"a\\\"b\\\\c\"\nexpect Text9(0) = \"a\\\"b\\\\c\"\n", nullptr);
    EXPECT_TRUE(outcome.passed) << outcome.report;
}

TEST(ScenarioRunner, RejectsUnknownCommands) {
    EXPECT_EQ(RunText("u", "start\nfrobnicate\n", nullptr).report, "FAIL u:2: unknown command frobnicate");
}

TEST(ScenarioRunner, TheScenariosReadmeListsTheCommandsAsTheUsageTextDoes) {
    std::ifstream readme(ZEL_SOURCE_DIR "/tests/scenarios/README.md");
    const std::string text{std::istreambuf_iterator<char>(readme), std::istreambuf_iterator<char>()};
    EXPECT_NE(text.find("```\n" + zel::scenario::CommandsUsage() + "```\n"), std::string::npos);
}

}  // namespace
