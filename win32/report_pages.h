// The pages of the gear data dialog when a mate is set: a tab control above the rows, the
// gear's page, the mate's page (the same rows with the mate's data) and the pair's page (rows
// of the pair's numbers, the gear's value beside the mate's). Without a mate the dialog is
// the gear's page alone, as it always was.
#pragma once

#include <windows.h>

#include "gear/gear_pair.h"

enum ReportPage { kGearPage, kMatePage, kPairPage };

// Adds the tab control and makes room for it, when pair is given.
void AddReportPages(HWND dialog, const GearPair* pair);

// The page the tab control shows; the gear's where there is none.
ReportPage ShownReportPage(HWND dialog);

// Shows the rows of page: the gear rows for the gear and the mate, the pair rows for the pair
// (filled from pair).
void ShowReportRows(HWND dialog, ReportPage page, const GearPair* pair);
