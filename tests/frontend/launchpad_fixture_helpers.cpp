#include "launchpad_fixture.h"

#include "media/archive_writer.h"
#include "platform/ffmpeg_avi_writer.h"

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
  AviContent c;
  c.width = w;
  c.height = h;
  c.fps = 10;
  std::vector<uint8_t> rgb(static_cast<size_t>(w) * h * 3);
  for (size_t i = 0; i < rgb.size(); i += 3) {
    rgb[i] = r;
    rgb[i + 1] = g;
    rgb[i + 2] = b;
  }
  c.frames.assign(static_cast<size_t>(frames), rgb);
  if (sound) {
    c.sampleRate = 22050;
    for (int i = 0; i < 22050; ++i) c.samples.push_back(static_cast<int16_t>((i / 20) % 2 ? 4000 : -4000));
  }
  writeAviFile(path, c);
}

}  // namespace fg::test
