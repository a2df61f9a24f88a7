#include "bitmap_files.h"

#include <algorithm>
#include <set>

#include "media/archive_writer.h"
#include "media/error.h"

namespace fg {

namespace {

void put32(std::vector<uint8_t>& v, size_t at, uint32_t x) {
  for (int i = 0; i < 4; ++i) v[at + i] = static_cast<uint8_t>(x >> (8 * i));
}

uint32_t get32(const std::vector<uint8_t>& v, size_t at) {
  return v[at] | (v[at + 1] << 8) | (v[at + 2] << 16) | (static_cast<uint32_t>(v[at + 3]) << 24);
}

}  // namespace

std::vector<uint8_t> encodeBitmapFile8(const Picture& p) {
  const std::vector<uint8_t> dib = encodeDib(p, 8);
  if (dib.size() < 40) throw GameError("DIB is invalid");
  uint32_t colours = get32(dib, 32);
  if (colours == 0) colours = 256;
  // Sized once and copied into: appending to a 14-byte vector trips a false
  // array-bounds warning in the standard library's inlined copy.
  std::vector<uint8_t> file(14 + dib.size(), 0);
  file[0] = 'B';
  file[1] = 'M';
  put32(file, 2, static_cast<uint32_t>(14 + dib.size()));
  put32(file, 10, 14 + 40 + colours * 4);
  std::copy(dib.begin(), dib.end(), file.begin() + 14);
  return file;
}

Picture reduceTo256Colours(const Picture& p) {
  static const int kBayer[4][4] = {{0, 8, 2, 10}, {12, 4, 14, 6}, {3, 11, 1, 9}, {15, 7, 13, 5}};
  const int levels[3] = {6, 7, 6};
  Picture out = p;
  for (int y = 0; y < p.height; ++y) {
    for (int x = 0; x < p.width; ++x) {
      uint8_t* c = &out.rgb[(static_cast<size_t>(y) * p.width + x) * 3];
      const double t = (kBayer[y & 3][x & 3] + 0.5) / 16.0;
      for (int ch = 0; ch < 3; ++ch) {
        const int n = levels[ch] - 1;
        const double v = c[ch] / 255.0 * n;
        int q = static_cast<int>(v);
        if (v - q > t) ++q;
        q = std::clamp(q, 0, n);
        c[ch] = static_cast<uint8_t>((q * 255 + n / 2) / n);
      }
    }
  }
  return out;
}

int countColours(const Picture& p) {
  std::set<uint32_t> seen;
  for (size_t i = 0; i + 2 < p.rgb.size(); i += 3)
    seen.insert((p.rgb[i] << 16) | (p.rgb[i + 1] << 8) | p.rgb[i + 2]);
  return static_cast<int>(seen.size());
}

}  // namespace fg
