#include "launchpad_fixture.h"

#include "media/archive_writer.h"
#include "platform/avi_writer.h"

namespace fg::test {

namespace {
Wave tone(int ms, int16_t level) {
  std::vector<uint8_t> bytes;
  int n = 22050 * ms / 1000;
  for (int i = 0; i < n; ++i) {
    int16_t v = (i / 25) % 2 ? level : static_cast<int16_t>(-level);
    bytes.push_back(static_cast<uint8_t>(v & 0xFF));
    bytes.push_back(static_cast<uint8_t>((v >> 8) & 0xFF));
  }
  return makePcmWave(22050, 16, 1, bytes);
}
}  // namespace

void writeMenuSounds(const std::string& path) {
  std::vector<WaveItemDesc> items(2);
  items[0].name = "music";
  items[0].wave = tone(2000, 3000);
  items[1].name = "click";
  items[1].wave = tone(500, 8000);
  auto bytes = writeWaveArchive(items);
  writeFileAtomically(path, bytes);
}

void writeTexture(const std::string& path, uint8_t red) {
  Picture p;
  p.width = p.height = 16;
  p.rgb.assign(16 * 16 * 3, 0);
  for (size_t i = 0; i < p.rgb.size(); i += 3) p.rgb[i] = red;
  std::filesystem::create_directories(std::filesystem::path(path).parent_path());
  writeFileAtomically(path, encodeBitmapFile(p));
}

void writeSolidVideo(const std::string& path, int w, int h, int frames, uint8_t r, uint8_t g, uint8_t b,
                     bool sound) {
  // Uncompressed, so the tests can check the exact colours they get back.
  AviWriter avi(path, w, h, 10, sound ? 22050 : 0, VideoCodec::Raw);
  if (sound) {
    std::vector<int16_t> samples;
    for (int i = 0; i < 22050; ++i) samples.push_back(static_cast<int16_t>((i / 20) % 2 ? 4000 : -4000));
    avi.addAudio(samples);
  }
  Picture frame;
  frame.width = w;
  frame.height = h;
  frame.rgb.resize(static_cast<size_t>(w) * h * 3);
  for (size_t i = 0; i < frame.rgb.size(); i += 3) {
    frame.rgb[i] = r;
    frame.rgb[i + 1] = g;
    frame.rgb[i + 2] = b;
  }
  for (int f = 0; f < frames; ++f) avi.addFrame(frame);
  avi.finish();
}

}  // namespace fg::test
