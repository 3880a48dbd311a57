#include "tests/unit/script_test_support.h"

#include <fstream>
#include <sstream>

#include "formats/script_text.h"
#include "gear/tooth_profile.h"

bool AppendToString(void* target, const char* bytes, size_t count) {
    static_cast<std::string*>(target)->append(bytes, count);
    return true;
}

std::string ScriptTextOf(const GearParameters& p) {
    static Gear gear;
    ComputeGear(p, &gear);
    std::string text;
    static OutputSink sink;
    OpenSink(&sink, AppendToString, &text);
    const bool written = WriteDrawingScript(&sink, gear);
    return CloseSink(&sink) && written ? text : "";
}

int CountLines(const std::string& text) {
    int lines = 0;
    for (size_t at = text.find("\r\n"); at != std::string::npos; at = text.find("\r\n", at + 2)) {
        lines++;
    }
    return lines;
}

std::string ReadWholeFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}
