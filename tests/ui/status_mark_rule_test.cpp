// The status-mark rule: each event moves exactly the marks its row names, from states where
// those marks read "済" wherever the program allows it, and leaves every other mark as it was.
#include <gtest/gtest.h>

#include <array>
#include <string>

#include "tools/scenario/scenario.h"

namespace {

using Marks = std::array<char, 4>;  // 'd' 済 done, 'n' 未 not done, '.' unchanged

// Two starting states between them have every mark done: moment difference and elapsed moment
// exclude each other.
struct Start {
    const char* name;
    const char* script;
    Marks marks;
};
const Start kStarts[] = {
    {"after a difference and a sum",
     "click Text7(1)\ntype \"2\"\nclick cmdCalc\nclick Text7(4)\ntype \"1\"\nclick cmdCalcT\n", {'d', 'd', 'd', 'n'}},
    {"after a difference, an elapsed moment and a sum",
     "click cmdCalc\nclick cmdKeika\nclick Text7(4)\ntype \"1\"\nclick cmdCalcT\n", {'d', 'n', 'd', 'd'}},
};

struct Row {
    const char* event;
    const char* script;
    Marks marks;
    int unlessNotDone = -1;  // the event does nothing while this mark reads 未
};
const Row kRows[] = {
    {"cmdConvert completes", "click cmdConvert\n", {'d', '.', '.', '.'}},
    {"cmdCalc completes", "click cmdCalc\n", {'d', 'd', 'n', 'n'}},
    {"cmdKeika completes", "click cmdKeika\n", {'.', 'n', 'n', 'd'}},
    {"cmdCalcT completes", "click cmdCalcT\n", {'.', '.', 'd', '.'}},
    {"cmdClearK", "click cmdClearK\n", {'.', '.', '.', 'n'}, 3},
    {"cmdClearT", "click cmdClearT\n", {'.', '.', 'n', '.'}},
    {"cmdClearV", "click cmdClearV\n", {'n', 'n', 'n', 'n'}},
    {"cmdClear", "click cmdClear\n", {'n', 'n', 'n', 'n'}, 1},
    {"a unit option selected", "click Option6\n", {'.', '.', 'n', '.'}},
    {"Option8 while the sign is minus", "click Option9\nclick cmdCalcT\nclick Option8\n", {'.', '.', 'n', '.'}},
    {"Option9 while the sign is plus", "click Option9\n", {'.', '.', 'n', '.'}},
    {"Text8(0) entered", "focus Text8(0)\n", {'.', 'n', '.', 'n'}},
    {"Text8(1) entered", "focus Text8(1)\n", {'.', 'n', '.', 'n'}},
    {"Text8(2) entered", "focus Text8(2)\n", {'.', 'n', '.', 'n'}},
    {"Text8(3) entered", "focus Text8(3)\n", {'.', 'n', '.', 'n'}},
    {"Text9(0) entered", "focus Text9(0)\n", {'n', 'n', 'n', 'n'}},
    {"Text9(1) entered", "click Text7(0)\n", {'n', 'n', 'n', 'n'}},
    {"Text9(2) entered", "click Text7(1)\n", {'n', 'n', 'n', 'n'}},
    {"Text9(3) entered", "click Text7(2)\n", {'n', 'n', 'n', 'n'}},
    {"Text9(4) entered", "click Text7(3)\n", {'n', 'n', 'n', 'n'}},
    {"Text9(5) entered", "click Text7(4)\n", {'.', '.', 'n', '.'}},
    // Events outside the table move no mark.
    {"the chosen sign clicked again", "click Option8\n", {'.', '.', '.', '.'}},
    {"the result field entered", "focus Text6\n", {'.', '.', '.', '.'}},
    {"a switch of the window", "click cmd2Mini\n", {'n', 'n', 'n', 'n'}},
};

std::string ExpectMarks(const Marks& marks) {
    std::string line = "expect marks \"";
    for (const char m : marks) line += m == 'd' ? "済" : "未";
    return line + "\"\n";
}

TEST(StatusMarkRule, EveryEventMovesExactlyItsMarks) {
    for (const Start& start : kStarts) {
        for (const Row& row : kRows) {
            Marks expected = start.marks;
            const bool inert = row.unlessNotDone >= 0 && start.marks[row.unlessNotDone] == 'n';
            for (int i = 0; i < 4; ++i)
                if (!inert && row.marks[i] != '.') expected[i] = row.marks[i];
            const std::string script = std::string("start\n") + start.script + ExpectMarks(start.marks) + row.script +
                                       ExpectMarks(expected);
            const auto outcome = zel::scenario::RunText(row.event, script, nullptr);
            EXPECT_TRUE(outcome.passed) << start.name << ": " << outcome.report;
        }
    }
}

}  // namespace
