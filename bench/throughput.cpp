// Headless throughput: replays every scenario of tests/scenarios in a loop through the window
// layer for a few seconds and reports the user events handled per second.
//   zelvorin-throughput tests/scenarios/*.scn
#include <chrono>
#include <cstdio>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "tools/scenario/scenario.h"

namespace {

// The lines of a scenario that are user actions.
long UserEvents(const std::string& text) {
    static const char* kActions[] = {"start", "focus", "click", "dblclick", "type",
                                     "key", "close", "closemanual", "resizemanual"};
    std::istringstream lines(text);
    std::string line, verb;
    long count = 0;
    while (std::getline(lines, line)) {
        std::istringstream words(line);
        if (!(words >> verb)) continue;
        for (const char* action : kActions) count += verb == action;
    }
    return count;
}

}  // namespace

int main(int argc, char** argv) {
    struct Script {
        std::string name, text;
        long events;
    };
    std::vector<Script> scripts;
    for (int i = 1; i < argc; ++i) {
        std::ifstream in(argv[i], std::ios::binary);
        std::ostringstream text;
        text << in.rdbuf();
        scripts.push_back({argv[i], text.str(), UserEvents(text.str())});
    }
    using Clock = std::chrono::steady_clock;
    const auto start = Clock::now();
    long events = 0, passes = 0;
    while (Clock::now() - start < std::chrono::seconds(3)) {
        for (const Script& s : scripts) {
            const auto outcome = zel::scenario::RunText(s.name, s.text, nullptr);
            if (!outcome.passed) {
                std::fprintf(stderr, "%s\n", outcome.report.c_str());
                return 1;
            }
            events += s.events;
        }
        ++passes;
    }
    const double seconds = std::chrono::duration<double>(Clock::now() - start).count();
    std::printf("%ld passes over %zu scenarios, %ld user events in %.2f s: %.0f events/s\n", passes, scripts.size(),
                events, seconds, events / seconds);
}
