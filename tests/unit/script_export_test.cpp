#include <gtest/gtest.h>

#include <dirent.h>
#include <fcntl.h>
#include <poll.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <string>
#include <thread>

#include "formats/script_export.h"
#include "ui/script_name.h"
#include "output/temporary_file.h"
#include "output/temporary_name.h"
#include "gear/gear_value.h"
#include "gear/tooth_profile.h"
#include "tests/unit/script_test_support.h"

namespace {

// A fresh folder for each test, removed afterwards.
class ExportFolder : public testing::Test {
protected:
    void SetUp() override {
        char pattern[] = "/tmp/odontra-export-XXXXXX";
        ASSERT_NE(mkdtemp(pattern), nullptr);
        folder_ = pattern;
        ComputeGear(DefaultGearParameters(), &gear_);
    }
    void TearDown() override {
        temporaryNameSource = SystemRandomBytes;
        unnamedTemporaryFiles = true;
        std::string command = "rm -rf '" + folder_ + "'";
        ASSERT_EQ(system(command.c_str()), 0);
    }
    const Gear& Script() const {
        return gear_;
    }
    std::string Export(const std::string& target) const {
        return ExportDrawingScript(target.c_str(), Script()).stage == kExportDone ? "done"
                                                                                  : "failed";
    }
    int FilesInFolder(const std::string& folder = "") const {
        DIR* dir = opendir((folder_ + folder).c_str());
        int files = 0;
        while (dirent* entry = readdir(dir)) {
            files += entry->d_name[0] == '.' &&
                             (entry->d_name[1] == '\0' || strcmp(entry->d_name, "..") == 0)
                         ? 0
                         : 1;
        }
        closedir(dir);
        return files;
    }
    std::string folder_;
    Gear gear_;
};

// Each test of replacing a file runs with Linux's unnamed temporary file and with the named
// one that stands in where a file system has none.
class ScriptExport : public ExportFolder, public testing::WithParamInterface<bool> {
protected:
    void SetUp() override {
        ExportFolder::SetUp();
        unnamedTemporaryFiles = GetParam();
    }
};

INSTANTIATE_TEST_SUITE_P(BothTemporaryFiles, ScriptExport, testing::Bool(),
                         [](const testing::TestParamInfo<bool>& info) {
                             return std::string(info.param ? "Unnamed" : "Named");
                         });

TEST_P(ScriptExport, WritesTheScriptAndLeavesNoTemporaryFile) {
    const std::string target = folder_ + "/test.scr";
    const ExportResult result = ExportDrawingScript(target.c_str(), Script());
    EXPECT_EQ(result.stage, kExportDone);
    EXPECT_EQ(ReadWholeFile(target), ScriptTextOf(DefaultGearParameters()));
    EXPECT_EQ(FilesInFolder(), 1);
}

TEST_P(ScriptExport, ReplacesAnExistingFile) {
    const std::string target = folder_ + "/gear.scr";
    std::ofstream(target) << "old drawing";
    EXPECT_EQ(ExportDrawingScript(target.c_str(), Script()).stage, kExportDone);
    EXPECT_EQ(ReadWholeFile(target), ScriptTextOf(DefaultGearParameters()));
}

TEST_P(ScriptExport, FolderThatDoesNotExistFailsAndLeavesNothing) {
    const std::string target = folder_ + "/missing/test.scr";
    const ExportResult result = ExportDrawingScript(target.c_str(), Script());
    EXPECT_EQ(result.stage, kExportOpenFailed);
    EXPECT_EQ(result.error, ENOENT);
    EXPECT_EQ(FilesInFolder(), 0);
}

static bool WriteHalfThenFail(OutputSink* sink, const void*) {
    for (int line = 0; line < 10000; line++) {
        PutText(sink, "line 1.000000,2.000000 3.000000,4.000000\r\n");
    }
    return false;
}

TEST_P(ScriptExport, ExistingFileSurvivesAFailedWriteAndNoTemporaryFileStays) {
    const std::string target = folder_ + "/keep.scr";
    std::ofstream(target) << "the only copy";
    EXPECT_EQ(ExportFile(target.c_str(), WriteHalfThenFail, nullptr).stage, kExportWriteFailed);
    EXPECT_EQ(ReadWholeFile(target), "the only copy");
    EXPECT_EQ(FilesInFolder(), 1);
}

// Draw n gives the bytes 0x00 or 0x11 in turn until draw freshFrom, then 0x22: the names
// ".~000..." and ".~111..." are known in advance and can be planted.
static int draws;
static int freshFrom;
static bool KnownNames(unsigned char* bytes, size_t count) {
    memset(bytes, draws < freshFrom ? 0x11 * (draws % 2) : 0x22, count);
    draws++;
    return true;
}

TEST_P(ScriptExport, PlantedLinkAtATemporaryNameIsNeverFollowed) {
    const std::string target = folder_ + "/gear.scr";
    std::ofstream(target) << "the only copy";
    std::ofstream(folder_ + "/victim") << "someone else's file";
    ASSERT_EQ(symlink("victim", (folder_ + "/.~" + std::string(16, '0')).c_str()), 0);
    ASSERT_EQ(symlink("created", (folder_ + "/.~" + std::string(16, '1')).c_str()), 0);
    temporaryNameSource = KnownNames;
    // Every name drawn is taken by a link: the export fails, says that no temporary file
    // could be made, and follows none of them.
    draws = 0;
    freshFrom = 1000;
    const ExportResult refused = ExportDrawingScript(target.c_str(), Script());
    EXPECT_EQ(refused.stage, kExportNoTemporaryFile);
    EXPECT_EQ(refused.error, EEXIST);
    EXPECT_EQ(ReadWholeFile(target), "the only copy");
    EXPECT_EQ(ReadWholeFile(folder_ + "/victim"), "someone else's file");
    EXPECT_NE(access((folder_ + "/created").c_str(), F_OK), 0);
    // Two names are taken, the third is free.
    draws = 0;
    freshFrom = 2;
    EXPECT_EQ(Export(target), "done");
    EXPECT_EQ(draws, 3);
    EXPECT_EQ(ReadWholeFile(target), ScriptTextOf(DefaultGearParameters()));
    EXPECT_EQ(ReadWholeFile(folder_ + "/victim"), "someone else's file");
    EXPECT_NE(access((folder_ + "/created").c_str(), F_OK), 0);
    EXPECT_EQ(FilesInFolder(), 4);
}

TEST_P(ScriptExport, LinkedTargetIsWrittenThroughAndTheLinksStay) {
    ASSERT_EQ(mkdir((folder_ + "/drawings").c_str(), 0700), 0);
    std::ofstream(folder_ + "/drawings/gear.scr") << "old drawing";
    // A chain: a link to a relative link to the file; and a link to a file not yet there.
    ASSERT_EQ(symlink("drawings/gear.scr", (folder_ + "/near.scr").c_str()), 0);
    ASSERT_EQ(symlink((folder_ + "/near.scr").c_str(), (folder_ + "/far.scr").c_str()), 0);
    ASSERT_EQ(symlink("drawings/new.scr", (folder_ + "/new.scr").c_str()), 0);
    EXPECT_EQ(Export(folder_ + "/far.scr"), "done");
    EXPECT_EQ(Export(folder_ + "/new.scr"), "done");
    const std::string script = ScriptTextOf(DefaultGearParameters());
    EXPECT_EQ(ReadWholeFile(folder_ + "/drawings/gear.scr"), script);
    EXPECT_EQ(ReadWholeFile(folder_ + "/drawings/new.scr"), script);
    struct stat link;
    for (const char* name : {"/near.scr", "/far.scr", "/new.scr"}) {
        ASSERT_EQ(lstat((folder_ + name).c_str(), &link), 0);
        EXPECT_TRUE(S_ISLNK(link.st_mode)) << name;
    }
    EXPECT_EQ(FilesInFolder(), 4);
    EXPECT_EQ(FilesInFolder("/drawings"), 2);
}

// Reads the pipe open at fd until the writer has come and gone (or nothing happens for ten
// seconds), and closes it.
std::string ReadUntilTheWriterLeaves(int fd) {
    std::string received;
    char buffer[1 << 16];
    pollfd ready = {fd, POLLIN, 0};
    while (poll(&ready, 1, 10000) > 0) {
        const ssize_t got = read(fd, buffer, sizeof buffer);
        if (got == 0) {
            break;
        }
        received.append(buffer, got > 0 ? static_cast<size_t>(got) : 0);
    }
    close(fd);
    return received;
}

TEST_F(ExportFolder, PipeTargetIsWrittenIntoNotReplaced) {
    const std::string pipe = folder_ + "/pipe.scr";
    ASSERT_EQ(mkfifo(pipe.c_str(), 0600), 0);
    const int fd = open(pipe.c_str(), O_RDONLY | O_NONBLOCK);
    ASSERT_GE(fd, 0);
    std::string received;
    std::thread reader([&] { received = ReadUntilTheWriterLeaves(fd); });
    const std::string result = Export(pipe);
    reader.join();
    EXPECT_EQ(result, "done");
    EXPECT_EQ(received, ScriptTextOf(DefaultGearParameters()));
    struct stat status;
    ASSERT_EQ(lstat(pipe.c_str(), &status), 0);
    EXPECT_TRUE(S_ISFIFO(status.st_mode));
    EXPECT_EQ(FilesInFolder(), 1);
}

// A reader started with the export may open the pipe a moment after the export does: the
// export waits for it rather than report a pipe nobody reads. The reader's lateness is the
// case under test.
TEST_F(ExportFolder, PipeWhoseReaderStartsLateIsWrittenInto) {
    const std::string pipe = folder_ + "/late.scr";
    ASSERT_EQ(mkfifo(pipe.c_str(), 0600), 0);
    std::string received;
    std::thread reader([&] {
        std::this_thread::sleep_for(std::chrono::milliseconds(300));
        received = ReadUntilTheWriterLeaves(open(pipe.c_str(), O_RDONLY | O_NONBLOCK));
    });
    const std::string result = Export(pipe);
    reader.join();
    EXPECT_EQ(result, "done");
    EXPECT_EQ(received, ScriptTextOf(DefaultGearParameters()));
}

TEST_F(ExportFolder, PipeThatNobodyReadsIsRefusedAfterAWhile) {
    const std::string pipe = folder_ + "/unread.scr";
    ASSERT_EQ(mkfifo(pipe.c_str(), 0600), 0);
    const auto start = std::chrono::steady_clock::now();
    const ExportResult result = ExportDrawingScript(pipe.c_str(), Script());
    const auto waited = std::chrono::steady_clock::now() - start;
    EXPECT_EQ(result.stage, kExportOpenFailed);
    EXPECT_EQ(result.error, ENXIO);
    EXPECT_GE(waited, std::chrono::milliseconds(900));
    EXPECT_LT(waited, std::chrono::seconds(5));
}

// A character device made in the test's own folder: the null device's numbers, so what is
// written goes nowhere. The node must stay a device, not become a file.
TEST_F(ExportFolder, DeviceTargetIsWrittenIntoNotReplaced) {
    const std::string device = folder_ + "/null.scr";
    if (mknod(device.c_str(), S_IFCHR | 0600, makedev(1, 3)) != 0) {
        GTEST_SKIP() << "making a device node needs root";
    }
    // A folder mounted without devices, or a container, may forbid opening the node.
    const int fd = open(device.c_str(), O_WRONLY);
    if (fd < 0) {
        GTEST_SKIP() << "device nodes cannot be opened here";
    }
    close(fd);
    EXPECT_EQ(Export(device), "done");
    struct stat status;
    ASSERT_EQ(lstat(device.c_str(), &status), 0);
    EXPECT_TRUE(S_ISCHR(status.st_mode));
    EXPECT_EQ(FilesInFolder(), 1);
}

TEST_P(ScriptExport, LongestLegalFileNameExports) {
    const std::string target = folder_ + "/" + std::string(251, 'g') + ".scr";
    EXPECT_EQ(Export(target), "done");
    EXPECT_EQ(ReadWholeFile(target), ScriptTextOf(DefaultGearParameters()));
    EXPECT_EQ(FilesInFolder(), 1);
}

TEST_P(ScriptExport, ReplacedFileKeepsItsPermissionBitsButNoSetIdBit) {
    const std::string target = folder_ + "/shared.scr";
    std::ofstream(target) << "old drawing";
    ASSERT_EQ(chmod(target.c_str(), 0664), 0);
    EXPECT_EQ(Export(target), "done");
    struct stat status;
    ASSERT_EQ(stat(target.c_str(), &status), 0);
    EXPECT_EQ(status.st_mode & 07777, 0664u);
    ASSERT_EQ(chmod(target.c_str(), 04750), 0);
    EXPECT_EQ(Export(target), "done");
    ASSERT_EQ(stat(target.c_str(), &status), 0);
    EXPECT_EQ(status.st_mode & 07777, 0750u);
}

TEST_P(ScriptExport, ReadOnlyFileIsRefusedAndLeftAsItWas) {
    const std::string target = folder_ + "/final.scr";
    std::ofstream(target) << "the approved drawing";
    ASSERT_EQ(chmod(target.c_str(), 0444), 0);
    const ExportResult result = ExportDrawingScript(target.c_str(), Script());
    EXPECT_EQ(result.stage, kExportOpenFailed);
    EXPECT_EQ(result.error, EACCES);
    EXPECT_EQ(ReadWholeFile(target), "the approved drawing");
    EXPECT_EQ(FilesInFolder(), 1);
}

TEST_P(ScriptExport, TargetThatIsAFolderFailsAndRemovesTheTemporaryFile) {
    const std::string target = folder_ + "/taken.scr";
    ASSERT_EQ(mkdir(target.c_str(), 0700), 0);
    const ExportResult result = ExportDrawingScript(target.c_str(), Script());
    EXPECT_EQ(result.stage, kExportReplaceFailed);
    EXPECT_NE(result.error, 0);
    EXPECT_EQ(FilesInFolder(), 1);
}

TEST(ScriptName, AppendsTheExtensionAlways) {
    char name[48];
    FormScriptFileName("test", name, sizeof name);
    EXPECT_STREQ(name, "test.scr");
    FormScriptFileName("", name, sizeof name);
    EXPECT_STREQ(name, ".scr");
    FormScriptFileName("gear.scr", name, sizeof name);
    EXPECT_STREQ(name, "gear.scr.scr");
}

TEST(ScriptName, KeepsThirtyNinePlacesOfWholeCharactersWideOnesTakingTwo) {
    char base[kScriptBaseNameSize];
    const std::string exact(39, 'a');
    EXPECT_EQ(CopyBaseName((exact + "bc").c_str(), base), 39u);
    EXPECT_EQ(std::string(base), exact);
    // 38 places, then a syllable that takes two and no longer fits.
    const std::string korean = std::string(38, 'a') + "가";
    CopyBaseName(korean.c_str(), base);
    EXPECT_EQ(std::string(base), std::string(38, 'a'));
    // Nineteen syllables and a letter fill the places exactly, as in code page 949; a
    // four-byte character counts as two places too.
    std::string syllables;
    for (int i = 0; i < 19; i++) {
        syllables += i % 2 == 0 ? "가" : "\U0001F527";
    }
    syllables += "b";
    EXPECT_EQ(NameWidth(syllables.c_str()), 39u);
    CopyBaseName((syllables + "c").c_str(), base);
    EXPECT_EQ(std::string(base), syllables);
}

}  // namespace
