#pragma once
// The recorded rounds in the data folder's "replays": the last 20 rounds stay,
// and so does every round that was its player's best finished course when it
// was played. File names start with the date and time, so they sort by age.
#include <string>
#include <vector>

#include "shell/replay_file.h"

namespace fg {

constexpr size_t kKeptRounds = 20;

// `dataFolder` empty means the user's data folder. Returns the replays folder.
std::string replayFolder(const std::string& dataFolder = {});
// Saves a round as "<date>-<time>-round.replay", or "…-best.replay" when it is
// a new best; then removes the oldest plain rounds beyond the last 20.
// Returns the path written; throws GameError when it cannot be written.
std::string saveRound(const Replay& r, const std::string& folder);
// The replays in the folder, oldest first (full paths).
std::vector<std::string> listRounds(const std::string& folder);
// Reads a replay file (size-checked) and parses it.
Replay loadRound(const std::string& path);

}  // namespace fg
