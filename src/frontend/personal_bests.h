#pragma once
// Personal bests, per player name: the fewest strokes on each hole and the
// fewest strokes for a whole round of each course. Kept in the user's data
// folder as "bests.txt", one record a line, and written whole with a safe
// replace. The file is untrusted: a damaged one is set aside under another
// name, every record that can still be read is kept, and the game goes on.
#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <tuple>
#include <vector>

#include "frontend/user_folders.h"  // dataFolder()

namespace fg {

enum class BestKind : uint8_t { Hole, Round };

struct BestRecord {
  BestKind kind = BestKind::Hole;
  std::string player;
  std::string name;  // the hole's file name, or the course for a round
  int32_t strokes = 0;
};

class PersonalBests {
 public:
  // `folder` is the data folder; empty means dataFolder().
  explicit PersonalBests(std::string folder = {});

  static constexpr const char* kFileName = "bests.txt";
  static constexpr size_t kMaxFileBytes = 1u << 20;
  std::string path() const;

  // Reads the file. Returns a message for the player when it was damaged (the
  // readable records are kept, the file set aside and written again clean),
  // empty otherwise. A missing file is no fault.
  std::string load();
  // Writes every record; returns false (and keeps them in memory) when the
  // folder cannot be written.
  bool save() const;
  // Never written: a recorded round played back offers its holes to a copy
  // of the bests it was played against, which must not reach the file.
  void keepInMemory() { memoryOnly_ = true; }

  std::optional<int32_t> best(BestKind kind, const std::string& player, const std::string& name) const;
  // Keeps `strokes` when it beats the stored best or none is stored. Returns
  // whether it did.
  bool offer(BestKind kind, const std::string& player, const std::string& name, int32_t strokes);
  // Every record of one player, holes and rounds in name order.
  std::vector<BestRecord> of(const std::string& player) const;

 private:
  using Key = std::tuple<BestKind, std::string, std::string>;
  bool parseLine(const std::string& line);
  std::string setAside() const;

  std::string folder_;
  bool memoryOnly_ = false;
  std::map<Key, int32_t> records_;
};

// The text of the file, for tests and the writer: a header line, then one
// line per record. Player names are escaped so that any text stays one field.
std::string bestsText(const std::vector<BestRecord>& records);

}  // namespace fg
