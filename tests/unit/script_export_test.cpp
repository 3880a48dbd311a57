#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <cstring>
#include <fstream>
#include <string>

#include "export/script_export.h"
#include "export/script_name.h"
#include "model/tooth_profile.h"
#include "tests/unit/script_test_support.h"

namespace {

class ScriptExport : public testing::Test {
protected:
    void SetUp() override {
        char pattern[] = "/tmp/odontra-export-XXXXXX";
        ASSERT_NE(mkdtemp(pattern), nullptr);
        folder_ = pattern;
        ComputeProfileOf(DefaultGearParameters(), &geometry_, &profile_);
    }
    void TearDown() override {
        std::string command = "rm -rf '" + folder_ + "'";
        ASSERT_EQ(system(command.c_str()), 0);
    }
    DrawingScript Script() const {
        return DrawingScript{&geometry_, &profile_, 50, 24, 0.0, 0.0};
    }
    int FilesInFolder() const {
        std::string command = "test $(ls -A '" + folder_ + "' | wc -l) -eq ";
        for (int n = 0; n < 10; n++) {
            if (system((command + std::to_string(n)).c_str()) == 0) {
                return n;
            }
        }
        return -1;
    }
    std::string folder_;
    GearGeometry geometry_;
    ToothProfile profile_;
};

TEST_F(ScriptExport, WritesTheScriptAndLeavesNoTemporaryFile) {
    const std::string target = folder_ + "/test.scr";
    const ExportResult result = ExportDrawingScript(target.c_str(), Script());
    EXPECT_EQ(result.stage, kExportDone);
    EXPECT_EQ(ReadWholeFile(target), ScriptTextOf(DefaultGearParameters()));
    EXPECT_EQ(FilesInFolder(), 1);
}

TEST_F(ScriptExport, ReplacesAnExistingFile) {
    const std::string target = folder_ + "/gear.scr";
    std::ofstream(target) << "old drawing";
    EXPECT_EQ(ExportDrawingScript(target.c_str(), Script()).stage, kExportDone);
    EXPECT_EQ(ReadWholeFile(target), ScriptTextOf(DefaultGearParameters()));
}

TEST_F(ScriptExport, FolderThatDoesNotExistFailsAndLeavesNothing) {
    const std::string target = folder_ + "/missing/test.scr";
    const ExportResult result = ExportDrawingScript(target.c_str(), Script());
    EXPECT_EQ(result.stage, kExportOpenFailed);
    EXPECT_EQ(result.error, ENOENT);
    EXPECT_EQ(FilesInFolder(), 0);
}

TEST_F(ScriptExport, ExistingFileSurvivesAFailedExport) {
    const std::string target = folder_ + "/keep.scr";
    std::ofstream(target) << "the only copy";
    // The temporary file cannot be made where a folder of its name stands.
    ASSERT_EQ(mkdir((target + ".~tmp").c_str(), 0700), 0);
    EXPECT_EQ(ExportDrawingScript(target.c_str(), Script()).stage, kExportOpenFailed);
    EXPECT_EQ(ReadWholeFile(target), "the only copy");
}

TEST_F(ScriptExport, TargetThatIsAFolderFailsAndRemovesTheTemporaryFile) {
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

TEST(ScriptName, KeepsThirtyNineBytesOfWholeCharacters) {
    char base[kScriptBaseNameSize];
    const std::string exact(39, 'a');
    EXPECT_EQ(CopyWholeCharacters(exact.c_str(), base, sizeof base), 39u);
    EXPECT_EQ(std::string(base), exact);
    EXPECT_EQ(CopyWholeCharacters((exact + "bc").c_str(), base, sizeof base), 39u);
    // 38 single bytes, then a two-byte syllable (code page 949 "ga") that no longer fits.
    const std::string korean = std::string(38, 'a') + "\xB0\xA1";
    EXPECT_EQ(CopyWholeCharacters(korean.c_str(), base, sizeof base), 38u);
    EXPECT_EQ(std::string(base), std::string(38, 'a'));
    const std::string syllables = "\xB0\xA1\xB3\xAA" + std::string(35, 'b');
    EXPECT_EQ(CopyWholeCharacters(syllables.c_str(), base, sizeof base), 39u);
    EXPECT_EQ(std::string(base), syllables);
}

}  // namespace
