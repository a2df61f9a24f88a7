#include "media/opaque_runs.h"

#include <algorithm>

namespace fg {

std::optional<OpaqueRuns> OpaqueRuns::build(const Surface& image, uint16_t key, int columns, int32_t stepX,
                                            int32_t patternWidth, int minAverageRun) {
  // Run ends are kept in 16 bits; the decoder refuses larger pictures anyway.
  if (image.empty() || columns <= 0 || image.width > 65535 || patternWidth <= 0) return std::nullopt;
  OpaqueRuns t;
  t.columns_ = columns;
  t.first_.reserve(static_cast<size_t>(image.height) * static_cast<size_t>(columns) + 1);
  size_t opaque = 0;
  for (int y = 0; y < image.height; ++y) {
    const uint16_t* p = image.row(y);
    for (int c = 0; c < columns; ++c) {
      t.first_.push_back(static_cast<uint32_t>(t.runs_.size()));
      const int left = c * stepX, right = std::min(left + patternWidth, image.width);
      t.covered_ += static_cast<size_t>(std::max(right - left, 0));
      for (int x = left; x < right;) {
        while (x < right && p[x] == key) ++x;
        const int begin = x;
        while (x < right && p[x] != key) ++x;
        if (x > begin) {
          t.runs_.push_back({static_cast<uint16_t>(begin), static_cast<uint16_t>(x)});
          opaque += static_cast<size_t>(x - begin);
        }
      }
    }
  }
  t.first_.push_back(static_cast<uint32_t>(t.runs_.size()));
  if (!t.runs_.empty() && opaque < t.runs_.size() * static_cast<size_t>(minAverageRun)) return std::nullopt;
  t.runs_.shrink_to_fit();
  t.opaque_ = opaque;
  return t;
}

void OpaqueRuns::pack(const Surface& image) {
  if (first_.size() != static_cast<size_t>(image.height) * static_cast<size_t>(columns_) + 1) return;
  stream_.clear();
  streamAt_.clear();
  stream_.reserve(opaque_);
  streamAt_.reserve(runs_.size());
  size_t r = 0;
  for (int y = 0; y < image.height; ++y) {
    const uint16_t* p = image.row(y);
    for (const size_t end = first_[static_cast<size_t>(y + 1) * columns_]; r < end; ++r) {
      streamAt_.push_back(static_cast<uint32_t>(stream_.size()));
      stream_.insert(stream_.end(), p + runs_[r].begin, p + runs_[r].end);
    }
  }
}

}  // namespace fg
