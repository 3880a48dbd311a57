// The Gear Type and Cutter command: a dialog, owned by the main window, in which the
// designer chooses an external gear or a ring and the rack or a shaper cutter (its teeth and
// shift), and a ring's rim. A choice that cannot cut a sound gear keeps the dialog open.
#pragma once

#include <windows.h>

void ChooseGearType(HWND window);
