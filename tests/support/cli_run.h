#pragma once
// Runs memvalo-cli as a learner's shell would, and collects what it printed.
#include <string>

namespace memvalo::test {

struct CliRun {
    int exitCode;
    std::string out;
    std::string err;
};

// `arguments` and `environment` ("NAME=value ...") are given to the shell as they stand;
// standard error goes through `stderrFile`.
CliRun runCli(const std::string& arguments, const std::string& stderrFile,
              const std::string& environment = {});

}  // namespace memvalo::test
