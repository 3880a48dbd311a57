// Running the involute tool as a user runs it, for the tests of its subcommands.
#pragma once

#include <string>

struct ToolRun {
    int status;
    std::string out;
    std::string err;
};

// Runs the involute tool with the given arguments (already quoted for the shell).
ToolRun RunInvolute(const std::string& arguments);
