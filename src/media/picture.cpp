// Bitmap decoding: the device-independent bitmap variants that archives and
// loose ".bmp" files carry, turned into top-down 24-bit pictures.
#include "media/picture.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <cstdlib>
#include <filesystem>

#include "media/byte_reader.h"
#include "media/error.h"
#include "media/file_io.h"

namespace fg {
namespace {

constexpr const char* kDibInvalid = "DIB is invalid";

struct DibHeader {
  int64_t width = 0, height = 0;  // height negative for top-down rows
  int bits = 0;
  uint32_t compression = 0;
  uint32_t colorsUsed = 0;
  int paletteEntrySize = 4;
  uint32_t masks[3] = {0, 0, 0};
};

using Palette = std::array<std::array<uint8_t, 3>, 256>;  // R, G, B

DibHeader readHeader(ByteReader& r) {
  DibHeader h;
  if (r.remaining() < 4) throw GameError(kDibInvalid);
  uint32_t size = r.u32();
  if (size != 12 && size != 40) throw GameError(kDibInvalid);
  if (r.remaining() < size - 4) throw GameError(kDibInvalid);
  if (size == 12) {
    h.width = r.u16();
    h.height = r.u16();
    r.u16();  // planes
    h.bits = r.u16();
    h.paletteEntrySize = 3;
  } else {
    h.width = r.i32();
    h.height = r.i32();
    r.u16();  // planes
    h.bits = r.u16();
    h.compression = r.u32();
    r.skip(12);  // image size, resolution
    h.colorsUsed = r.u32();
    r.u32();  // important colours
  }
  if (h.bits != 1 && h.bits != 4 && h.bits != 8 && h.bits != 16 && h.bits != 24 && h.bits != 32)
    throw GameError(formatMessage("Bitcount in invalid (%d)", h.bits));
  bool compressionFits = h.compression == 0 || (h.compression == 1 && h.bits == 8) ||
                         (h.compression == 2 && h.bits == 4) ||
                         (h.compression == 3 && (h.bits == 16 || h.bits == 32));
  if (!compressionFits) throw GameError(kDibInvalid);
  if (h.compression == 3) {
    if (r.remaining() < 12) throw GameError(kDibInvalid);
    for (auto& m : h.masks) m = r.u32();
  }
  if (h.bits == 16 && h.compression == 3) {
    bool ok = (h.masks[0] == 0x7C00 && h.masks[1] == 0x03E0 && h.masks[2] == 0x001F) ||
              (h.masks[0] == 0xF800 && h.masks[1] == 0x07E0 && h.masks[2] == 0x001F);
    if (!ok) throw GameError("PixelFormat in invalid");
  }
  if (h.bits == 32 && h.compression == 3) {
    if (h.masks[0] != 0xFF0000 || h.masks[1] != 0xFF00 || h.masks[2] != 0xFF)
      throw GameError("PixelFormat in invalid");
  }
  int64_t absHeight = h.height < 0 ? -h.height : h.height;
  if (h.width < 0 || h.width > kMaxPictureSide || absHeight > kMaxPictureSide)
    throw GameError(kDibInvalid);
  // Run-length pictures are stored bottom-up only.
  if (h.height < 0 && (h.compression == 1 || h.compression == 2)) throw GameError(kDibInvalid);
  return h;
}

Palette readPalette(ByteReader& r, const DibHeader& h) {
  Palette pal{};
  uint32_t count = h.colorsUsed;
  if (count == 0 && h.bits <= 8) count = 1u << h.bits;
  if (count > 256) count = 256;
  for (uint32_t i = 0; i < count; ++i) {
    auto e = r.bytes(h.paletteEntrySize);
    pal[i] = {e[2], e[1], e[0]};
  }
  return pal;
}

// Plain rows: 1/4/8-bit indices or 16/24/32-bit colours.
void decodeRows(ByteReader& r, const DibHeader& h, const Palette& pal, Picture& p) {
  const size_t stride = ((static_cast<size_t>(p.width) * h.bits + 31) / 32) * 4;
  r.need(stride * static_cast<size_t>(p.height));
  p.rgb.assign(static_cast<size_t>(p.width) * p.height * 3, 0);
  const bool is555 = h.bits == 16 && !(h.compression == 3 && h.masks[0] == 0xF800);
  for (int row = 0; row < p.height; ++row) {
    auto src = r.bytes(stride);
    int y = h.height > 0 ? p.height - 1 - row : row;
    uint8_t* out = p.rgb.data() + static_cast<size_t>(y) * p.width * 3;
    for (int x = 0; x < p.width; ++x, out += 3) {
      switch (h.bits) {
        case 1: {
          auto& c = pal[(src[x >> 3] >> (7 - (x & 7))) & 1];
          out[0] = c[0], out[1] = c[1], out[2] = c[2];
          break;
        }
        case 4: {
          auto& c = pal[(src[x >> 1] >> ((x & 1) ? 0 : 4)) & 15];
          out[0] = c[0], out[1] = c[1], out[2] = c[2];
          break;
        }
        case 8: {
          auto& c = pal[src[x]];
          out[0] = c[0], out[1] = c[1], out[2] = c[2];
          break;
        }
        case 16: {
          uint32_t v = src[2 * x] | (src[2 * x + 1] << 8);
          if (is555) {
            out[0] = static_cast<uint8_t>(((v >> 10) & 31) << 3);
            out[1] = static_cast<uint8_t>(((v >> 5) & 31) << 3);
          } else {
            out[0] = static_cast<uint8_t>(((v >> 11) & 31) << 3);
            out[1] = static_cast<uint8_t>(((v >> 5) & 63) << 2);
          }
          out[2] = static_cast<uint8_t>((v & 31) << 3);
          break;
        }
        case 24:
          out[0] = src[3 * x + 2], out[1] = src[3 * x + 1], out[2] = src[3 * x];
          break;
        default:
          out[0] = src[4 * x + 2], out[1] = src[4 * x + 1], out[2] = src[4 * x];
          break;
      }
    }
  }
}

// Run-length coded 8-bit (rle4 false) or 4-bit indices, bottom-up. Pixels the
// runs never reach keep palette index 0; data that ends without an
// end-of-bitmap mark simply ends the picture.
void decodeRunLength(ByteReader& r, bool rle4, const Palette& pal, Picture& p) {
  const int64_t w = p.width, h = p.height;
  std::vector<uint8_t> idx(static_cast<size_t>(w * h), 0);
  int64_t x = 0, y = 0;
  auto put = [&](uint8_t v) {
    if (x < w && y < h) idx[static_cast<size_t>((h - 1 - y) * w + x)] = v;
    if (x <= w) ++x;
  };
  while (r.remaining() >= 2 && y < h) {
    uint8_t n = r.u8(), c = r.u8();
    if (n > 0) {
      for (int i = 0; i < n; ++i) put(rle4 ? ((i & 1) ? (c & 15) : (c >> 4)) : c);
      continue;
    }
    if (c == 0) {
      x = 0, ++y;
    } else if (c == 1) {
      break;
    } else if (c == 2) {
      if (r.remaining() < 2) break;
      x = std::min<int64_t>(x + r.u8(), w + 1);
      y += r.u8();
    } else {
      size_t bytes = rle4 ? (c + 1u) / 2 : c;
      size_t padded = bytes + (bytes & 1);
      if (r.remaining() < padded) break;
      auto src = r.bytes(padded);
      for (int i = 0; i < c; ++i) put(rle4 ? ((i & 1) ? (src[i / 2] & 15) : (src[i / 2] >> 4)) : src[i]);
    }
  }
  p.rgb.resize(idx.size() * 3);
  for (size_t i = 0; i < idx.size(); ++i) {
    auto& col = pal[idx[i]];
    p.rgb[3 * i] = col[0], p.rgb[3 * i + 1] = col[1], p.rgb[3 * i + 2] = col[2];
  }
}

// `pixelOffset` is where the pixel rows start when a file header says so
// (0: right after the palette).
Picture decodeDibAt(std::span<const uint8_t> bytes, size_t pixelOffset) {
  if (bytes.empty()) return {};
  ByteReader r(bytes);
  DibHeader h = readHeader(r);
  Palette pal = readPalette(r, h);
  if (pixelOffset > r.position() && pixelOffset <= r.size()) r.seek(pixelOffset);
  Picture p;
  p.width = static_cast<int>(h.width);
  p.height = static_cast<int>(h.height < 0 ? -h.height : h.height);
  if (p.width == 0 || p.height == 0) return {};
  if (h.compression == 1 || h.compression == 2) {
    // A run can cover at most 255 pixels per two bytes and a jump can skip
    // far more, so bound the picture by the data that is really there.
    uint64_t pixels = static_cast<uint64_t>(p.width) * p.height;
    if (pixels > (static_cast<uint64_t>(r.remaining()) + 16) * 1024) throw GameError(kDibInvalid);
    decodeRunLength(r, h.compression == 2, pal, p);
  } else {
    decodeRows(r, h, pal, p);
  }
  return p;
}

}  // namespace

Picture decodeDib(std::span<const uint8_t> bytes) { return decodeDibAt(bytes, 0); }

Picture decodeBitmapFile(std::span<const uint8_t> bytes) {
  if (bytes.empty()) return {};
  if (bytes.size() < 2 || bytes[0] != 'B' || bytes[1] != 'M') throw GameError("Bitmap image is not valid");
  ByteReader r(bytes);
  r.skip(10);
  uint32_t offBits = r.u32();
  size_t pixelOffset = offBits >= 14 ? offBits - 14 : 0;
  return decodeDibAt(bytes.subspan(14), pixelOffset);
}

Picture loadBitmapFile(const std::string& path) {
  std::vector<uint8_t> bytes = readWholeFile(path, kBitmapFileLimit);
  return decodeBitmapFile(bytes);
}

Picture loadPictureFile(const std::string& path) {
  std::string ext = std::filesystem::path(path).extension().string();
  if (!ext.empty()) ext.erase(0, 1);
  std::string lower = ext;
  for (char& c : lower) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  if (lower != "bmp") throw GameError(formatMessage("Unknown picture file extension (.%s)", ext.c_str()));
  return loadBitmapFile(path);
}

}  // namespace fg
