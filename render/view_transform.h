// Mapping from model coordinates (drawing units, y upward, gear centre at the origin) to
// canvas pixels (columns right, rows down). No platform types.
#pragma once

struct ViewTransform {
    int scaleX;  // pixels per model unit
    int scaleY;
    float originX;  // pixel column of the model origin
    float originY;  // pixel row of the model origin
};

extern ViewTransform viewTransform;

// Pixel coordinates are kept within what the drawing calls accept.
const int kPixelLimit = 1 << 27;

// Truncates toward zero; a value beyond +-kPixelLimit becomes the limit, a NaN becomes 0.
int TruncateToPixels(double v);

// Whole pixels per model unit so that length spans at most the given pixels; 0 when the
// length is not a positive number.
int ScaleToFit(double pixels, double length);

int ToScreenX(double x);
int ToScreenY(double y);

// A pixel origin for the float fields: the nearest float, kept within the pixel range.
float PixelOrigin(double v);
