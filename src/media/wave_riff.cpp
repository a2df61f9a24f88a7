// RIFF WAVE file images: the "Wave.WAVE" value of a wave archive and loose
// ".wav" files for the tools.
#include <cstring>

#include "media/byte_reader.h"
#include "media/error.h"
#include "media/wave_list.h"

namespace fg {

Wave decodeWave(std::span<const uint8_t> bytes) {
  Wave w;
  if (bytes.empty()) return w;
  ByteReader r(bytes);
  auto riff = r.bytes(4);
  r.u32();  // RIFF size, not checked
  auto wave = r.bytes(4);
  if (std::memcmp(riff.data(), "RIFF", 4) != 0 || std::memcmp(wave.data(), "WAVE", 4) != 0)
    throw GameError("Wave is invalid");
  // Chunks until the data ends, where an identifier reads as zero; a few
  // trailing bytes too short for a chunk header end it as well.
  while (r.remaining() >= 8) {
    auto id = r.bytes(4);
    if (id[0] == 0 && id[1] == 0 && id[2] == 0 && id[3] == 0) break;
    const uint32_t size = r.u32();
    if (std::memcmp(id.data(), "fmt ", 4) == 0) {
      if (size < 16) throw GameError("Wave is invalid");
      ByteReader f(r.bytes(size));
      w.formatTag = f.u16();
      w.channels = f.u16();
      w.sampleRate = f.u32();
      w.byteRate = f.u32();
      w.blockAlign = f.u16();
      w.bits = f.u16();
      auto extra = f.bytes(f.remaining());
      w.fmtExtra.assign(extra.begin(), extra.end());
    } else if (std::memcmp(id.data(), "data", 4) == 0) {
      auto d = r.bytes(size);
      w.data.assign(d.begin(), d.end());
    } else {
      // Skipped by exactly its stated size, with no padding byte; a size
      // past the end simply ends the wave.
      if (size > r.remaining()) break;
      r.skip(size);
    }
  }
  return w;
}

std::vector<uint8_t> encodeWave(const Wave& w) {
  ByteWriter out;
  out.text("RIFF");
  out.u32(0);
  out.text("WAVE");
  out.text("fmt ");
  out.u32(static_cast<uint32_t>(16 + w.fmtExtra.size()));
  out.u16(w.formatTag);
  out.u16(w.channels);
  out.u32(w.sampleRate);
  out.u32(w.byteRate);
  out.u16(w.blockAlign);
  out.u16(w.bits);
  out.bytes(w.fmtExtra);
  out.text("data");
  out.u32(static_cast<uint32_t>(w.data.size()));
  out.bytes(w.data);
  out.patchU32(4, static_cast<uint32_t>(out.out.size() - 8));
  return out.out;
}

Wave makePcmWave(int rate, int bits, int channels, std::vector<uint8_t> samples) {
  Wave w;
  w.formatTag = 1;
  w.channels = static_cast<uint16_t>(channels);
  w.sampleRate = static_cast<uint32_t>(rate);
  w.bits = static_cast<uint16_t>(bits);
  w.blockAlign = static_cast<uint16_t>(channels * bits / 8);
  w.byteRate = w.sampleRate * w.blockAlign;
  w.data = std::move(samples);
  return w;
}

}  // namespace fg
