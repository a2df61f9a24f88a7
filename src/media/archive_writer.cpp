#include "media/archive_writer.h"

#include <map>

#include "media/archive_stream.h"
#include "media/byte_reader.h"
#include "media/error.h"

namespace fg {
namespace {

void writeName(ByteWriter& w, const char* name) { w.shortString(name); }

void writeInteger(ByteWriter& w, const char* name, int32_t v) {
  writeName(w, name);
  if (v >= -128 && v <= 127) {
    w.u8(kTagInt8), w.u8(static_cast<uint32_t>(v));
  } else if (v >= -32768 && v <= 32767) {
    w.u8(kTagInt16), w.u16(static_cast<uint32_t>(v));
  } else {
    w.u8(kTagInt32), w.u32(static_cast<uint32_t>(v));
  }
}

void writeBoolean(ByteWriter& w, const char* name, bool v) {
  writeName(w, name);
  w.u8(v ? kTagTrue : kTagFalse);
}

void writeText(ByteWriter& w, const char* name, const std::string& v) {
  writeName(w, name);
  if (v.size() <= 255) {
    w.u8(kTagString);
    w.shortString(v);
  } else {
    w.u8(kTagLongString);
    w.u32(static_cast<uint32_t>(v.size()));
    w.bytes({reinterpret_cast<const uint8_t*>(v.data()), v.size()});
  }
}

void writeBinary(ByteWriter& w, const char* name, std::span<const uint8_t> v) {
  writeName(w, name);
  w.u8(kTagBinary);
  w.u32(static_cast<uint32_t>(v.size()));
  w.bytes(v);
}

template <typename Fn>
std::vector<uint8_t> writeArchive(const char* className, size_t count, Fn&& writeItem) {
  ByteWriter w;
  writeResourceHeader(w, "ARCHIVE");
  const size_t start = w.out.size();
  writeRootStart(w, className, "Archive");
  writeName(w, "List");
  w.u8(kTagCollection);
  for (size_t i = 0; i < count; ++i) {
    w.u8(kTagList);
    writeItem(w, i);
    w.u8(0);
  }
  w.u8(0);  // end of the collection
  w.u8(0);  // end of the root's properties
  w.u8(0);  // no children
  w.patchU32(start - 4, static_cast<uint32_t>(w.out.size() - start));
  return w.out;
}

void checkPicture(const Picture& p) {
  if (p.width < 0 || p.height < 0 || p.width > kMaxPictureSide || p.height > kMaxPictureSide ||
      p.rgb.size() != static_cast<size_t>(p.width) * p.height * 3)
    throw GameError("Picture size does not match its pixels");
}

}  // namespace

std::vector<uint8_t> encodeDib(const Picture& p, int bitCount) {
  checkPicture(p);
  if (bitCount != 8 && bitCount != 24) throw GameError(formatMessage("Bitcount in invalid (%d)", bitCount));
  std::map<uint32_t, uint8_t> index;  // 0x00RRGGBB -> palette slot
  std::vector<uint32_t> palette;
  if (bitCount == 8) {
    for (size_t i = 0; i + 2 < p.rgb.size(); i += 3) {
      uint32_t c = (p.rgb[i] << 16) | (p.rgb[i + 1] << 8) | p.rgb[i + 2];
      if (index.count(c)) continue;
      if (palette.size() == 256) throw GameError("Picture has more than 256 colours for an 8-bit picture");
      index[c] = static_cast<uint8_t>(palette.size());
      palette.push_back(c);
    }
  }
  const size_t stride = ((static_cast<size_t>(p.width) * bitCount + 31) / 32) * 4;
  ByteWriter w;
  w.u32(40);
  w.u32(static_cast<uint32_t>(p.width));
  w.u32(static_cast<uint32_t>(p.height));
  w.u16(1);
  w.u16(static_cast<uint32_t>(bitCount));
  w.u32(0);
  w.u32(static_cast<uint32_t>(stride * p.height));
  w.u32(0), w.u32(0);
  w.u32(static_cast<uint32_t>(palette.size()));
  w.u32(0);
  for (uint32_t c : palette) w.u8(c), w.u8(c >> 8), w.u8(c >> 16), w.u8(0);
  for (int y = p.height - 1; y >= 0; --y) {
    const uint8_t* row = p.rgb.data() + static_cast<size_t>(y) * p.width * 3;
    size_t written = 0;
    for (int x = 0; x < p.width; ++x, row += 3) {
      if (bitCount == 24) {
        w.u8(row[2]), w.u8(row[1]), w.u8(row[0]);
        written += 3;
      } else {
        w.u8(index[(row[0] << 16) | (row[1] << 8) | row[2]]);
        written += 1;
      }
    }
    for (; written < stride; ++written) w.u8(0);
  }
  return w.out;
}

std::vector<uint8_t> encodeBitmapFile(const Picture& p) {
  std::vector<uint8_t> dib = encodeDib(p, 24);
  ByteWriter w;
  w.text("BM");
  w.u32(static_cast<uint32_t>(14 + dib.size()));
  w.u32(0);
  w.u32(54);
  w.bytes(dib);
  return w.out;
}

std::vector<uint8_t> writeImageArchive(const std::vector<ImageItemDesc>& items) {
  return writeArchive("TImageArchive", items.size(), [&](ByteWriter& w, size_t i) {
    const ImageItemDesc& d = items[i];
    writeText(w, "Name", d.name);
    writeInteger(w, "PatternHeight", d.patternHeight);
    writeInteger(w, "PatternWidth", d.patternWidth);
    ByteWriter data;
    data.shortString("TDIB");
    if (!d.picture.empty()) data.bytes(encodeDib(d.picture, d.bitCount));
    writeBinary(w, "Picture.Data", data.out);
    writeInteger(w, "SkipHeight", d.skipHeight);
    writeInteger(w, "SkipWidth", d.skipWidth);
    writeBoolean(w, "SystemMemory", d.systemMemory);
    writeBoolean(w, "Transparent", d.transparent);
    writeInteger(w, "TransparentColor", static_cast<int32_t>(d.transparentColor));
  });
}

std::vector<uint8_t> writeWaveArchive(const std::vector<WaveItemDesc>& items) {
  return writeArchive("TWaveArchive", items.size(), [&](ByteWriter& w, size_t i) {
    const WaveItemDesc& d = items[i];
    writeText(w, "Name", d.name);
    writeBoolean(w, "Looped", d.looped);
    writeInteger(w, "MaxPlayingCount", d.maxPlayingCount);
    std::vector<uint8_t> riff;
    if (!d.wave.empty()) riff = encodeWave(d.wave);
    writeBinary(w, "Wave.WAVE", riff);
  });
}

}  // namespace fg
