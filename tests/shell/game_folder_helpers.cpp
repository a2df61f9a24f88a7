#include "shell/game_folder_helpers.h"

#include <filesystem>
#include <fstream>

#include "media/archive_writer.h"
#include "media/file_io.h"

namespace fg::testing {

namespace {

Picture solid(int w, int h, uint8_t r, uint8_t g, uint8_t b) {
  Picture p;
  p.width = w;
  p.height = h;
  p.rgb.resize(static_cast<size_t>(w) * h * 3);
  for (size_t i = 0; i < p.rgb.size(); i += 3) {
    p.rgb[i] = r;
    p.rgb[i + 1] = g;
    p.rgb[i + 2] = b;
  }
  return p;
}

ImageItemDesc item(Picture p, int pw = 0, int ph = 0) {
  ImageItemDesc d;
  d.picture = std::move(p);
  d.patternWidth = pw;
  d.patternHeight = ph;
  return d;
}

void save(const std::string& path, const std::vector<uint8_t>& bytes) { writeFileAtomically(path, bytes); }

std::vector<WaveItemDesc> shortWaves(int n) {
  std::vector<WaveItemDesc> waves;
  for (int i = 0; i < n; ++i) {
    WaveItemDesc w;
    w.wave = makePcmWave(22050, 8, 1, std::vector<uint8_t>(220, 128));
    waves.push_back(std::move(w));
  }
  return waves;
}

}  // namespace

std::string makeGameFolder(const std::string& dir, const std::vector<TestHole>& holes) {
  std::filesystem::create_directories(dir);
  std::string d = dir.back() == '/' ? dir : dir + "/";
  std::vector<ImageItemDesc> menu{item(solid(8, 8, 200, 200, 200)), item(solid(64, 32, 40, 80, 200)),
                                  item(solid(320, 200, 10, 120, 10)), item(solid(320, 200, 120, 10, 10))};
  save(d + "menu.dxg", writeImageArchive(menu));
  std::vector<ImageItemDesc> gui;
  for (int i = 0; i < 18; ++i) gui.push_back(item(solid(16, 16, 255, 255, 255)));
  save(d + "gui.dxg", writeImageArchive(gui));
  save(d + "sound.dxw", writeWaveArchive(shortWaves(22)));
  for (const TestHole& h : holes) {
    std::vector<ImageItemDesc> course;
    course.push_back(item(solid(h.width, h.height, 30, 140, 40)));
    for (int i = 1; i < 17; ++i) course.push_back(item(solid(24, 24, 250, 250, 0), 24, 24));
    course[12] = item(solid(200, 100, 250, 200, 0));
    save(d + h.name + ".dxg", writeImageArchive(course));
    save(d + h.name + ".dxw", writeWaveArchive(shortWaves(2)));
    if (!h.holeText.empty()) std::ofstream(d + h.name + ".hole") << h.holeText;
  }
  return d;
}

}  // namespace fg::testing
