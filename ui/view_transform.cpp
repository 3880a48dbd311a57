#include "ui/view_transform.h"

ViewTransform viewTransform;

double ScaleToFit(double pixels, double length) {
    if (!(length > 0)) {
        return 0;
    }
    const double exact = pixels / length;
    // Below one pixel per unit the whole number would be 0 and the picture a dot.
    return exact < 1 ? exact : TruncateToPixels(exact);
}

float PixelOrigin(double v) {
    if (v != v) {
        return 0.0f;
    }
    if (v > kPixelLimit) {
        return static_cast<float>(kPixelLimit);
    }
    if (v < -kPixelLimit) {
        return -static_cast<float>(kPixelLimit);
    }
    return static_cast<float>(v);
}
