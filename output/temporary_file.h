// The file an export writes before it takes the target's place, made so that an export cut
// short at any moment leaves nothing behind it:
// - on Linux it has no name while it is written (O_TMPFILE in the target's folder) and is
//   given one with linkat only when complete; where the file system has no such files, it
//   is a named file, which the tool's handler of SIGINT and SIGTERM removes;
// - on Windows it is a named file marked for deletion on close until it is renamed into
//   place, so that the system removes it however the process ends.
// A name it takes in the folder is drawn at random (temporary_name.h). No platform types.
#pragma once

#include <cstddef>

#include "output/export_target.h"
#include "output/output_file.h"
#include "output/temporary_name.h"

struct TemporaryFile {
    OutputFile file;
    bool named;  // it stands in the folder under name
    char name[kMaxTargetPathBytes + kTemporaryNameBytes];
};

// Makes the temporary file beside path, open for writing: 0, kEveryNameTaken, or an errno
// value.
int CreateTemporaryFile(const char* path, TemporaryFile* temporary);

// Puts the written and synced file in target's place, replacing what is there, and closes
// it: 0, kEveryNameTaken, or an errno value, after which nothing of it is left.
int PlaceTemporaryFile(TemporaryFile* temporary, const ExportTarget& target);

// Closes the file and removes it.
void DiscardTemporaryFile(TemporaryFile* temporary);

// Removes the named temporary file of the export under way, if there is one: for a signal
// handler, so it only makes calls that are safe there.
void RemovePendingTemporaryFile();

// Whether Linux's unnamed files are tried first: always, except in the tests of the named
// file that stands in where a file system has none.
extern bool unnamedTemporaryFiles;
