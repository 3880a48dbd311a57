// A block buffer between a text writer and its file: text and numbers are put into one
// buffer, and the bytes go to the file in large blocks, so a big gear costs a few system
// calls instead of one per number. No platform types.
#pragma once

#include <cstddef>

const size_t kOutputBlockSize = 1 << 16;

// Hands count bytes to where the sink writes; false when they were not all written.
typedef bool (*OutputFlush)(void* target, const char* bytes, size_t count);

struct OutputSink {
    OutputFlush flush;
    void* target;
    size_t used;
    bool failed;  // a flush failed: what follows is dropped
    char block[kOutputBlockSize];
};

void OpenSink(OutputSink* sink, OutputFlush flush, void* target);

void PutBytes(OutputSink* sink, const char* bytes, size_t count);
void PutText(OutputSink* sink, const char* text);

// The number as C's "%f" prints it: fixed, six decimals, rounded to nearest ("-0.000000"
// for negative zero). A NaN or an infinity is not a number a file may hold: nothing is
// put and the sink fails.
void PutFixed(OutputSink* sink, double v);

// Flushes what is left; false when any write failed.
bool CloseSink(OutputSink* sink);
