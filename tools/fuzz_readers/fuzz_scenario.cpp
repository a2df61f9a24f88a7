// An fgsim scenario: parsed, then run for at most two frames so the
// "initial" values meet the simulation. Refusals are std::runtime_error.
#include <cstddef>
#include <cstdint>
#include <sstream>
#include <stdexcept>
#include <string_view>

#include "scenario.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  try {
    fg::JsonValue doc = fg::parseJson(std::string_view(reinterpret_cast<const char*>(data), size));
    fg::Scenario sc = fg::parseScenario(doc, "/nonexistent");
    sc.frames = std::min<int64_t>(sc.frames, 2);
    std::ostringstream out;
    fg::runScenario(sc, out);
  } catch (const std::runtime_error&) {
  }
  return 0;
}
