#pragma once
// Where the game's picture goes on a screen or window of another size.
#include "media/rect.h"

namespace fg {

// The largest rectangle of `outW` × `outH` that shows a `w` × `h` picture
// with its aspect kept, centred. Whole-number scaling (square, sharp pixels)
// where it fills as much, or always when `sharpPixels` is chosen and the
// picture fits at least once; empty when any size is not positive.
Rect fitPicture(int outW, int outH, int w, int h, bool sharpPixels);

}  // namespace fg
