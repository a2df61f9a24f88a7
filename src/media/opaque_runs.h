#pragma once
// The opaque runs of a keyed picture: for every pixel row of every pattern
// column, where the pixels that are drawn start and end. Built once when a
// picture is uploaded, so a keyed copy moves whole runs and never looks at a
// keyed pixel, and a keyed blend works only where there is something to blend.
#include <cstdint>
#include <optional>
#include <span>
#include <vector>

#include "media/surface.h"

namespace fg {

struct OpaqueRun {
  uint16_t begin, end;  // picture columns, end exclusive
};

class OpaqueRuns {
 public:
  // Average opaque pixels per run below which a picture keeps the select.
  // Runs of a few dozen pixels still lose to it: every run ends a loop at
  // a new length, which the processor mispredicts, while the select goes
  // through a row of a narrow sprite at the same pace every time.
  static constexpr int kMinAverageRun = 128;

  // Runs for the patterns laid out in `columns` columns `stepX` apart, each
  // `patternWidth` wide. Returns nothing when the runs average fewer than
  // `minAverageRun` pixels, where a per-pixel select is quicker.
  static std::optional<OpaqueRuns> build(const Surface& image, uint16_t key, int columns, int32_t stepX,
                                         int32_t patternWidth, int minAverageRun = kMinAverageRun);

  // Runs of picture row y inside pattern column `column`, left to right.
  std::span<const OpaqueRun> row(int y, int column) const {
    const uint32_t* f = first_.data() + static_cast<size_t>(y) * static_cast<size_t>(columns_) + column;
    return {runs_.data() + f[0], runs_.data() + f[1]};
  }
  // The same lookup laid bare for the pixel loops, which walk many rows of
  // one column: row y's runs are all()[at[y * columns()]] up to the next.
  const uint32_t* firstRuns(int column) const { return first_.data() + column; }
  const OpaqueRun* all() const { return runs_.data(); }
  int columns() const { return columns_; }

  // The opaque pixels themselves, every run's after the one before, as one
  // stream: a large picture's copy then reads memory straight through
  // instead of a part of each row with a gap and two part-used cache lines
  // around it. Run i's pixels start at stream()[streamAt()[i]]; stream() is
  // null until pack().
  const uint16_t* stream() const { return stream_.empty() ? nullptr : stream_.data(); }
  const uint32_t* streamAt() const { return streamAt_.data(); }

  // Pictures from this many opaque pixels on are read from memory rather
  // than cache when drawn, and get a stream if their keyed pixels are at
  // least an eighth; up to a cap, as the stream is a second copy of them.
  static constexpr size_t kMinStreamPixels = size_t{1} << 16;
  static constexpr size_t kMaxStreamPixels = size_t{1} << 20;
  bool worthStream() const {
    return opaque_ >= kMinStreamPixels && opaque_ <= kMaxStreamPixels && opaque_ * 8 <= covered_ * 7;
  }
  // Builds the stream from the picture the runs were built from (another
  // picture's size leaves it as it was).
  void pack(const Surface& image);

 private:
  int columns_ = 0;
  std::vector<uint32_t> first_;  // index of the first run of (row, column); one extra at the end
  std::vector<OpaqueRun> runs_;
  size_t opaque_ = 0, covered_ = 0;  // opaque pixels; pixels inside the pattern columns
  std::vector<uint16_t> stream_;
  std::vector<uint32_t> streamAt_;
};

}  // namespace fg
