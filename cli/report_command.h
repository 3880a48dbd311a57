// involute report: the gear data as text or JSON on stdout.
#pragma once

#include "cli/report_options.h"
#include "gear/gear_cut.h"

// For a gear accepted by CheckGearParameters: refuses a bad pin or span input with one line
// on stderr (status 2), else prints the report (status 0; the caller flushes stdout).
int RunReport(const GearParameters& p, const GearCut& cut, const ReportRequest& request);
