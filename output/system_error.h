// The errno value of the platform call that just failed, so that every export failure is
// reported with the same codes on every platform. No platform types.
#pragma once

// errno itself, or on Windows the nearest errno value of GetLastError().
int ErrnoOfLastError();
