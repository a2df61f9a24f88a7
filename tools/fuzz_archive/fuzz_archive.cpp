// Feeds arbitrary bytes to the archive and bitmap readers, then cuts and draws
// whatever loaded. The first byte picks the reader. Errors are the expected
// outcome for damaged input; anything else (a crash, a sanitizer report, a
// hang, a huge allocation) is a fault.
#include <cstddef>
#include <cstdint>
#include <span>

#include "media/blitter.h"
#include "media/error.h"
#include "media/image_list.h"
#include "media/picture.h"
#include "media/wave_list.h"

namespace {

void drawAll(fg::ImageList& list) {
  fg::Surface back(64, 48, fg::PixelFormat::Rgb565);
  list.displayInitialized(fg::PixelFormat::Rgb565);
  for (int i = 0; i < list.count(); ++i) {
    const fg::PictureItem& item = list.item(i);
    const int patterns = std::min(item.patternCount(), 16);
    for (int p = 0; p < patterns; ++p) {
      item.BlitPattern(back, -3, 5, p);
      item.BlitStretched(back, {-7, 2, 70, 20}, p);
      item.BlitAdditive(back, {10, -4, 30, 60}, p, 77);
      item.BlitBlended(back, {1, 1, 9, 3}, p, 255);
      item.BlitSubtractive(back, {-100, -100, 200, 5}, p, 300);
    }
  }
  list.displayFinalized();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size < 1) return 0;
  std::span<const uint8_t> bytes(data + 1, size - 1);
  try {
    switch (data[0] % 4) {
      case 0: {
        fg::ImageList list;
        try {
          list.loadFromMemory(bytes);
        } catch (const fg::GameError&) {
        }
        drawAll(list);
        break;
      }
      case 1: {
        fg::WaveList list;
        list.loadFromMemory(bytes);
        break;
      }
      case 2: fg::decodeBitmapFile(bytes); break;
      default: fg::decodeWave(bytes); break;
    }
  } catch (const fg::GameError&) {
  }
  return 0;
}
