#pragma once
// Whole-file reads of outside files, and whole-file writes that never follow
// a link someone left at the name.
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace fg {

// The most each kind of file may hold, checked before anything is allocated.
constexpr size_t kArchiveFileLimit = 256u << 20;  // a hole's pictures are the biggest
constexpr size_t kBitmapFileLimit = 64u << 20;    // skins, ball textures, loose pictures
constexpr size_t kWaveFileLimit = 64u << 20;
constexpr size_t kTextFileLimit = 16u << 20;      // scripts, manifests, scenarios

// Reads a regular file of at most `limit` bytes. A folder, pipe, device or
// socket, or a longer file, fails with "Cannot open file "<path>". <reason>";
// a pipe never makes it wait.
std::vector<uint8_t> readWholeFile(const std::string& path, size_t limit);
std::string readTextFile(const std::string& path, size_t limit);

// Writes a fresh temporary beside the target (created exclusively, never
// through a link), flushes it to disk and renames it over the target: a
// reader sees the old file or the new one, and a link planted at either name
// is replaced, not followed.
void writeFileAtomically(const std::string& path, std::span<const uint8_t> bytes);
void writeFileAtomically(const std::string& path, std::string_view text);

}  // namespace fg
