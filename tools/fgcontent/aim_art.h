#pragma once
// The aiming sprites: mouse pointer, power gauge, target and the putter with
// its shadow, in the layouts the putting code draws them with.
#include "cairo_picture.h"
#include "pixel_font.h"
#include "recipes.h"

namespace fg {

// The gauge is drawn at (tx - 47, ty - 56): its centre (47, 56) sits on the aiming point.
// 31 is prime: the levels lie in one row, so the grid has no empty cells.
constexpr int kGaugeWidth = 95, kGaugeHeight = 113, kGaugeLevels = 31, kGaugeColumns = 31;
// The target is drawn at (tx - 16, ty - 13); four animation frames.
constexpr int kTargetWidth = 33, kTargetHeight = 27, kTargetFrames = 4;
// The putter's head point (47, 125) is drawn on the point behind the ball.
constexpr int kPutterWidth = 96, kPutterHeight = 142, kPutterFrames = 32, kPutterColumns = 8;
constexpr int kPutterHeadX = 47, kPutterHeadY = 125;

Picture drawPointer(const Theme& t);
Picture drawGauge(const Theme& t, const PixelFont& font);  // 31 patterns in a row
Picture drawTarget(const Theme& t);                        // 4 patterns in a row
// Pattern f faces the shot direction of byte angle 128 - 8f - 3.5 (the middle
// of the angles that pick it). `shadow` draws the subtractive ground shadow.
Picture drawPutter(bool shadow);

}  // namespace fg
