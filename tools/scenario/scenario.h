#pragma once
// Acceptance scenarios as text: a script of user actions and expectations, run against the
// window layer with a scripted clock and scripted message-box answers.

#include <ostream>
#include <string>

namespace zel::scenario {

struct Outcome {
    bool passed = false;
    std::string report;  // "PASS name" or "FAIL name:line: …"
};

// Runs one scenario file. With a transcript stream, every action, event and message is written there.
Outcome RunFile(const std::string& path, std::ostream* transcript);

// Runs a scenario given as text; `name` is used in the report.
Outcome RunText(const std::string& name, const std::string& text, std::ostream* transcript);

// The commands a scenario is written in, a line or more each: how each is written and what it means.
std::string CommandsUsage();

}  // namespace zel::scenario
