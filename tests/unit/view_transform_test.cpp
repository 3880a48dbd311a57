#include <gtest/gtest.h>

#include <limits>

#include "ui/view_transform.h"

namespace {

void SetView(int scale, float originX, float originY) {
    viewTransform.scaleX = scale;
    viewTransform.scaleY = scale;
    viewTransform.originX = originX;
    viewTransform.originY = originY;
}

TEST(ViewTransform, WholeGearViewPlacesTheCentreCross) {
    SetView(10, 300, 275);
    EXPECT_EQ(ToScreenX(0), 300);
    EXPECT_EQ(ToScreenY(-2), 295);
    EXPECT_EQ(ToScreenY(2), 255);
    EXPECT_EQ(ToScreenX(-2), 280);
    EXPECT_EQ(ToScreenX(2), 320);
    EXPECT_EQ(ToScreenY(0), 275);
}

TEST(ViewTransform, TruncatesTowardZeroSoMirrorPointsAreSymmetric) {
    SetView(66, 300, 1816);
    EXPECT_EQ(ToScreenX(-2.53007), 134);
    EXPECT_EQ(ToScreenX(2.53007), 466);
    EXPECT_EQ(ToScreenY(21.35061), 407);
    // -47.22 truncates to -47; flooring would give column 252.
    EXPECT_EQ(ToScreenX(-0.71546), 253);
    EXPECT_EQ(ToScreenX(0.71546), 347);
}

TEST(ViewTransform, FractionalFloatOriginIsWidenedThenTruncated) {
    SetView(66, 300, 1835.8f);
    EXPECT_EQ(ToScreenY(26.3), 100);
}

TEST(ViewTransform, ScaleZeroMapsEverythingOntoTheOrigin) {
    SetView(0, 300, 275);
    EXPECT_EQ(ToScreenX(-1e6), 300);
    EXPECT_EQ(ToScreenY(1e6), 275);
}

TEST(ViewTransform, OutOfRangeAndNonFiniteValuesAreClamped) {
    SetView(1 << 26, 300, 275);
    EXPECT_EQ(ToScreenX(1e12), kPixelLimit);
    // The product is clamped first, then the origin is added.
    EXPECT_EQ(ToScreenX(-1e12), -kPixelLimit + 300);
    EXPECT_EQ(ToScreenY(std::numeric_limits<double>::infinity()), -kPixelLimit + 275);
    EXPECT_EQ(ToScreenX(std::numeric_limits<double>::quiet_NaN()), 300);
    viewTransform.originX = 1e30f;
    EXPECT_EQ(ToScreenX(5), kPixelLimit);
    EXPECT_EQ(TruncateToPixels(-7.9), -7);
}

TEST(ScaleToFit, TruncatesAndRefusesLengthsThatAreNotPositive) {
    EXPECT_EQ(ScaleToFit(300.0, 4.5), 66);
    EXPECT_EQ(ScaleToFit(550.0, 52.0), 10);
    EXPECT_DOUBLE_EQ(ScaleToFit(550.0, 600.0), 550.0 / 600.0);
    EXPECT_EQ(ScaleToFit(300.0, 0.0), 0);
    EXPECT_EQ(ScaleToFit(300.0, -1.0), 0);
    EXPECT_EQ(ScaleToFit(300.0, std::numeric_limits<double>::quiet_NaN()), 0);
    EXPECT_EQ(ScaleToFit(300.0, 1e-300), kPixelLimit);
}

}  // namespace
