#pragma once
// Whole-file reads and crash-safe whole-file writes.
#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace fg {

// Fails with "Cannot open file "<path>". <reason>" when it cannot be read.
std::vector<uint8_t> readWholeFile(const std::string& path);
// Writes beside the target and renames over it, so a reader never sees half a file.
void writeFileAtomically(const std::string& path, std::span<const uint8_t> bytes);

}  // namespace fg
