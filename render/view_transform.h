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
int TruncateToPixels(double v);

// Pixels per model unit so that length spans at most the given pixels: a whole number
// where at least one pixel per unit fits, else the exact fraction; 0 when the length is
// not a positive number.
double ScaleToFit(double pixels, double length);

int ToScreenX(double x);
int ToScreenY(double y);

// A pixel origin for the float fields: the nearest float, kept within the pixel range.
float PixelOrigin(double v);
