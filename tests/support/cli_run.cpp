#include "support/cli_run.h"

#include <sys/wait.h>

#include <cstdio>
#include <fstream>
#include <iterator>

namespace memvalo::test {

CliRun runCli(const std::string& arguments, const std::string& stderrFile,
              const std::string& environment) {
    const std::string command =
        environment + " " + MEMVALO_CLI_PATH + " " + arguments + " 2>'" + stderrFile + "'";
    FILE* pipe = ::popen(command.c_str(), "r");
    std::string out;
    char buffer[256];
    while (std::fgets(buffer, sizeof buffer, pipe)) out += buffer;
    const int status = ::pclose(pipe);
    std::ifstream err(stderrFile, std::ios::binary);
    return {WEXITSTATUS(status),
            out,
            {std::istreambuf_iterator<char>(err), std::istreambuf_iterator<char>()}};
}

}  // namespace memvalo::test
