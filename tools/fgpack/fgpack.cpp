#include "fgpack.h"

#include <cstdio>
#include <filesystem>
#include <algorithm>
#include <functional>
#include <set>
#include <sstream>

#include "json_out.h"
#include "manifest.h"
#include "media/archive_writer.h"
#include "media/error.h"
#include "media/file_io.h"
#include "media/image_list.h"
#include "media/wave_list.h"
#include "platform/png_file.h"

namespace fg::pack {
namespace {

namespace fs = std::filesystem;

// Listing every pattern of a finely cut huge picture would be absurd.
constexpr int kMaxListedRects = 100000;
// A manifest line per property: thousands of items fit well within this.
constexpr size_t kManifestFileLimit = 4u << 20;

std::string boolText(bool v) { return v ? "true" : "false"; }

std::string imageItemJson(const PictureItem& item) {
  std::ostringstream o;
  const PictureItem::Grid g = item.patternGrid();
  o << "{\"name\": " << jsonString(item.name) << ", \"width\": " << item.width() << ", \"height\": " << item.height()
    << ", \"pattern_width\": " << item.patternWidth << ", \"pattern_height\": " << item.patternHeight
    << ", \"skip_width\": " << item.skipWidth << ", \"skip_height\": " << item.skipHeight
    << ", \"transparent\": " << boolText(item.transparent) << ", \"transparent_color\": " << item.transparentColor
    << ", \"system_memory\": " << boolText(item.systemMemory) << ", \"pattern_count\": " << g.count()
    << ", \"pattern_rects\": [";
  const int shown = std::min(g.count(), kMaxListedRects);
  for (int i = 0; i < shown; ++i) {
    const int r = i / g.columns, c = i % g.columns;
    o << (i ? ", " : "") << "[" << c * g.stepX << ", " << r * g.stepY << ", " << item.width() << ", "
      << item.height() << "]";
  }
  o << "]";
  if (shown < g.count()) o << ", \"pattern_rects_truncated\": true";
  o << ", \"picture\": {\"empty\": " << boolText(item.picture.empty()) << ", \"width\": " << item.picture.width
    << ", \"height\": " << item.picture.height << "}}";
  return o.str();
}

std::string waveItemJson(const WaveItem& item) {
  std::ostringstream o;
  const Wave& w = item.wave;
  o << "{\"name\": " << jsonString(item.name) << ", \"looped\": " << boolText(item.looped())
    << ", \"max_playing_count\": " << item.maxPlayingCount() << ", \"wave\": ";
  if (w.empty()) {
    o << "{\"empty\": true}}";
  } else {
    o << "{\"empty\": false, \"format_tag\": " << w.formatTag << ", \"channels\": " << w.channels
      << ", \"sample_rate\": " << w.sampleRate << ", \"byte_rate\": " << w.byteRate
      << ", \"block_align\": " << w.blockAlign << ", \"bits\": " << w.bits << ", \"data_bytes\": " << w.data.size()
      << "}}";
  }
  return o.str();
}

// Loads into the list; returns the fault message, empty when the load worked.
template <typename List>
std::string loadInto(List& list, const std::vector<uint8_t>& bytes) {
  try {
    list.loadFromMemory(bytes);
  } catch (const GameError& e) {
    return e.what();
  }
  return "";
}

std::string oneLine(std::string s) {
  for (char& c : s)
    if (c == '\n' || c == '\r') c = ' ';
  return s;
}

}  // namespace

ArchiveKind kindFromPath(const std::string& path) {
  std::string ext = fs::path(path).extension().string();
  for (char& c : ext) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return ext == ".dxw" ? ArchiveKind::Wave : ArchiveKind::Image;
}

std::string fileStem(int index, const std::string& name) {
  char buf[16];
  std::snprintf(buf, sizeof buf, "%03d", index);
  std::string clean;
  for (unsigned char c : name) {
    if (clean.size() >= 48) break;
    clean += (std::isalnum(c) || c == '-' || c == '_' || c == '.') ? static_cast<char>(c) : '_';
  }
  // No leading or trailing dots: nothing like "..", nothing hidden.
  while (!clean.empty() && clean.front() == '.') clean.erase(clean.begin());
  while (!clean.empty() && clean.back() == '.') clean.pop_back();
  return clean.empty() ? buf : std::string(buf) + "_" + clean;
}

std::string listArchive(const std::string& path, std::string& fault) {
  std::vector<uint8_t> bytes;
  try {
    bytes = readWholeFile(path, kArchiveFileLimit);
  } catch (const GameError& e) {
    fault = e.what();  // listed as an archive with no items
  }
  std::string items;
  if (kindFromPath(path) == ArchiveKind::Wave) {
    WaveList list;
    if (fault.empty()) fault = loadInto(list, bytes);
    for (int i = 0; i < list.count(); ++i) items += (i ? ", " : "") + waveItemJson(list.item(i));
    return "{\"archive\": \"wave\", \"items\": [" + items + "]}";
  }
  ImageList list;
  if (fault.empty()) fault = loadInto(list, bytes);
  for (int i = 0; i < list.count(); ++i) items += (i ? ", " : "") + imageItemJson(list.item(i));
  return "{\"archive\": \"image\", \"items\": [" + items + "]}";
}

void extractArchive(const std::string& path, const std::string& dir) {
  std::vector<uint8_t> bytes = readWholeFile(path, kArchiveFileLimit);
  fs::create_directories(dir);
  const fs::path base(dir);
  std::ostringstream manifest;
  manifest << "# fgpack manifest for " << oneLine(fs::path(path).filename().string()) << "\n";
  std::string fault;
  if (kindFromPath(path) == ArchiveKind::Wave) {
    WaveList list;
    fault = loadInto(list, bytes);
    manifest << "archive = wave\n";
    for (int i = 0; i < list.count(); ++i) {
      const WaveItem& item = list.item(i);
      manifest << "\n[item]\nname = " << oneLine(item.name) << "\nlooped = " << boolText(item.looped())
               << "\nmax_playing_count = " << item.maxPlayingCount() << "\n";
      if (item.wave.empty()) continue;
      std::string file = fileStem(i, item.name) + ".wav";
      writeFileAtomically((base / file).string(), encodeWave(item.wave));
      manifest << "wave = " << file << "\n";
    }
  } else {
    ImageList list;
    fault = loadInto(list, bytes);
    manifest << "archive = image\n";
    for (int i = 0; i < list.count(); ++i) {
      const PictureItem& item = list.item(i);
      char color[16];
      std::snprintf(color, sizeof color, "0x%08X", item.transparentColor);
      manifest << "\n[item]\nname = " << oneLine(item.name) << "\npattern_width = " << item.patternWidth
               << "\npattern_height = " << item.patternHeight << "\nskip_width = " << item.skipWidth
               << "\nskip_height = " << item.skipHeight << "\nsystem_memory = " << boolText(item.systemMemory)
               << "\ntransparent = " << boolText(item.transparent) << "\ntransparent_color = " << color << "\n";
      if (item.picture.empty()) continue;
      std::string file = fileStem(i, item.name) + ".png";
      writePngFile((base / file).string(), item.picture);
      manifest << "picture = " << file << "\n";
    }
  }
  std::string text = manifest.str();
  writeFileAtomically((base / "manifest.txt").string(), text);
  if (!fault.empty()) throw GameError(fault);
}

namespace {

void checkKeys(const ManifestItem& item, const std::set<std::string>& known) {
  for (const auto& [key, value] : item.values)
    if (!known.count(key))
      throw GameError("manifest line " + std::to_string(item.line) + ": unknown key \"" + key + "\"");
}

// A value outside the range the archive stores is refused, never cut to fit.
int64_t rangedValue(const ManifestItem& item, const std::string& key, int64_t fallback, int64_t lo, int64_t hi) {
  long long v = integerValue(item, key, fallback);
  if (v < lo || v > hi)
    throw GameError("manifest line " + std::to_string(item.line) + ": \"" + key + "\" out of range");
  return v;
}

int32_t int32Value(const ManifestItem& item, const std::string& key) {
  return static_cast<int32_t>(rangedValue(item, key, 0, INT32_MIN, INT32_MAX));
}

// Files named in a manifest are read from its folder (links resolved) unless
// the caller allows any path.
fs::path fileInFolder(const fs::path& folder, const ManifestItem& item, const std::string& key, bool anyPath) {
  const fs::path file = folder / textValue(item, key);
  if (anyPath) return file;
  std::error_code ec;
  const fs::path root = fs::weakly_canonical(folder.empty() ? fs::path(".") : folder, ec);
  const fs::path real = fs::weakly_canonical(file, ec);
  auto [rootEnd, realAt] = std::mismatch(root.begin(), root.end(), real.begin(), real.end());
  if (ec || rootEnd != root.end() || realAt == real.end())
    throw GameError("manifest line " + std::to_string(item.line) + ": \"" + key +
                    "\" names a file outside the manifest's folder");
  return file;
}

Picture readPicture(const fs::path& file) {
  std::string ext = file.extension().string();
  for (char& c : ext) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  if (ext == ".bmp") return loadBitmapFile(file.string());
  return readPngFile(file.string());
}

}  // namespace

void packArchive(const std::string& manifestPath, const std::string& outPath, bool anyPath) {
  Manifest m = parseManifest(readTextFile(manifestPath, kManifestFileLimit));
  const fs::path base = fs::path(manifestPath).parent_path();
  std::vector<uint8_t> bytes;
  if (m.archive == "wave") {
    std::vector<WaveItemDesc> items;
    for (const ManifestItem& it : m.items) {
      checkKeys(it, {"name", "looped", "max_playing_count", "wave"});
      WaveItemDesc d;
      d.name = textValue(it, "name");
      d.looped = booleanValue(it, "looped", false);
      d.maxPlayingCount = static_cast<int32_t>(rangedValue(it, "max_playing_count", 0, 0, INT32_MAX));
      if (!textValue(it, "wave").empty())
        d.wave = decodeWave(readWholeFile(fileInFolder(base, it, "wave", anyPath).string(), kWaveFileLimit));
      items.push_back(std::move(d));
    }
    bytes = writeWaveArchive(items);
  } else {
    std::vector<ImageItemDesc> items;
    for (const ManifestItem& it : m.items) {
      checkKeys(it, {"name", "pattern_width", "pattern_height", "skip_width", "skip_height", "system_memory",
                     "transparent", "transparent_color", "bit_count", "picture"});
      ImageItemDesc d;
      d.name = textValue(it, "name");
      d.patternWidth = int32Value(it, "pattern_width");
      d.patternHeight = int32Value(it, "pattern_height");
      d.skipWidth = int32Value(it, "skip_width");
      d.skipHeight = int32Value(it, "skip_height");
      d.systemMemory = booleanValue(it, "system_memory", false);
      d.transparent = booleanValue(it, "transparent", true);
      d.transparentColor = static_cast<uint32_t>(rangedValue(it, "transparent_color", 0, 0, UINT32_MAX));
      d.bitCount = static_cast<int>(rangedValue(it, "bit_count", 24, 8, 24));
      if (d.bitCount != 8 && d.bitCount != 24)
        throw GameError("manifest line " + std::to_string(it.line) + ": \"bit_count\" must be 8 or 24");
      if (!textValue(it, "picture").empty()) d.picture = readPicture(fileInFolder(base, it, "picture", anyPath));
      items.push_back(std::move(d));
    }
    bytes = writeImageArchive(items);
  }
  writeFileAtomically(outPath, bytes);
}

}  // namespace fg::pack
