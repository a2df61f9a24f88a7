#include "media/archive_stream.h"

#include <cctype>
#include <cstring>

#include "media/error.h"

namespace fg {
namespace {

// Named colour constants a colour record may use instead of a number.
struct NamedColor {
  const char* name;
  uint32_t value;
};
constexpr NamedColor kNamedColors[] = {
    {"clBlack", 0x000000},  {"clMaroon", 0x000080},     {"clGreen", 0x008000},   {"clOlive", 0x008080},
    {"clNavy", 0x800000},   {"clPurple", 0x800080},     {"clTeal", 0x808000},    {"clGray", 0x808080},
    {"clSilver", 0xC0C0C0}, {"clRed", 0x0000FF},        {"clLime", 0x00FF00},    {"clYellow", 0x00FFFF},
    {"clBlue", 0xFF0000},   {"clFuchsia", 0xFF00FF},    {"clAqua", 0xFFFF00},    {"clWhite", 0xFFFFFF},
    {"clLtGray", 0xC0C0C0}, {"clDkGray", 0x808080},     {"clMoneyGreen", 0xC0DCC0},
    {"clSkyBlue", 0xF0CAA6}, {"clCream", 0xF0FBFF},     {"clMedGray", 0xA4A0A0},
};

// The header is checked on its first 79 bytes, as the game's loader did.
constexpr size_t kHeaderProbe = 79;

size_t resourceHeaderSize(std::span<const uint8_t> bytes) {
  if (bytes.size() < 3 || bytes[0] != 0xFF || bytes[1] != 10 || bytes[2] != 0)
    throw GameError(kInvalidStreamFormat);
  size_t probe = std::min(bytes.size(), kHeaderProbe);
  for (size_t i = 3; i < probe; ++i)
    if (bytes[i] == 0) return (i - 3) + 10;  // name, its zero, flags, size
  throw GameError(kInvalidStreamFormat);
}

}  // namespace

bool sameName(const std::string& a, const char* b) {
  size_t n = std::strlen(b);
  if (a.size() != n) return false;
  for (size_t i = 0; i < n; ++i)
    if (std::tolower(static_cast<unsigned char>(a[i])) != std::tolower(static_cast<unsigned char>(b[i])))
      return false;
  return true;
}

ComponentReader::ComponentReader(std::span<const uint8_t> bytes) : in_(bytes) {
  in_.seek(std::min(resourceHeaderSize(bytes), bytes.size()));
  auto sig = in_.bytes(4);
  if (std::memcmp(sig.data(), "TPF0", 4) != 0) throw GameError(kInvalidStreamFormat);
  // An optional prefix byte (high four bits set) with an optional ordinal.
  in_.need(1);
  uint8_t prefix = in_.bytes(1)[0];
  if ((prefix & 0xF0) == 0xF0) {
    if (prefix & 2) integerPayload(in_.u8());
  } else {
    in_.seek(in_.position() - 1);
  }
  in_.shortString();  // class name: any writer's component will do
  in_.shortString();  // object name
}

int32_t ComponentReader::integerPayload(uint8_t tag) {
  switch (tag) {
    case kTagInt8: return in_.i8();
    case kTagInt16: return in_.i16();
    case kTagInt32: return in_.i32();
    default: throw GameError(kInvalidPropertyValue);
  }
}

int32_t ComponentReader::readInteger() { return integerPayload(in_.u8()); }

bool ComponentReader::readBoolean() {
  uint8_t tag = in_.u8();
  if (tag == kTagFalse) return false;
  if (tag == kTagTrue) return true;
  throw GameError(kInvalidPropertyValue);
}

std::string ComponentReader::readText() {
  uint8_t tag = in_.u8();
  if (tag == kTagString) return in_.shortString();
  if (tag == kTagLongString) {
    auto s = in_.bytes(in_.u32());
    return std::string(s.begin(), s.end());
  }
  throw GameError(kInvalidPropertyValue);
}

uint32_t ComponentReader::readColor() {
  uint8_t tag = in_.u8();
  if (tag != kTagIdent) return static_cast<uint32_t>(integerPayload(tag));
  std::string ident = in_.shortString();
  for (const auto& c : kNamedColors)
    if (sameName(ident, c.name)) return c.value;
  throw GameError(kInvalidPropertyValue);
}

std::span<const uint8_t> ComponentReader::readBinary() {
  if (in_.u8() != kTagBinary) throw GameError(kInvalidPropertyValue);
  return in_.bytes(in_.u32());
}

void ComponentReader::beginCollection() {
  if (in_.u8() != kTagCollection) throw GameError(kInvalidPropertyValue);
}

bool ComponentReader::nextCollectionItem() {
  uint8_t tag = in_.u8();
  if (tag == kTagNull) return false;
  if (tag == kTagInt8 || tag == kTagInt16 || tag == kTagInt32) {
    integerPayload(tag);  // the item's ordinal, not needed
    tag = in_.u8();
  }
  if (tag != kTagList) throw GameError(kInvalidPropertyValue);
  return true;
}

void ComponentReader::endRoot() { in_.u8(); }

void writeResourceHeader(ByteWriter& w, const std::string& name) {
  w.u8(0xFF);
  w.u16(10);
  w.text(name.c_str());
  w.u8(0);
  w.u16(0x1030);  // flags: movable, pure
  w.u32(0);       // size, patched by the caller
}

void writeRootStart(ByteWriter& w, const std::string& className, const std::string& objectName) {
  w.text("TPF0");
  w.shortString(className);
  w.shortString(objectName);
}

}  // namespace fg
