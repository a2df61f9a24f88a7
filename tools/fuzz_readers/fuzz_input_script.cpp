// A headless input script: refused with a line number, or parsed.
#include <cstddef>
#include <cstdint>
#include <string>

#include "media/error.h"
#include "platform/headless_platform.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string text(reinterpret_cast<const char*>(data), size);
  fg::scriptStepMs(text, 10);
  try {
    fg::parseInputScript(text);
  } catch (const fg::GameError&) {
  }
  return 0;
}
