// The "make script" command: asks for the name, writes the drawing script of the whole
// gear, and says whether the file was made.
#pragma once

#include <windows.h>

#include "gear/gear_value.h"

void WriteScriptFile(HWND window, const Gear& gear);
