#include "render/view_transform.h"

ViewTransform viewTransform;

int TruncateToPixels(double v) {
    if (v != v) {
        return 0;
    }
    if (v >= kPixelLimit) {
        return kPixelLimit;
    }
    if (v <= -kPixelLimit) {
        return -kPixelLimit;
    }
    return static_cast<int>(v);
}

double ScaleToFit(double pixels, double length) {
    if (!(length > 0)) {
        return 0;
    }
    const double exact = pixels / length;
    // Below one pixel per unit the whole number would be 0 and the picture a dot.
    return exact < 1 ? exact : TruncateToPixels(exact);
}

// The product is truncated before the origin is added, so a point and its mirror image
// land symmetrically about a whole-numbered origin.
int ToScreenX(double x) {
    const int t = TruncateToPixels(viewTransform.scaleX * x);
    return TruncateToPixels(t + static_cast<double>(viewTransform.originX));
}

int ToScreenY(double y) {
    const int t = TruncateToPixels(-y * viewTransform.scaleY);
    return TruncateToPixels(t + static_cast<double>(viewTransform.originY));
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
