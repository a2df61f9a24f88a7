#pragma once
// Shared helpers of the content tests: where the generated game files are,
// and small picture queries.
#include <string>

#include "media/image_list.h"
#include "media/picture.h"
#include "test_paths.h"

namespace fg::content_test {

inline std::string gameFile(const std::string& name) { return fg::test::gameDir() + name; }
inline std::string recipeDir() { return fg::test::testDataDir() + "/../content/ui"; }

inline bool isKey(const Picture& p, int x, int y) {
  const uint8_t* c = &p.rgb[(static_cast<size_t>(y) * p.width + x) * 3];
  return c[0] == 0 && c[1] == 0 && c[2] == 0;
}

// True when no pixel of the rectangle (right, bottom exclusive) is the black key.
inline bool covered(const Picture& p, int left, int top, int right, int bottom) {
  for (int y = top; y < bottom; ++y)
    for (int x = left; x < right; ++x)
      if (x < 0 || y < 0 || x >= p.width || y >= p.height || isKey(p, x, y)) return false;
  return true;
}

// Number of non-key pixels of a pattern.
inline int inkOf(const PictureItem& item, int pattern) {
  const Rect r = item.patternRect(pattern);
  int n = 0;
  for (int y = r.top; y < r.bottom; ++y)
    for (int x = r.left; x < r.right; ++x) n += isKey(item.picture, x, y) ? 0 : 1;
  return n;
}

}  // namespace fg::content_test
