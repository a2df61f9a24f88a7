#pragma once
#include <string>

namespace fg {

// The folder of the running executable, with a trailing '/'. Every game file
// is looked up there, never in the current directory.
std::string exeDir();
// The game's files for a program in `programDir` (trailing '/'): that folder
// itself, or <programDir>/../share/fairglade/ when the game is installed and
// only that one holds them.
std::string gameFolderFor(const std::string& programDir);
// Tests and tools point the game at another folder.
void setExeDirOverride(const std::string& dir);

}  // namespace fg
