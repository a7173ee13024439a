#pragma once
// Acceptance scenarios as text: a script of user actions and expectations, run with a scripted
// clock and scripted message-box answers against the window layer or, through another driver,
// a real window.

#include <functional>
#include <memory>
#include <ostream>
#include <string>
#include <vector>

#include "tools/scenario/driver.h"

namespace zel::scenario {

struct Outcome {
    bool passed = false;
    std::string report;  // "PASS name" or "FAIL name:line: …"
};

// Makes the driver for one scenario's run: a program of its own, not started yet, recording its
// message boxes in the log. With a transcript stream, every action, event and message is written
// there.
using NewDriver = std::function<std::unique_ptr<Driver>(MessageLog& log, std::ostream* transcript)>;

// Runs one scenario file; `name` in reports is the file's name without folder and ".scn".
Outcome RunFile(const std::string& path, const NewDriver& newDriver, std::ostream* transcript);
// Runs a scenario given as text; `name` is used in the report.
Outcome RunText(const std::string& name, const std::string& text, const NewDriver& newDriver,
                std::ostream* transcript);
// The same against the window layer.
Outcome RunFile(const std::string& path, std::ostream* transcript);
Outcome RunText(const std::string& name, const std::string& text, std::ostream* transcript);

// The commands a scenario is written in, a line or more each: how each is written and what it means.
std::string CommandsUsage();

// A runner's command line, `[-v] FILE...`: runs every file, prints a line for each and the counts,
// and returns the exit status (1 when one failed, 2 with the usage and the commands when no file
// is given).
int Main(const std::vector<std::string>& arguments, const std::string& usage, const NewDriver& newDriver);

}  // namespace zel::scenario
