// A RIFF WAVE image as the wave archives and fgpack hold them: decoded, and
// what decodes is encoded again and must decode to the same wave.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <span>

#include "media/archive_writer.h"
#include "media/error.h"
#include "media/wave_list.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  try {
    fg::Wave w = fg::decodeWave(std::span(data, size));
    if (!w.empty() && !(fg::decodeWave(fg::encodeWave(w)) == w)) std::abort();
  } catch (const fg::GameError&) {
  }
  return 0;
}
