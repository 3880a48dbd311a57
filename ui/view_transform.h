// Mapping from model coordinates (drawing units, y upward, gear centre at the origin) to
// canvas pixels (columns right, rows down). No platform types.
#pragma once

struct ViewTransform {
    double scaleX;  // pixels per model unit: a whole number where the view allows one
    double scaleY;
    float originX;  // pixel column of the model origin
    float originY;  // pixel row of the model origin
};

extern ViewTransform viewTransform;

// Pixel coordinates are kept within what the drawing calls accept.
const int kPixelLimit = 1 << 27;

// Truncates toward zero; a value beyond +-kPixelLimit becomes the limit, a NaN becomes 0.
// Inline, like the two mappings: the whole-gear view maps millions of points.
inline int TruncateToPixels(double v) {
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

// Pixels per model unit so that length spans at most the given pixels: a whole number
// where at least one pixel per unit fits, else the exact fraction; 0 when the length is
// not a positive number.
double ScaleToFit(double pixels, double length);

// The product is truncated before the origin is added, so a point and its mirror image
// land symmetrically about a whole-numbered origin.
inline int ToScreenX(double x) {
    const int t = TruncateToPixels(viewTransform.scaleX * x);
    return TruncateToPixels(t + static_cast<double>(viewTransform.originX));
}

inline int ToScreenY(double y) {
    const int t = TruncateToPixels(-y * viewTransform.scaleY);
    return TruncateToPixels(t + static_cast<double>(viewTransform.originY));
}

// A pixel origin for the float fields: the nearest float, kept within the pixel range.
float PixelOrigin(double v);
