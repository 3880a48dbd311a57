#include <gtest/gtest.h>

#include <cerrno>
#include <string>

#include "export/export_message.h"

namespace {

TEST(ExportMessage, NoticeNamesTheFileWithItsExtension) {
    char text[128];
    FormatExportNotice("test.scr", text, sizeof text);
    EXPECT_EQ(std::string(text), "AutoCad 용 script 화일 test.scr가 만들어 졌습니다.\n");
}

TEST(ExportMessage, FailureNamesTheFileAndTheReason) {
    char text[256];
    FormatExportFailure("no-such-folder/gear.scr", {kExportOpenFailed, ENOENT}, text, sizeof text);
    const std::string message = text;
    EXPECT_NE(message.find("no-such-folder/gear.scr"), std::string::npos);
    EXPECT_NE(message.find("만들지 못했습니다"), std::string::npos);
    EXPECT_NE(message.find("폴더가 없거나"), std::string::npos);
    FormatExportFailure("full.scr", {kExportWriteFailed, ENOSPC}, text, sizeof text);
    EXPECT_NE(std::string(text).find("빈 공간"), std::string::npos);
    FormatExportFailure("odd.scr", {kExportWriteFailed, 12345}, text, sizeof text);
    EXPECT_NE(std::string(text).find("쓰는 중에 오류"), std::string::npos);
}

}  // namespace
