#include "render/tooth_outline.h"

#include "model/tooth_profile.h"
#include "render/view_transform.h"

void TraceToothOutline(HDC dc, int last) {
    const double* x = toothProfile.profileX;
    const double* y = toothProfile.profileY;
    MoveToEx(dc, ToScreenX(x[0]), ToScreenY(y[0]), nullptr);
    for (int i = 1; i <= last; i++) {
        LineTo(dc, ToScreenX(x[i]), ToScreenY(y[i]));
    }
    for (int i = last; i >= 0; i--) {
        LineTo(dc, ToScreenX(-x[i]), ToScreenY(y[i]));
    }
}
