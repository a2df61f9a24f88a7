#pragma once
// A bounds-checked little-endian reader over a byte span. Every field is
// checked before it is read; running past the end fails with
// "Stream read error", the loader's text for a file that ends early.
#include <cstdint>
#include <cstring>
#include <span>
#include <string>
#include <vector>

#include "media/error.h"

namespace fg {

inline constexpr const char* kStreamReadError = "Stream read error";

class ByteReader {
 public:
  explicit ByteReader(std::span<const uint8_t> bytes) : bytes_(bytes) {}

  size_t position() const { return pos_; }
  size_t size() const { return bytes_.size(); }
  size_t remaining() const { return bytes_.size() - pos_; }
  bool atEnd() const { return pos_ >= bytes_.size(); }

  void need(size_t n) const {
    if (n > remaining()) throw GameError(kStreamReadError);
  }
  void skip(size_t n) {
    need(n);
    pos_ += n;
  }
  void seek(size_t pos) {
    if (pos > bytes_.size()) throw GameError(kStreamReadError);
    pos_ = pos;
  }
  std::span<const uint8_t> bytes(size_t n) {
    need(n);
    auto s = bytes_.subspan(pos_, n);
    pos_ += n;
    return s;
  }
  uint8_t u8() {
    need(1);
    return bytes_[pos_++];
  }
  uint16_t u16() {
    need(2);
    uint16_t v = static_cast<uint16_t>(bytes_[pos_] | (bytes_[pos_ + 1] << 8));
    pos_ += 2;
    return v;
  }
  uint32_t u32() {
    need(4);
    uint32_t v = static_cast<uint32_t>(bytes_[pos_]) | (static_cast<uint32_t>(bytes_[pos_ + 1]) << 8) |
                 (static_cast<uint32_t>(bytes_[pos_ + 2]) << 16) |
                 (static_cast<uint32_t>(bytes_[pos_ + 3]) << 24);
    pos_ += 4;
    return v;
  }
  int8_t i8() { return static_cast<int8_t>(u8()); }
  int16_t i16() { return static_cast<int16_t>(u16()); }
  int32_t i32() { return static_cast<int32_t>(u32()); }
  // One length byte and that many bytes.
  std::string shortString() {
    size_t n = u8();
    auto s = bytes(n);
    return std::string(s.begin(), s.end());
  }

 private:
  std::span<const uint8_t> bytes_;
  size_t pos_ = 0;
};

// A little-endian byte sink for the writers.
class ByteWriter {
 public:
  std::vector<uint8_t> out;

  void u8(uint32_t v) { out.push_back(static_cast<uint8_t>(v)); }
  void u16(uint32_t v) {
    u8(v);
    u8(v >> 8);
  }
  void u32(uint32_t v) {
    u16(v);
    u16(v >> 16);
  }
  void bytes(std::span<const uint8_t> b) { out.insert(out.end(), b.begin(), b.end()); }
  void text(const char* s) { bytes({reinterpret_cast<const uint8_t*>(s), std::strlen(s)}); }
  void shortString(const std::string& s);  // fails for more than 255 bytes
  void patchU32(size_t at, uint32_t v) {
    for (int i = 0; i < 4; ++i) out[at + i] = static_cast<uint8_t>(v >> (8 * i));
  }
};

inline void ByteWriter::shortString(const std::string& s) {
  if (s.size() > 255) throw GameError("Text too long for the archive: " + s.substr(0, 32));
  u8(static_cast<uint32_t>(s.size()));
  bytes({reinterpret_cast<const uint8_t*>(s.data()), s.size()});
}

}  // namespace fg
