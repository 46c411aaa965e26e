#pragma once

#include <string>
#include <vector>

namespace orv::testing {

struct ProgramRun {
    int status = -1;  // the exit status, -1 when the program did not exit normally
    std::string out;
    std::string err;
};

// Runs a program (found along PATH unless given with a folder) with the arguments, and with
// PATH set to `path` when that is not empty; collects what it writes.
ProgramRun runProgram(const std::vector<std::string>& command, const std::string& path = {});

}  // namespace orv::testing
