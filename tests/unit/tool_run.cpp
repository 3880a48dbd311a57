#include "tests/unit/tool_run.h"

#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>

#include "tests/unit/script_test_support.h"

ToolRun RunInvolute(const std::string& arguments) {
    const std::string errFile = "/tmp/involute-test-stderr-" + std::to_string(getpid());
    const std::string command = std::string(INVOLUTE_PATH) + " " + arguments + " 2>" + errFile;
    ToolRun run;
    FILE* pipe = popen(command.c_str(), "r");
    char buffer[4096];
    size_t n;
    while ((n = fread(buffer, 1, sizeof buffer, pipe)) > 0) {
        run.out.append(buffer, n);
    }
    const int status = pclose(pipe);
    run.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    run.err = ReadWholeFile(errFile);
    unlink(errFile.c_str());
    return run;
}
