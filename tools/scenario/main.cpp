// zelvorin-scenario [-v] FILE...: runs acceptance scenarios against the window layer.
#include <cstring>
#include <iostream>
#include <vector>

#include "tools/scenario/scenario.h"

int main(int argc, char** argv) {
    bool verbose = false;
    std::vector<std::string> files;
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "-v") == 0)
            verbose = true;
        else
            files.emplace_back(argv[i]);
    }
    if (files.empty()) {
        std::cerr << "usage: zelvorin-scenario [-v] FILE...\n";
        return 2;
    }
    int passed = 0;
    int failed = 0;
    for (const std::string& file : files) {
        const auto outcome = zel::scenario::RunFile(file, verbose ? &std::cout : nullptr);
        std::cout << outcome.report << '\n';
        (outcome.passed ? passed : failed)++;
    }
    std::cout << passed << " passed, " << failed << " failed\n";
    return failed == 0 ? 0 : 1;
}
