#pragma once
// The program from start to end, on whichever platform it is given.
#include <string>

#include "platform/platform.h"

namespace fg {

struct ProgramOptions {
  std::string settingsRoot;  // empty: the user's configuration folder
  std::string dataRoot;      // empty: the user's data folder (personal bests)
};

// Creates the application and its windows in their order and runs until the
// launch window closes. Returns the process exit status.
int runProgram(Platform& platform, const ProgramOptions& options);

}  // namespace fg
