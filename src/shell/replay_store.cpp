#include "shell/replay_store.h"

#include <algorithm>
#include <ctime>
#include <filesystem>
#include <sstream>

#include "frontend/user_folders.h"
#include "media/error.h"
#include "media/file_io.h"

namespace fg {

namespace {

namespace fs = std::filesystem;

bool endsWith(const std::string& s, const std::string& tail) {
  return s.size() >= tail.size() && s.compare(s.size() - tail.size(), tail.size(), tail) == 0;
}

// A finished course outside training, worth comparing.
bool countsAsBest(const Replay& r) { return !r.training && r.result.finished && r.result.hole == "done"; }

bool beatsEveryBest(const Replay& r, const std::vector<std::string>& rounds) {
  for (const std::string& path : rounds) {
    if (!endsWith(path, "-best.replay")) continue;
    try {
      Replay old = loadRound(path);
      if (old.settings.name == r.settings.name && old.result.strokes <= r.result.strokes) return false;
    } catch (const std::exception&) {
      // A damaged old best does not stand in the way of a new one.
    }
  }
  return true;
}

std::string stamp() {
  std::time_t now = std::time(nullptr);
  std::tm t{};
  localtime_r(&now, &t);
  char buf[32];
  std::strftime(buf, sizeof buf, "%Y%m%d-%H%M%S", &t);
  return buf;
}

}  // namespace

std::string replayFolder(const std::string& data) {
  std::string root = data.empty() ? dataFolder() : data;
  return root.empty() ? std::string() : root + "/replays";
}

std::vector<std::string> listRounds(const std::string& folder) {
  std::vector<std::string> out;
  std::error_code ec;
  for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
    std::string name = it->path().filename().string();
    if (endsWith(name, ".replay") && it->is_regular_file(ec) && !it->is_symlink(ec)) out.push_back(it->path().string());
  }
  std::sort(out.begin(), out.end());
  return out;
}

Replay loadRound(const std::string& path) {
  // Only a plain file of bounded size is read: a pipe or a huge file left
  // in the folder is refused before anything is allocated.
  return parseReplay(readTextFile(path, kMaxReplayBytes));
}

std::string saveRound(const Replay& r, const std::string& folder) {
  if (folder.empty()) throw GameError("There is no folder for replays");
  std::error_code ec;
  fs::create_directories(folder, ec);
  if (!fs::is_directory(folder, ec)) throw GameError("Cannot create the folder \"" + folder + "\"");
  std::vector<std::string> rounds = listRounds(folder);
  const bool best = countsAsBest(r) && beatsEveryBest(r, rounds);
  const std::string base = (fs::path(folder) / stamp()).string();
  const std::string kind = best ? "-best.replay" : "-round.replay";
  // Two rounds in one second: the later gets a letter, so it still sorts
  // after every round kept so far.
  std::string path = base + kind;
  for (char extra = 'a'; extra <= 'z' && (fs::exists(fs::symlink_status(path, ec)) ||
                                          (!rounds.empty() && path <= rounds.back()));
       ++extra)
    path = base + extra + kind;
  std::string text = formatReplay(r);
  writeFileAtomically(path, std::string_view(text));

  rounds = listRounds(folder);
  if (rounds.size() > kKeptRounds) {
    for (size_t i = 0; i + kKeptRounds < rounds.size(); ++i)
      if (!endsWith(rounds[i], "-best.replay")) fs::remove(rounds[i], ec);
  }
  return path;
}

}  // namespace fg
