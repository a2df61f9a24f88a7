#pragma once
#include <string>

namespace fg {

// The folder of the running executable, with a trailing '/'. Every game file
// is looked up there, never in the current directory.
std::string exeDir();
// Tests and tools point the game at another folder.
void setExeDirOverride(const std::string& dir);

}  // namespace fg
