#pragma once
// fgpack's manifest: plain text, one "key = value" per line, items opened by
// "[item]" lines, the archive kind on an "archive = image|wave" line first.
#include <map>
#include <string>
#include <vector>

namespace fg::pack {

struct ManifestItem {
  int line = 0;  // where its "[item]" stands, for messages
  std::map<std::string, std::string> values;
};

struct Manifest {
  std::string archive;  // "image" or "wave"
  std::vector<ManifestItem> items;
};

Manifest parseManifest(const std::string& text);

// Typed reads of an item's values; a missing key gives the fallback.
std::string textValue(const ManifestItem& item, const std::string& key, const std::string& fallback = "");
long long integerValue(const ManifestItem& item, const std::string& key, long long fallback);
bool booleanValue(const ManifestItem& item, const std::string& key, bool fallback);

}  // namespace fg::pack
