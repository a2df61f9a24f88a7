#pragma once
// Writes small AVI videos with FFmpeg: uncompressed 24-bit pictures and,
// optionally, 16-bit mono sound. Tests and content tools make their intro
// videos with it instead of shipping binaries.
#include <cstdint>
#include <string>
#include <vector>

namespace fg {

struct AviContent {
  int width = 0, height = 0;
  int fps = 25;
  std::vector<std::vector<uint8_t>> frames;  // each width*height*3 bytes, R, G, B, top-down
  std::vector<int16_t> samples;              // mono; empty for a silent video
  int sampleRate = 22050;
};

// Throws GameError when the file cannot be written.
void writeAviFile(const std::string& path, const AviContent& content);

}  // namespace fg
