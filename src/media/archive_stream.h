#pragma once
// The component stream inside an archive: the resource header, the "TPF0"
// signature, the root object and its property records with tagged values.
// The image and wave readers walk it property by property.
#include <cstdint>
#include <span>
#include <string>

#include "media/byte_reader.h"

namespace fg {

inline constexpr const char* kInvalidStreamFormat = "Invalid stream format";
inline constexpr const char* kInvalidPropertyValue = "Invalid property value";
inline constexpr const char* kPropertyDoesNotExist = "Property does not exist";

// Value tags of the component stream.
enum ValueTag : uint8_t {
  kTagNull = 0,
  kTagList = 1,
  kTagInt8 = 2,
  kTagInt16 = 3,
  kTagInt32 = 4,
  kTagString = 6,
  kTagIdent = 7,
  kTagFalse = 8,
  kTagTrue = 9,
  kTagBinary = 10,
  kTagLongString = 12,
  kTagCollection = 14,
};

class ComponentReader {
 public:
  // Checks the resource header and the signature and reads the root object's
  // class and object names, leaving the reader at its first property.
  explicit ComponentReader(std::span<const uint8_t> bytes);

  // The next property name; empty at the end of a property list.
  std::string nextPropertyName() { return in_.shortString(); }
  int32_t readInteger();
  bool readBoolean();
  std::string readText();
  uint32_t readColor();
  std::span<const uint8_t> readBinary();
  void beginCollection();  // the tag of a "List" value
  // Starts the next collection item (an optional ordinal, then the list tag);
  // false at the collection's end.
  bool nextCollectionItem();
  void endRoot();  // the root's (empty) child list

 private:
  int32_t integerPayload(uint8_t tag);

  ByteReader in_;
};

// Property names are matched without regard to letter case.
bool sameName(const std::string& a, const char* b);

// Writing side, for the archive writer.
void writeResourceHeader(ByteWriter& w, const std::string& name);
void writeRootStart(ByteWriter& w, const std::string& className, const std::string& objectName);

}  // namespace fg
