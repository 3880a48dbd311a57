#include <gtest/gtest.h>

#include <dirent.h>
#include <fcntl.h>
#include <signal.h>
#include <spawn.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <fstream>
#include <set>
#include <string>
#include <thread>

#include "cli/stop_signals.h"
#include "output/file_export.h"
#include "output/temporary_file.h"
#include "tests/unit/script_test_support.h"
#include "tests/unit/tool_run.h"

extern char** environ;

namespace {

// A fresh folder holding the only copy of a drawing, removed afterwards.
class InterruptedExport : public testing::Test {
protected:
    void SetUp() override {
        char pattern[] = "/tmp/odontra-interrupted-XXXXXX";
        ASSERT_NE(mkdtemp(pattern), nullptr);
        folder_ = pattern;
        target_ = folder_ + "/gear.dxf";
        std::ofstream(target_) << "the only copy";
    }
    void TearDown() override {
        unnamedTemporaryFiles = true;
        ASSERT_EQ(system(("rm -rf '" + folder_ + "'").c_str()), 0);
    }
    // The names in the folder.
    std::set<std::string> Listed() const {
        std::set<std::string> names;
        DIR* dir = opendir(folder_.c_str());
        while (dirent* entry = readdir(dir)) {
            const std::string name = entry->d_name;
            if (name != "." && name != "..") {
                names.insert(name);
            }
        }
        closedir(dir);
        return names;
    }
    // What an interrupted export must leave: the old file as it was, nothing else.
    void ExpectOnlyTheOldFile(const std::string& what) const {
        EXPECT_EQ(Listed(), std::set<std::string>{"gear.dxf"}) << what;
        EXPECT_EQ(ReadWholeFile(target_), "the only copy") << what;
    }
    std::string folder_;
    std::string target_;
};

const char* NameOf(int signal) {
    return signal == SIGKILL ? "SIGKILL" : signal == SIGTERM ? "SIGTERM" : "SIGINT";
}

// The write end of the pipe on which the stalled export tells the test it is under way.
int underWay = -1;

// Content that stops in the middle: a few blocks reach the file, then the export waits for
// the signal that ends it.
bool WriteThenStall(OutputSink* sink, const void*) {
    for (size_t written = 0; written < 3 * kOutputBlockSize; written += 40) {
        PutText(sink, "line 1.000000,2.000000 3.000000,4.000000");
    }
    const char ready = 1;
    if (write(underWay, &ready, 1) != 1) {
        _exit(3);
    }
    for (;;) {
        pause();
    }
}

// An export in a child process, signalled while it writes: with the unnamed temporary file
// any end leaves nothing; the named one, where a file system has no unnamed files, is
// removed on SIGINT and SIGTERM (only SIGKILL, which nothing can catch, would leave it).
TEST_F(InterruptedExport, ExportSignalledMidWriteLeavesTheOldFileAndNothingElse) {
    const struct {
        bool unnamed;
        int signal;
        size_t namesWhileWriting;
    } cases[] = {
        {true, SIGKILL, 1},  {true, SIGTERM, 1}, {true, SIGINT, 1},
        {false, SIGTERM, 2}, {false, SIGINT, 2},
    };
    for (const auto& c : cases) {
        const std::string what =
            std::string(c.unnamed ? "unnamed file, " : "named file, ") + NameOf(c.signal);
        int channel[2];
        ASSERT_EQ(pipe(channel), 0);
        const pid_t child = fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            close(channel[0]);
            underWay = channel[1];
            unnamedTemporaryFiles = c.unnamed;
            PrepareStopSignals();
            ExportFile(target_.c_str(), WriteThenStall, nullptr);
            _exit(2);
        }
        close(channel[1]);
        char ready = 0;
        ASSERT_EQ(read(channel[0], &ready, 1), 1) << what;
        close(channel[0]);
        // Under way: the unnamed file shows nowhere, the named one beside the target.
        EXPECT_EQ(Listed().size(), c.namesWhileWriting) << what;
        ASSERT_EQ(kill(child, c.signal), 0);
        int status = 0;
        ASSERT_EQ(waitpid(child, &status, 0), child);
        EXPECT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == c.signal) << what;
        ExpectOnlyTheOldFile(what);
    }
}

// Whether process pid has a file of folder open with bytes in it: the export is writing.
bool WritingInto(pid_t pid, const std::string& folder) {
    const std::string fds = "/proc/" + std::to_string(pid) + "/fd";
    DIR* dir = opendir(fds.c_str());
    bool writing = false;
    while (dir != nullptr && !writing) {
        const dirent* entry = readdir(dir);
        if (entry == nullptr) {
            break;
        }
        const std::string fd = fds + "/" + entry->d_name;
        char path[4096];
        const ssize_t length = readlink(fd.c_str(), path, sizeof path - 1);
        struct stat status;
        writing = length > 0 && std::string(path, length).rfind(folder + "/", 0) == 0 &&
                  stat(fd.c_str(), &status) == 0 && status.st_size > 0;
    }
    if (dir != nullptr) {
        closedir(dir);
    }
    return writing;
}

// The issue's own case: the tool writing a large DXF drawing, killed, stopped or
// interrupted while it writes.
TEST_F(InterruptedExport, ToolStoppedMidWriteLeavesTheOldFileAndNothingElse) {
    for (int signal : {SIGKILL, SIGTERM, SIGINT}) {
        const std::string target = target_;
        const char* arguments[] = {INVOLUTE_PATH,
                                   "dxf",
                                   "--teeth",
                                   "9999",
                                   "--involute-divisions",
                                   "100",
                                   "--fillet-divisions",
                                   "70",
                                   "-o",
                                   target.c_str(),
                                   nullptr};
        pid_t tool = 0;
        ASSERT_EQ(posix_spawn(&tool, INVOLUTE_PATH, nullptr, nullptr, const_cast<char**>(arguments),
                              environ),
                  0);
        const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(60);
        while (!WritingInto(tool, folder_) && std::chrono::steady_clock::now() < deadline) {
            std::this_thread::sleep_for(std::chrono::milliseconds(1));
        }
        ASSERT_TRUE(WritingInto(tool, folder_)) << NameOf(signal) << ": never caught writing";
        ASSERT_EQ(kill(tool, signal), 0);
        int status = 0;
        ASSERT_EQ(waitpid(tool, &status, 0), tool);
        EXPECT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == signal) << NameOf(signal);
        ExpectOnlyTheOldFile(NameOf(signal));
    }
}

// A reader that takes the first bytes and closes the pipe: the tool says it cannot write,
// with the system's reason, and ends with status 1 instead of dying silently of SIGPIPE.
TEST_F(InterruptedExport, PipeClosedEarlyIsReportedAsAWriteError) {
    const std::string pipe = folder_ + "/pipe.scr";
    ASSERT_EQ(mkfifo(pipe.c_str(), 0600), 0);
    // SIGPIPE as a shell leaves it, so that only the tool's own handling is tested.
    signal(SIGPIPE, SIG_DFL);
    std::thread reader([&pipe] {
        const int fd = open(pipe.c_str(), O_RDONLY);
        char head[100];
        EXPECT_EQ(read(fd, head, sizeof head), static_cast<ssize_t>(sizeof head));
        close(fd);
    });
    const ToolRun run = RunInvolute("script --teeth 2000 -o " + pipe);
    reader.join();
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.err, "involute: cannot write " + pipe + ": Broken pipe\n");
}

}  // namespace
