#pragma once
// Names of the virtual keys, for input scripts.
#include <string>

namespace fg {

// "F1", "ESCAPE", "SPACE", "LEFT", "A", "7" … (case-insensitive); 0 when unknown.
int keyFromName(const std::string& name);

}  // namespace fg
