// One stored settings value file, as any bytes.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "frontend/registry_store.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  int32_t value = 0;
  fg::parseStoredValue(std::string_view(reinterpret_cast<const char*>(data), size), value);
  return 0;
}
