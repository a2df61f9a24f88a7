#pragma once
// Image lists: the pictures of an image archive (".dxg"), addressed by index,
// each cut into patterns (animation frames or tiles) once the list is on a
// display, and drawn onto the back buffer by the sprite operations.
#include <cstdint>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "media/opaque_runs.h"
#include "media/picture.h"
#include "media/rect.h"
#include "media/surface.h"

namespace fg {

class PictureItem {
 public:
  std::string name;
  Picture picture;  // replace with setPicture() so uploads follow
  int32_t patternWidth = 0, patternHeight = 0, skipWidth = 0, skipHeight = 0;
  bool systemMemory = false;
  bool transparent = true;
  uint32_t transparentColor = 0;  // 0x00BBGGRR; change with setTransparentColor()

  int width() const;   // effective pattern width
  int height() const;  // effective pattern height
  int patternCount() const;           // 0 until uploaded to an initialised display
  Rect patternRect(int index) const;  // source rectangle in the picture; empty when out of range
  void setPicture(const Picture& p);  // re-uploads if the list is on a display
  void setTransparentColor(uint32_t bgr);

  void BlitPattern(Surface& dst, int32_t x, int32_t y, int32_t pattern) const;
  void BlitStretched(Surface& dst, const Rect& dest, int32_t pattern) const;
  void BlitAdditive(Surface& dst, const Rect& dest, int32_t pattern, int32_t alpha) const;
  void BlitBlended(Surface& dst, const Rect& dest, int32_t pattern, int32_t alpha) const;
  void BlitSubtractive(Surface& dst, const Rect& dest, int32_t pattern, int32_t alpha) const;

  // The uploaded copy in the display's format and its converted key.
  void upload(PixelFormat format);
  void dropUpload();
  bool uploaded() const { return uploaded_; }
  const Surface& image() const { return image_; }
  uint16_t key() const { return key_; }

  // Pattern grid as built for an upload (also used by tools without a display).
  struct Grid {
    int columns = 0, rows = 0;
    int32_t stepX = 0, stepY = 0;
    // index / columns as a multiply and shift: exact for every index a grid
    // can hold, and many times quicker than a division on each draw.
    uint64_t columnMagic = 0;
    int columnShift = 0;
    int count() const { return columns * rows; }
    // Sets the multiplier for the current column count.
    void prepareRowOf();
    int rowOf(int index) const {
      return static_cast<int>((static_cast<uint64_t>(index) * columnMagic) >> columnShift);
    }
  };
  Grid patternGrid() const;
  // The opaque runs of the uploaded copy under its key, when the picture's
  // runs are long enough to be worth them.
  const std::optional<OpaqueRuns>& opaqueRuns() const { return runs_; }

 private:
  struct Source;
  void buildRuns();
  bool uploaded_ = false;
  Surface image_;
  uint16_t key_ = 0;
  Grid grid_;
  std::optional<OpaqueRuns> runs_;
};

class ImageList {
 public:
  ImageList() = default;
  ImageList(const ImageList&) = delete;
  ImageList& operator=(const ImageList&) = delete;

  void loadFromFile(const std::string& path);  // clears first; items read before a fault stay
  void loadFromMemory(std::span<const uint8_t> bytes);
  PictureItem& item(int index);  // "List index out of bounds (%d)"
  const PictureItem& item(int index) const;
  // The item, or null when the list has no such index: for drawing code that
  // leaves out a picture an archive lacks instead of failing every frame.
  const PictureItem* find(int index) const {
    return index >= 0 && index < count() ? &item(index) : nullptr;
  }
  int count() const { return static_cast<int>(items_.size()); }
  void clear();
  PictureItem& add();  // a new item at the end (uploaded at once when on a display)

  // Called by the display device: build patterns/uploads in the display's
  // format, or drop them.
  void displayInitialized(PixelFormat format);
  void displayFinalized();
  bool onDisplay() const { return format_.has_value(); }

  // The 256-entry colour table an archive may carry (blue, green, red, reserved).
  const std::vector<uint8_t>& colorTable() const { return colorTable_; }

 private:
  std::vector<std::unique_ptr<PictureItem>> items_;
  std::vector<uint8_t> colorTable_;
  std::optional<PixelFormat> format_;
};

}  // namespace fg
