#include "formats/dxf_sink_writer.h"

#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstring>

// The base class opens the file it is named; given no name it opens nothing.
DxfSinkWriter::DxfSinkWriter(OutputSink* target, DL_Codes::version version)
    : DL_WriterA("", version), sink(target) {}

// Copies a short text byte by byte: cheaper than a library call for a dozen bytes.
static char* Copy(char* to, const char* from, size_t length) {
    for (size_t i = 0; i < length; i++) {
        to[i] = from[i];
    }
    return to + length;
}

// A group is two lines: the code right-aligned in three columns, then the value. Written
// straight into the sink's block where it fits: the largest gear's outline is millions of
// groups.
static void PutGroup(OutputSink* sink, int gc, const char* value, size_t length) {
    char digits[12];
    const size_t count =
        static_cast<size_t>(std::to_chars(digits, digits + sizeof digits, gc).ptr - digits);
    const size_t pad = count < 3 ? 3 - count : 0;
    const size_t size = pad + count + length + 4;
    if (kOutputBlockSize - sink->used < size) {
        PutBytes(sink, "   ", pad);
        PutBytes(sink, digits, count);
        PutBytes(sink, "\r\n", 2);
        PutBytes(sink, value, length);
        PutBytes(sink, "\r\n", 2);
        return;
    }
    char* at = Copy(sink->block + sink->used, "   ", pad);
    at = Copy(at, digits, count);
    at = Copy(at, "\r\n", 2);
    at = Copy(at, value, length);
    Copy(at, "\r\n", 2);
    sink->used += size;
}

// The fewest digits that read back as the very same double (std::to_chars without a
// precision): exact, and the same text from every build and C library. A value that is not
// a number fails the file.
void DxfSinkWriter::dxfReal(int gc, double value) const {
    char text[32];
    const std::to_chars_result written =
        std::isfinite(value) ? std::to_chars(text, text + sizeof text, value)
                             : std::to_chars_result{text, std::errc::invalid_argument};
    if (written.ec != std::errc()) {
        sink->failed = true;
        return;
    }
    PutGroup(sink, gc, text, static_cast<size_t>(written.ptr - text));
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
