#include "formats/dxf_sink_writer.h"

#include <cmath>
#include <cstdio>
#include <cstring>

// The base class opens the file it is named; given no name it opens nothing.
DxfSinkWriter::DxfSinkWriter(OutputSink* target, DL_Codes::version version)
    : DL_WriterA("", version), sink(target) {}

// A group is two lines: the code right-aligned in three columns, then the value.
static void PutGroup(OutputSink* sink, int gc, const char* value, size_t length) {
    char code[16];
    snprintf(code, sizeof code, "%3d\r\n", gc);
    PutText(sink, code);
    PutBytes(sink, value, length);
    PutText(sink, "\r\n");
}

// As the library's own ASCII writer prints reals: sixteen decimals, then the zeros at the
// end cut away down to one decimal. A value that is not a number fails the file.
void DxfSinkWriter::dxfReal(int gc, double value) const {
    char text[400];
    const int length = std::isfinite(value) ? snprintf(text, sizeof text, "%.16f", value) : -1;
    if (length <= 0 || static_cast<size_t>(length) >= sizeof text) {
        sink->failed = true;
        return;
    }
    const char* dot = strchr(text, '.');
    size_t end = static_cast<size_t>(length);
    if (dot != nullptr) {
        const size_t keep = static_cast<size_t>(dot - text) + 2;
        while (end > keep && text[end - 1] == '0') {
            end--;
        }
    }
    PutGroup(sink, gc, text, end);
}

void DxfSinkWriter::dxfInt(int gc, int value) const {
    char text[16];
    snprintf(text, sizeof text, "%d", value);
    PutGroup(sink, gc, text, strlen(text));
}

void DxfSinkWriter::dxfHex(int gc, int value) const {
    char text[16];
    snprintf(text, sizeof text, "%X", static_cast<unsigned>(value));
    PutGroup(sink, gc, text, strlen(text));
}

void DxfSinkWriter::dxfString(int gc, const char* value) const {
    PutGroup(sink, gc, value != nullptr ? value : "", value != nullptr ? strlen(value) : 0);
}

void DxfSinkWriter::dxfString(int gc, const std::string& value) const {
    PutGroup(sink, gc, value.data(), value.size());
}
