#pragma once
// Names of the virtual keys, for input scripts.
#include <string>

namespace fg {

// "F1", "ESCAPE", "SPACE", "LEFT", "A", "7" … (case-insensitive); 0 when unknown.
int keyFromName(const std::string& name);
// The name keyFromName() reads back: "F1", "A" …, or "#123" for a key without one.
std::string keyName(int key);

}  // namespace fg
