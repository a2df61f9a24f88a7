#pragma once
// The per-user settings store. Settings live under the key path
// "Software\Brackwater\Fairglade Beta 3" kept as a folder tree in the user's
// configuration folder ($XDG_CONFIG_HOME, else ~/.config). Each setting has a
// sub-folder of its own named like the setting, holding one small text file of
// the same name with a 32-bit value ("dword:<decimal>"). Stored files are
// untrusted: every read is bounded and checked.
#include <cstdint>
#include <string>
#include <string_view>

namespace fg {

// What one stored value file says: "dword:<decimal>" is a value; another tag
// is a value of the wrong type; anything else holds no data.
enum class ReadResult { Ok, Missing, NoData, WrongType };
ReadResult parseStoredValue(std::string_view text, int32_t& out);

// The user's configuration folder: $XDG_CONFIG_HOME when it is an absolute
// path, else $HOME/.config. Empty when neither can be found.
std::string configRoot();
// The folder holding the game's settings (what `fairglade --help` prints).
std::string settingsFolder();

class RegistryStore {
 public:
  std::string Application = "Fairglade Beta 3";
  std::string Company = "Brackwater";
  std::string Group = "Software";

  // `root` stands for the current user's registry root; empty means configRoot().
  explicit RegistryStore(std::string root = {});

  // Open fails quietly (the store stays closed) when the root is unusable:
  // reads then fail with "Registry not opened".
  void open();
  void close();
  bool opened() const { return opened_; }

  // A missing setting reads as false / 0. Errors: "Registry not opened",
  // "Invalid data type for '%s'", "Failed to get data for '%s'".
  bool readBoolean(const std::string& name) const;
  int32_t readInteger(const std::string& name) const;
  // Whether the setting's key exists at all (a missing one reads as 0).
  bool hasValue(const std::string& name) const;
  // Writing while closed does nothing; a failed write throws
  // "Failed to set data for '%s'" and leaves the stored value as it was.
  void writeBoolean(const std::string& name, bool value) const;
  void writeInteger(const std::string& name, int32_t value) const;

  // root + "/Software/Brackwater/Fairglade Beta 3".
  std::string keyFolder() const;

 private:
  std::string root_;
  bool opened_ = false;
};

}  // namespace fg
