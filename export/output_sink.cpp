#include "export/output_sink.h"

#include <cstdio>
#include <cstring>

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

void PutFixed(OutputSink* sink, double v) {
    char text[400];
    const int length = snprintf(text, sizeof text, "%f", v);
    if (length > 0 && static_cast<size_t>(length) < sizeof text) {
        PutBytes(sink, text, static_cast<size_t>(length));
    } else {
        sink->failed = true;
    }
}

bool CloseSink(OutputSink* sink) {
    FlushBlock(sink);
    return !sink->failed;
}
