#pragma once
// The one error type of the game. It carries the system's own message text
// exactly; the top level shows it in an error box and on stderr.
#include <cstdio>
#include <stdexcept>
#include <string>

namespace fg {

class GameError : public std::runtime_error {
 public:
  explicit GameError(const std::string& message) : std::runtime_error(message) {}
};

// printf-style message building for the texts that carry a value,
// e.g. formatMessage("List index out of bounds (%d)", 12).
template <typename... Args>
std::string formatMessage(const char* pattern, Args... args) {
  char buf[512];
  std::snprintf(buf, sizeof buf, pattern, args...);
  return buf;
}

}  // namespace fg
