#pragma once
// A decoded source picture, before any 16-bit conversion, and the bitmap
// decoder shared by the archives ("TDIB", "TBitmap") and loose ".bmp" files.
#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace fg {

struct Picture {
  int width = 0, height = 0;
  std::vector<uint8_t> rgb;  // top-down rows, 3 bytes per pixel: R, G, B

  bool empty() const { return width <= 0 || height <= 0; }
  bool operator==(const Picture&) const = default;
};

// Pictures larger than this in either direction are refused as damaged.
constexpr int kMaxPictureSide = 16384;

// A device-independent bitmap without the 14-byte file header (header size
// 12 or 40). An empty span gives an empty picture.
Picture decodeDib(std::span<const uint8_t> bytes);
// A whole ".bmp" file ("BM" header); messages as the archive loader.
Picture decodeBitmapFile(std::span<const uint8_t> bytes);
// Reads the file then decodes it.
Picture loadBitmapFile(const std::string& path);
// A picture file by its extension: ".bmp" (any case) only; any other fails
// with "Unknown picture file extension (.%s)".
Picture loadPictureFile(const std::string& path);

}  // namespace fg
