#pragma once
// Small builders for the media tests: pictures, hand-made bitmaps and
// archives with arbitrary property records (for damaged files).
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "media/archive_stream.h"
#include "media/byte_reader.h"
#include "media/picture.h"

namespace fg::test {

// A picture whose pixel (x, y) is fn(x, y) as 0x00RRGGBB.
inline Picture makePicture(int w, int h, const std::function<uint32_t(int, int)>& fn) {
  Picture p;
  p.width = w;
  p.height = h;
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) {
      uint32_t c = fn(x, y);
      p.rgb.push_back(static_cast<uint8_t>(c >> 16));
      p.rgb.push_back(static_cast<uint8_t>(c >> 8));
      p.rgb.push_back(static_cast<uint8_t>(c));
    }
  return p;
}

inline uint32_t rgbAt(const Picture& p, int x, int y) {
  const uint8_t* q = p.rgb.data() + (static_cast<size_t>(y) * p.width + x) * 3;
  return (q[0] << 16) | (q[1] << 8) | q[2];
}

// A 40-byte bitmap header.
inline void infoHeader(ByteWriter& w, int32_t width, int32_t height, int bits, uint32_t compression,
                       uint32_t colorsUsed) {
  w.u32(40);
  w.u32(static_cast<uint32_t>(width));
  w.u32(static_cast<uint32_t>(height));
  w.u16(1);
  w.u16(static_cast<uint32_t>(bits));
  w.u32(compression);
  w.u32(0), w.u32(0), w.u32(0);
  w.u32(colorsUsed);
  w.u32(0);
}

// Builds a component stream by hand: the caller writes the root's property
// records between the start and the end.
class ArchiveBuilder {
 public:
  ByteWriter w;
  ArchiveBuilder() {
    writeResourceHeader(w, "TEST");
    writeRootStart(w, "TSomeList", "Root");
  }
  ArchiveBuilder& name(const std::string& n) {
    w.shortString(n);
    return *this;
  }
  ArchiveBuilder& tag(uint8_t t) {
    w.u8(t);
    return *this;
  }
  ArchiveBuilder& int8(int v) {
    w.u8(kTagInt8), w.u8(static_cast<uint32_t>(v));
    return *this;
  }
  ArchiveBuilder& int32(int32_t v) {
    w.u8(kTagInt32), w.u32(static_cast<uint32_t>(v));
    return *this;
  }
  ArchiveBuilder& boolean(bool v) { return tag(v ? kTagTrue : kTagFalse); }
  ArchiveBuilder& text(const std::string& s) {
    w.u8(kTagString), w.shortString(s);
    return *this;
  }
  ArchiveBuilder& binary(const std::vector<uint8_t>& b) {
    w.u8(kTagBinary), w.u32(static_cast<uint32_t>(b.size())), w.bytes(b);
    return *this;
  }
  ArchiveBuilder& end() { return tag(0); }
  std::vector<uint8_t> finish() {
    end();  // root properties
    end();  // children
    return w.out;
  }
};

// "Picture.Data" bytes of class TDIB holding `dib`.
inline std::vector<uint8_t> tdib(const std::vector<uint8_t>& dib) {
  ByteWriter w;
  w.shortString("TDIB");
  w.bytes(dib);
  return w.out;
}

}  // namespace fg::test
