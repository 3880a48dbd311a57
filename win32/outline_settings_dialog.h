// The outline settings command (Acad Drawing -> Outline Settings...): a dialog with the
// choice of fitted arcs or the division points' chords and the tolerance. OK keeps a
// tolerance the fit reaches for the current gear (empty: the default, 1e-4 of the module)
// and remembers the choice; a bad tolerance is refused with a message and the dialog stays.
#pragma once

#include <windows.h>

void EditOutlineSettings(HWND window);
