#pragma once
// Reading image (".dxg") and wave (".dxw") archives into their lists' items.
// Items are created in file order before their properties are read, so a
// fault leaves every item made so far (the one being read with what it had).
#include <cstdint>
#include <functional>
#include <span>
#include <vector>

#include "media/image_list.h"
#include "media/picture.h"
#include "media/wave_list.h"

namespace fg {

struct ImageArchiveSink {
  std::function<void()> clear;           // a non-empty collection replaces former items
  std::function<PictureItem&()> add;
  std::vector<uint8_t>* colorTable = nullptr;
};
void readImageArchive(std::span<const uint8_t> bytes, const ImageArchiveSink& sink);

struct WaveArchiveSink {
  std::function<void()> clear;
  std::function<WaveItem&()> add;
};
void readWaveArchive(std::span<const uint8_t> bytes, const WaveArchiveSink& sink);

// The bytes of a "Picture.Data" value: a class name, then the picture.
// Another class name leaves the item without a picture.
Picture decodePictureData(std::span<const uint8_t> bytes);

}  // namespace fg
