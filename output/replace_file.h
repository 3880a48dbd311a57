// Moving a finished file over its target, replacing a file that is there.
#pragma once

// 0 when done, else an errno value.
int ReplaceFileWith(const char* from, const char* to);
