// How the tool meets the signals that would end it in the middle of an export: SIGINT and
// SIGTERM first remove the export's temporary file, then end the tool as they would have;
// SIGPIPE is ignored, so that a pipe closed early is a write error (EPIPE) reported with a
// message like any other. On Windows, which has no SIGPIPE and removes the temporary file
// itself, there is nothing to do.
#pragma once

void PrepareStopSignals();
