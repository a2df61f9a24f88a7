#pragma once
// Where the tests find their files: the tests' own folder in the source tree
// (scripts, golden pictures; the recipes sit beside it) and the build's game
// folder with the generated content. Kept out of the compile lines, so test
// objects compiled in one checkout are reused by the compiler cache in another.
#include <string>

namespace fg::test {

const std::string& testDataDir();
const std::string& gameDir();  // ends in '/', as the game takes its folder

}  // namespace fg::test
