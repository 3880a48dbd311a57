#include "tests/unit/script_test_support.h"

#include <cstdio>
#include <fstream>
#include <sstream>

#include "export/script_text.h"
#include "model/tooth_profile.h"

std::string ScriptTextOf(const GearParameters& p) {
    GearGeometry geometry;
    static ToothProfile profile;
    ComputeProfileOf(p, &geometry, &profile);
    const DrawingScript script = {&geometry,    &profile, p.filletDivisions + p.involuteDivisions,
                                  p.toothCount, 0.0,      0.0};
    FILE* file = tmpfile();
    if (file == nullptr || !WriteDrawingScript(file, script)) {
        return "";
    }
    std::string text;
    rewind(file);
    char buffer[4096];
    size_t n;
    while ((n = fread(buffer, 1, sizeof buffer, file)) > 0) {
        text.append(buffer, n);
    }
    fclose(file);
    return text;
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
