#include "output/output_sink.h"

#include <charconv>
#include <cmath>
#include <cstring>
#include <system_error>

void OpenSink(OutputSink* sink, OutputFlush flush, void* target) {
    sink->flush = flush;
    sink->target = target;
    sink->used = 0;
    sink->failed = false;
}

static void FlushBlock(OutputSink* sink) {
    if (sink->used > 0 && !sink->failed && !sink->flush(sink->target, sink->block, sink->used)) {
        sink->failed = true;
    }
    sink->used = 0;
}

void PutBytes(OutputSink* sink, const char* bytes, size_t count) {
    while (count > 0) {
        if (sink->used == kOutputBlockSize) {
            FlushBlock(sink);
        }
        const size_t room = kOutputBlockSize - sink->used;
        const size_t part = count < room ? count : room;
        memcpy(sink->block + sink->used, bytes, part);
        sink->used += part;
        bytes += part;
        count -= part;
    }
}

void PutText(OutputSink* sink, const char* text) {
    PutBytes(sink, text, strlen(text));
}

// Room for the longest fixed text of a finite double: a sign, 309 digits before the point,
// the point and six decimals.
static const size_t kFixedTextBytes = 320;

// std::to_chars with a precision prints exactly what C's printf prints for the same
// format, without the locale and the stream machinery that make "%f" slow; it writes
// straight into the block.
void PutFixed(OutputSink* sink, double v) {
    if (!std::isfinite(v)) {
        sink->failed = true;
        return;
    }
    if (kOutputBlockSize - sink->used < kFixedTextBytes) {
        FlushBlock(sink);
    }
    char* const end = sink->block + kOutputBlockSize;
    const std::to_chars_result result =
        std::to_chars(sink->block + sink->used, end, v, std::chars_format::fixed, 6);
    if (result.ec != std::errc()) {
        sink->failed = true;
        return;
    }
    sink->used = static_cast<size_t>(result.ptr - sink->block);
}

bool CloseSink(OutputSink* sink) {
    FlushBlock(sink);
    return !sink->failed;
}
