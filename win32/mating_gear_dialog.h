// The Mating Gear command: a dialog, owned by the main window, in which the designer sets
// the mate of the current gear (its teeth and shift, the centre distance or the tight mesh,
// shortened tips) or removes it. A refused mate or centre distance keeps the dialog open.
#pragma once

#include <windows.h>

void ChooseMate(HWND window);
