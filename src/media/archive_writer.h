#pragma once
// Writes image and wave archives in the format the lists load; used by fgpack
// and the content tools.
#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "media/file_io.h"
#include "media/picture.h"
#include "media/wave_list.h"

namespace fg {

struct ImageItemDesc {
  std::string name;
  Picture picture;
  int32_t patternWidth = 0, patternHeight = 0, skipWidth = 0, skipHeight = 0;
  bool systemMemory = false, transparent = true;
  uint32_t transparentColor = 0;
  int bitCount = 24;  // 8 (palette built from the picture; must have <= 256 colours) or 24
};

struct WaveItemDesc {
  std::string name;
  bool looped = false;
  int32_t maxPlayingCount = 0;
  Wave wave;
};

std::vector<uint8_t> writeImageArchive(const std::vector<ImageItemDesc>& items);
std::vector<uint8_t> writeWaveArchive(const std::vector<WaveItemDesc>& items);
// A device-independent bitmap (40-byte header, no file header) at 8 or 24 bits.
std::vector<uint8_t> encodeDib(const Picture& p, int bitCount);
// A whole ".bmp" file of the picture at 24 bits.
std::vector<uint8_t> encodeBitmapFile(const Picture& p);

}  // namespace fg
