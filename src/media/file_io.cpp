#include "media/file_io.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <memory>

#include "media/error.h"

namespace fg {
namespace {

struct FileCloser {
  void operator()(std::FILE* f) const { std::fclose(f); }
};
using File = std::unique_ptr<std::FILE, FileCloser>;

GameError openError(const std::string& path, int err) {
  return GameError("Cannot open file \"" + path + "\". " + std::strerror(err));
}

}  // namespace

std::vector<uint8_t> readWholeFile(const std::string& path) {
  std::error_code ec;
  if (std::filesystem::is_directory(path, ec)) throw openError(path, EISDIR);
  File f(std::fopen(path.c_str(), "rb"));
  if (!f) throw openError(path, errno);
  std::vector<uint8_t> bytes;
  uint8_t buf[65536];
  size_t n;
  while ((n = std::fread(buf, 1, sizeof buf, f.get())) > 0) bytes.insert(bytes.end(), buf, buf + n);
  if (std::ferror(f.get())) throw GameError("Stream read error");
  return bytes;
}

void writeFileAtomically(const std::string& path, std::span<const uint8_t> bytes) {
  std::string temp = path + ".tmp";
  {
    File f(std::fopen(temp.c_str(), "wb"));
    if (!f) throw GameError("Cannot create file \"" + temp + "\". " + std::strerror(errno));
    bool ok = bytes.empty() || std::fwrite(bytes.data(), 1, bytes.size(), f.get()) == bytes.size();
    ok = std::fflush(f.get()) == 0 && ok;
    if (!ok) {
      f.reset();
      std::remove(temp.c_str());
      throw GameError("Stream write error");
    }
  }
  std::error_code ec;
  std::filesystem::rename(temp, path, ec);
  if (ec) {
    std::remove(temp.c_str());
    throw GameError("Cannot create file \"" + path + "\". " + ec.message());
  }
}

}  // namespace fg
