#include "media/file_io.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <random>
#include <utility>

#include "media/error.h"

namespace fg {
namespace {

class Fd {
 public:
  explicit Fd(int fd) : fd_(fd) {}
  ~Fd() {
    if (fd_ >= 0) ::close(fd_);
  }
  Fd(Fd&& other) noexcept : fd_(other.release()) {}
  Fd(const Fd&) = delete;
  Fd& operator=(const Fd&) = delete;
  int get() const { return fd_; }
  int release() { return std::exchange(fd_, -1); }

 private:
  int fd_;
};

GameError openError(const std::string& path, const char* reason) {
  return GameError("Cannot open file \"" + path + "\". " + reason);
}

GameError createError(const std::string& path, int err) {
  return GameError("Cannot create file \"" + path + "\". " + std::strerror(err));
}

// Opens without waiting on a pipe and checks what was opened, not what the
// name pointed at a moment before.
Fd openRegular(const std::string& path, size_t limit, size_t& size) {
  Fd fd(::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY));
  if (fd.get() < 0) throw openError(path, std::strerror(errno));
  struct stat st{};
  if (::fstat(fd.get(), &st) != 0) throw openError(path, std::strerror(errno));
  if (S_ISDIR(st.st_mode)) throw openError(path, std::strerror(EISDIR));
  if (!S_ISREG(st.st_mode)) throw openError(path, "Not a regular file");
  if (st.st_size < 0 || static_cast<uint64_t>(st.st_size) > limit) throw openError(path, std::strerror(EFBIG));
  size = static_cast<size_t>(st.st_size);
  return fd;
}

// Reads what the file held when it was opened; a file that grows meanwhile
// is cut there rather than read without end.
template <typename Buffer>
Buffer readOpened(int fd, size_t size) {
  Buffer bytes(size, 0);
  size_t done = 0;
  while (done < size) {
    ssize_t n = ::read(fd, bytes.data() + done, size - done);
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) throw GameError("Stream read error");
    if (n == 0) break;
    done += static_cast<size_t>(n);
  }
  bytes.resize(done);
  return bytes;
}

std::string tempSuffix() {
  static std::atomic<uint64_t> counter{0};
  static const uint64_t base = std::random_device{}() ^ (static_cast<uint64_t>(::getpid()) << 32);
  uint64_t v = (base + counter.fetch_add(0x9E3779B97F4A7C15ull)) * 0xBF58476D1CE4E5B9ull;
  char buf[20];
  std::snprintf(buf, sizeof buf, "%012llx", static_cast<unsigned long long>(v >> 16));
  return buf;
}

bool writeAll(int fd, const uint8_t* data, size_t size) {
  size_t done = 0;
  while (done < size) {
    ssize_t n = ::write(fd, data + done, size - done);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) return false;
    done += static_cast<size_t>(n);
  }
  return true;
}

}  // namespace

std::vector<uint8_t> readWholeFile(const std::string& path, size_t limit) {
  size_t size = 0;
  Fd fd = openRegular(path, limit, size);
  return readOpened<std::vector<uint8_t>>(fd.get(), size);
}

std::string readTextFile(const std::string& path, size_t limit) {
  size_t size = 0;
  Fd fd = openRegular(path, limit, size);
  return readOpened<std::string>(fd.get(), size);
}

void writeFileAtomically(const std::string& path, std::span<const uint8_t> bytes) {
  namespace fs = std::filesystem;
  const fs::path target(path);
  fs::path dir = target.parent_path();
  if (dir.empty()) dir = ".";
  // Hidden, and short enough for any file system whatever the target's name.
  const std::string leaf = target.filename().string().substr(0, 64);
  std::string temp;
  int raw = -1;
  for (int attempt = 0; attempt < 64 && raw < 0; ++attempt) {
    temp = (dir / ("." + leaf + "." + tempSuffix() + ".tmp")).string();
    raw = ::open(temp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666);
    if (raw < 0 && errno != EEXIST) break;
  }
  if (raw < 0) throw createError(path, errno);
  Fd fd(raw);
  bool ok = writeAll(fd.get(), bytes.data(), bytes.size()) && ::fsync(fd.get()) == 0;
  ok = ::close(fd.release()) == 0 && ok;
  if (!ok) {
    ::unlink(temp.c_str());
    throw GameError("Stream write error");
  }
  if (::rename(temp.c_str(), path.c_str()) != 0) {
    int err = errno;
    ::unlink(temp.c_str());
    throw createError(path, err);
  }
  // The new name must survive a crash too.
  Fd folder(::open(dir.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
  if (folder.get() >= 0) ::fsync(folder.get());
}

void writeFileAtomically(const std::string& path, std::string_view text) {
  writeFileAtomically(path, std::span(reinterpret_cast<const uint8_t*>(text.data()), text.size()));
}

}  // namespace fg
