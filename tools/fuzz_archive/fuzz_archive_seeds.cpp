// Writes a small seed corpus for fuzz_archive into the folder given: valid
// image and wave archives, a bitmap file and a wave file, each prefixed with
// the byte that selects its reader. A second folder, when given, gets plain
// RIFF waves for fuzz_wave_riff.
#include <cstdio>
#include <string>
#include <vector>

#include "media/archive_writer.h"
#include "media/file_io.h"

namespace {

fg::Picture picture(int w, int h) {
  fg::Picture p;
  p.width = w, p.height = h;
  for (int i = 0; i < w * h; ++i) p.rgb.insert(p.rgb.end(), {uint8_t(i * 3), uint8_t(i * 5), uint8_t(i & 1 ? 0 : 255)});
  return p;
}

void seed(const std::string& dir, const char* name, uint8_t selector, const std::vector<uint8_t>& bytes) {
  std::vector<uint8_t> out{selector};
  out.insert(out.end(), bytes.begin(), bytes.end());
  fg::writeFileAtomically(dir + "/" + name, out);
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2 && argc != 3) {
    std::fprintf(stderr, "usage: fuzz_archive_seeds DIR [RIFF_DIR]\n");
    return 2;
  }
  const std::string dir = argv[1];
  fg::ImageItemDesc a;
  a.name = "tiles";
  a.picture = picture(12, 6);
  a.patternWidth = 4, a.patternHeight = 3, a.skipWidth = 1;
  fg::ImageItemDesc b = a;
  b.bitCount = 8;
  b.transparent = false;
  seed(dir, "image.bin", 0, fg::writeImageArchive({a, b, fg::ImageItemDesc{}}));
  fg::WaveItemDesc w;
  w.name = "click";
  w.maxPlayingCount = 2;
  w.wave = fg::makePcmWave(22050, 16, 1, {1, 2, 3, 4, 5, 6});
  seed(dir, "wave.bin", 1, fg::writeWaveArchive({w, fg::WaveItemDesc{}}));
  seed(dir, "bitmap.bin", 2, fg::encodeBitmapFile(picture(5, 3)));
  seed(dir, "riff.bin", 3, fg::encodeWave(w.wave));
  if (argc == 3) {
    fg::writeFileAtomically(std::string(argv[2]) + "/mono16.wav", fg::encodeWave(w.wave));
    fg::writeFileAtomically(std::string(argv[2]) + "/stereo8.wav",
                            fg::encodeWave(fg::makePcmWave(11025, 8, 2, {128, 130, 126, 120, 1})));
  }
  return 0;
}
