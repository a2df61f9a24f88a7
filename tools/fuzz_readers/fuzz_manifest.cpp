// An fgpack manifest: parsed, and every value read the ways pack reads them.
#include <cstddef>
#include <cstdint>
#include <string>

#include "fgpack/manifest.h"
#include "media/error.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  try {
    fg::pack::Manifest m = fg::pack::parseManifest(std::string(reinterpret_cast<const char*>(data), size));
    for (const fg::pack::ManifestItem& item : m.items) {
      for (const auto& [key, value] : item.values) {
        fg::pack::textValue(item, key);
        try {
          fg::pack::integerValue(item, key, 0);
        } catch (const fg::GameError&) {
        }
        try {
          fg::pack::booleanValue(item, key, false);
        } catch (const fg::GameError&) {
        }
      }
    }
  } catch (const fg::GameError&) {
  }
  return 0;
}
