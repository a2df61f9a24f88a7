#include "build_holes.h"

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <future>

#include "contact_sheet.h"
#include "media/archive_writer.h"
#include "media/error.h"
#include "platform/png_file.h"
#include "sounds.h"
#include "sprites.h"

namespace fg {
namespace {

SheetEntry buildOne(const std::string& file, const std::string& out) {
  HoleSource h = loadHoleSource(file);
  if (std::filesystem::path(file).stem().string() != h.name)
    throw GameError(file + ": file name and hole name differ");
  CoursePictures pics = paintCourse(h);
  std::string base = (std::filesystem::path(out) / h.name).string();
  std::string hole = holeFileText(h);
  writeFileAtomically(base + ".hole", std::span(reinterpret_cast<const uint8_t*>(hole.data()), hole.size()));
  writeFileAtomically(base + ".dxg", writeImageArchive(holeImages(h, pics)));
  writeFileAtomically(base + ".dxw", writeWaveArchive(holeSounds(h.ambience)));
  // Full-size pictures for a designer's eye, only when asked for.
  if (const char* dir = std::getenv("FGCOURSE_PREVIEW"))
    writePngFile((std::filesystem::path(dir) / (h.name + ".png")).string(), pics.course);
  return {h.name, std::move(pics)};
}

}  // namespace

int buildHoles(const std::string& src, const std::string& out, const std::string& sheet) {
  std::vector<std::string> files;
  for (const auto& e : std::filesystem::directory_iterator(src))
    if (e.path().extension() == ".txt") files.push_back(e.path().string());
  std::sort(files.begin(), files.end());
  std::filesystem::create_directories(out);
  // Two at a time: the machines that build this have two cores.
  std::vector<SheetEntry> entries(files.size());
  for (size_t i = 0; i < files.size(); i += 2) {
    auto second = i + 1 < files.size() ? std::async(std::launch::async, buildOne, files[i + 1], out)
                                       : std::future<SheetEntry>();
    entries[i] = buildOne(files[i], out);
    if (second.valid()) entries[i + 1] = second.get();
  }
  if (!sheet.empty()) writeContactSheet(entries, sheet);
  return static_cast<int>(files.size());
}

}  // namespace fg
