// The name of the temporary file an export writes first: in the target's folder, short and
// of fixed length (so any name the target may have still leaves room), and drawn from the
// system's random source, so that nobody can plant a file or a link there in advance.
// No platform types.
#pragma once

#include <cstddef>

// Fills count bytes with unpredictable values; false when it cannot.
typedef bool (*RandomSource)(unsigned char* bytes, size_t count);

// The system's source: getrandom() on Linux, rand_s on Windows.
bool SystemRandomBytes(unsigned char* bytes, size_t count);

// Where the names are drawn from: always the system's, except in the unit test that
// plants links at the names it knows will be drawn.
extern RandomSource temporaryNameSource;

// Bytes the temporary name adds to the target's folder: ".~", 16 hex digits, the zero.
const size_t kTemporaryNameBytes = 19;

// The folder part of target followed by a fresh random name; false when the source fails
// or the name does not fit into size bytes.
bool FormTemporaryName(const char* target, char* name, size_t size);

// Length of the folder part of path, its last separator included (0 for a bare name).
size_t FolderLength(const char* path);

// Makes something at a name: 0, EEXIST when the name is taken, or another errno value.
typedef int (*NameTaker)(const char* name, void* context);

// What TakeFreshName returns when every name it drew was taken: no errno value.
const int kEveryNameTaken = -1;

// Draws fresh names beside target into name until take succeeds or fails for another
// reason than a taken name: 0, an errno value, or kEveryNameTaken after a few draws.
int TakeFreshName(const char* target, char* name, size_t size, NameTaker take, void* context);
