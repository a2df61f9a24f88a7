#pragma once
// The program from start to end, on whichever platform it is given.
#include <cstdint>
#include <string>

#include "media/platform.h"

namespace fg {

struct ProgramOptions {
  std::string settingsRoot;  // empty: the user's configuration folder
  std::string dataRoot;      // empty: the user's data folder (personal bests, replays)
  // A recorded round to play back instead of the launch window; the program
  // ends with it. Paced plays it at its own speed (in a window).
  std::string replayFile;
  bool replayPaced = true;
  // Pictures of the rounds played back, or recorded (for tests).
  std::string shotsFolder;
  uint32_t shotEvery = 0;
  bool recordShots = false;
};

// Creates the application and its windows in their order and runs until the
// launch window closes. Returns the process exit status.
int runProgram(Platform& platform, const ProgramOptions& options);

}  // namespace fg
