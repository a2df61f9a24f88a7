#include "render/effects.h"

#include <cstdlib>

#include "sim/geometry.h"

namespace fg {

namespace {

constexpr int32_t kQuarters = 4;      // frame counter steps per pattern
constexpr int32_t kPulseStep = 20;
constexpr int32_t kPulseRestart = 4;  // after the dark stretch the glow starts again here
constexpr int32_t kPulseEnd = 1000;

void drawSlot(EffectSlot& e, const PictureItem& p, Surface& back, int32_t cx, int32_t cy) {
  const int32_t left = subWrap(e.x, cx), top = subWrap(e.y, cy);
  const int32_t pattern = e.frame / kQuarters;
  // Blended draws use the stored pattern size: an item stored without one is
  // not drawn by them.
  const Rect stored{left, top, addWrap(left, p.patternWidth), addWrap(top, p.patternHeight)};
  if (e.blend == 0 && e.pulse == 0) p.BlitPattern(back, left, top, pattern);
  if (e.blend < 0) p.BlitSubtractive(back, stored, pattern, subWrap(0, e.blend));
  if (e.blend >= 1) p.BlitAdditive(back, stored, pattern, e.blend);
  if (e.pulse > 0) {
    if (e.pulse < 255) {
      const Rect full{left, top, addWrap(left, p.width()), addWrap(top, p.height())};
      p.BlitBlended(back, full, 0, 255 - std::abs(2 * e.pulse - 255));
    }
    const int64_t next = static_cast<int64_t>(e.pulse) + kPulseStep;
    e.pulse = next > kPulseEnd ? kPulseRestart : static_cast<int32_t>(next);
  }
}

}  // namespace

int32_t effectAdvance(int32_t framesPerSecond, int32_t& carry) {
  if (framesPerSecond < 15) {
    carry = 0;
    return kQuarters;
  }
  if (framesPerSecond <= 60) {
    carry = 0;
    return 60 / framesPerSecond;
  }
  const int64_t owed = static_cast<int64_t>(carry) + 60;
  carry = static_cast<int32_t>(owed % framesPerSecond);
  return static_cast<int32_t>(owed / framesPerSecond);
}

void drawEffects(GameState& gs, const ImageList& course, Surface& back, int32_t advance) {
  for (int slot = kEffectSlots - 1; slot >= 0; --slot) {
    EffectSlot& e = gs.effects[slot];
    if (e.x == 0 && e.y == 0) continue;
    // A slot naming a picture the hole does not have draws nothing and ends
    // at once, as an effect without patterns does.
    const PictureItem* p = course.find(e.image);
    if (p) drawSlot(e, *p, back, gs.camera_x, gs.camera_y);
    e.frame = addWrap(e.frame, advance);
    const int64_t patterns = p ? p->patternCount() : 0;
    if (e.frame >= kQuarters * patterns) {
      e.frame = 0;
      if (!e.looping) e.x = e.y = 0;
    }
  }
}

}  // namespace fg
