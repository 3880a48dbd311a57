#include <gtest/gtest.h>

#include <cerrno>
#include <string>

#include "ui/export_message.h"

namespace {

TEST(ExportMessage, NoticeNamesTheFileWithItsExtension) {
    char text[128];
    FormatExportNotice(kScriptFile, "test.scr", kKorean, text, sizeof text);
    EXPECT_EQ(std::string(text), "AutoCad 용 script 화일 test.scr가 만들어 졌습니다.\n");
}

TEST(ExportMessage, FailureNamesTheFileAndTheReason) {
    char text[256];
    FormatExportFailure(kScriptFile, "no-such-folder/gear.scr", {kExportOpenFailed, ENOENT},
                        kKorean, text, sizeof text);
    const std::string message = text;
    EXPECT_NE(message.find("no-such-folder/gear.scr"), std::string::npos);
    EXPECT_NE(message.find("만들지 못했습니다"), std::string::npos);
    EXPECT_NE(message.find("폴더가 없거나"), std::string::npos);
    FormatExportFailure(kScriptFile, "full.scr", {kExportWriteFailed, ENOSPC}, kKorean, text,
                        sizeof text);
    EXPECT_NE(std::string(text).find("빈 공간"), std::string::npos);
    FormatExportFailure(kScriptFile, "odd.scr", {kExportWriteFailed, 12345}, kKorean, text,
                        sizeof text);
    EXPECT_NE(std::string(text).find("쓰는 중에 오류"), std::string::npos);
}

// Every temporary name was taken: the target itself may not exist, so "it exists" would
// mislead.
TEST(ExportMessage, NoFreeTemporaryNameIsSaidAsSuch) {
    char text[256];
    FormatExportFailure(kScriptFile, "out.scr", {kExportNoTemporaryFile, EEXIST}, kEnglish, text,
                        sizeof text);
    EXPECT_STREQ(text,
                 "The script file out.scr could not be made.\nNo temporary file could be created "
                 "beside it: every name tried was taken.\n");
}

TEST(ExportMessage, DrawingsAreNamedByTheirKind) {
    char text[256];
    FormatExportNotice(kDxfFile, "test.dxf", kKorean, text, sizeof text);
    EXPECT_EQ(std::string(text), "DXF 도면 화일 test.dxf가 만들어 졌습니다.\n");
    FormatExportNotice(kSvgFile, "test.svg", kKorean, text, sizeof text);
    EXPECT_EQ(std::string(text), "SVG 그림 화일 test.svg가 만들어 졌습니다.\n");
    FormatExportFailure(kDxfFile, "x/gear.dxf", {kExportOpenFailed, ENOENT}, kKorean, text,
                        sizeof text);
    EXPECT_EQ(std::string(text).rfind("DXF 화일 x/gear.dxf을(를) 만들지 못했습니다.\n", 0), 0u);
}

}  // namespace
