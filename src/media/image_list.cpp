#include "media/image_list.h"

#include <algorithm>
#include <climits>
#include <exception>

#include "media/archive_reader.h"
#include "media/blitter.h"
#include "media/error.h"
#include "media/file_io.h"
#include "media/pixel_format.h"

namespace fg {

int PictureItem::width() const { return patternWidth > 0 ? patternWidth : picture.width; }
int PictureItem::height() const { return patternHeight > 0 ? patternHeight : picture.height; }

// With l = ceil(log2 d) and m = ceil(2^(32 + l) / d), (n * m) >> (32 + l)
// is n / d for every n below 2^32; indices stay below 2^28, so n * m (m is
// below 2^33) fits in 64 bits.
void PictureItem::Grid::prepareRowOf() {
  if (columns <= 0) return;
  int l = 0;
  while ((int64_t{1} << l) < columns) ++l;
  columnShift = 32 + l;
  const auto d = static_cast<uint64_t>(columns);
  columnMagic = ((uint64_t{1} << columnShift) + d - 1) / d;
}

PictureItem::Grid PictureItem::patternGrid() const {
  Grid g;
  if (picture.empty()) return g;
  const int64_t w = picture.width, h = picture.height, pw = width(), ph = height();
  if (pw == w && ph == h) {
    g = {1, 1, static_cast<int32_t>(w), static_cast<int32_t>(h)};
    g.prepareRowOf();
    return g;
  }
  // Pattern steps; a skip that cancels the pattern size would make no
  // progress, so such an item gets no patterns at all.
  const int64_t xs = pw + skipWidth, ys = ph + skipHeight;
  if (xs <= 0 || ys <= 0) return g;
  const int64_t columns = (w + skipWidth) / xs, rows = (h + skipHeight) / ys;
  if (columns <= 0 || rows <= 0) return g;
  g.columns = static_cast<int>(std::min<int64_t>(columns, kMaxPictureSide));
  g.rows = static_cast<int>(std::min<int64_t>(rows, kMaxPictureSide));
  g.stepX = static_cast<int32_t>(xs);
  g.stepY = static_cast<int32_t>(ys);
  g.prepareRowOf();
  return g;
}

int PictureItem::patternCount() const { return uploaded_ ? grid_.count() : 0; }

Rect PictureItem::patternRect(int index) const {
  if (index < 0 || index >= patternCount()) return {};
  const int r = grid_.rowOf(index), c = index - r * grid_.columns;
  Rect rect;
  rect.left = c * grid_.stepX;
  rect.top = r * grid_.stepY;
  rect.right = rect.left + width();
  rect.bottom = rect.top + height();
  return rect;
}

void PictureItem::upload(PixelFormat format) {
  image_.resize(picture.width, picture.height, format);
  const uint8_t* p = picture.rgb.data();
  const size_t n = std::min(image_.pixels.size(), picture.rgb.size() / 3);
  for (size_t i = 0; i < n; ++i, p += 3) image_.pixels[i] = packRgb(p[0], p[1], p[2], format);
  key_ = colorToPixel(transparentColor, format);
  grid_ = patternGrid();
  uploaded_ = true;
  buildRuns();
}

void PictureItem::buildRuns() {
  runs_ = OpaqueRuns::build(image_, key_, grid_.columns, grid_.stepX, width());
  if (runs_ && runs_->worthStream()) runs_->pack(image_);
}

void PictureItem::dropUpload() {
  uploaded_ = false;
  image_ = Surface();
  grid_ = Grid();
  runs_.reset();
}

void PictureItem::setPicture(const Picture& p) {
  picture = p;
  if (uploaded_) upload(image_.format);
}

void PictureItem::setTransparentColor(uint32_t bgr) {
  transparentColor = bgr;
  if (uploaded_) {
    key_ = colorToPixel(bgr, image_.format);
    buildRuns();
  }
}

// Draws reject what cannot reach the surface before any pattern arithmetic:
// many sprites of a frame lie off screen.
struct PictureItem::Source {
  // `pattern` is one of the item's patterns.
  static BlitSource of(const PictureItem& item, int32_t pattern) {
    const Grid& g = item.grid_;
    const int r = g.rowOf(pattern), c = pattern - r * g.columns;
    const int32_t left = c * g.stepX, top = r * g.stepY;
    const Rect rect{left, top, left + item.width(), top + item.height()};
    return {&item.image_, rect, item.transparent, item.key_, item.runs_ ? &*item.runs_ : nullptr, c};
  }
};

void PictureItem::BlitPattern(Surface& dst, int32_t x, int32_t y, int32_t pattern) const {
  if (pattern < 0 || pattern >= patternCount()) return;
  if (outsideSurface(dst, {x, y, static_cast<int32_t>(std::min<int64_t>(int64_t{x} + width(), INT32_MAX)),
                           static_cast<int32_t>(std::min<int64_t>(int64_t{y} + height(), INT32_MAX))}))
    return;
  blitCopy(dst, Source::of(*this, pattern), x, y);
}

void PictureItem::BlitStretched(Surface& dst, const Rect& dest, int32_t pattern) const {
  if (pattern < 0 || pattern >= patternCount() || outsideSurface(dst, dest)) return;
  blitStretched(dst, Source::of(*this, pattern), dest);
}

void PictureItem::BlitAdditive(Surface& dst, const Rect& dest, int32_t pattern, int32_t alpha) const {
  if (alpha <= 0 || pattern < 0 || pattern >= patternCount() || outsideSurface(dst, dest)) return;
  blitBlend(dst, Source::of(*this, pattern), dest, BlendOp::Additive, alpha);
}

void PictureItem::BlitBlended(Surface& dst, const Rect& dest, int32_t pattern, int32_t alpha) const {
  if (alpha <= 0 || pattern < 0 || pattern >= patternCount() || outsideSurface(dst, dest)) return;
  blitBlend(dst, Source::of(*this, pattern), dest, BlendOp::Blended, alpha);
}

void PictureItem::BlitSubtractive(Surface& dst, const Rect& dest, int32_t pattern, int32_t alpha) const {
  if (alpha <= 0 || pattern < 0 || pattern >= patternCount() || outsideSurface(dst, dest)) return;
  blitBlend(dst, Source::of(*this, pattern), dest, BlendOp::Subtractive, alpha);
}

void ImageList::loadFromFile(const std::string& path) {
  clear();
  std::vector<uint8_t> bytes = readWholeFile(path, kArchiveFileLimit);
  loadFromMemory(bytes);
}

void ImageList::loadFromMemory(std::span<const uint8_t> bytes) {
  clear();
  ImageArchiveSink sink;
  sink.clear = [this] { items_.clear(); };
  sink.add = [this]() -> PictureItem& { return *items_.emplace_back(std::make_unique<PictureItem>()); };
  sink.colorTable = &colorTable_;
  // Whatever was read before a fault stays, and goes on the display too.
  std::exception_ptr fault;
  try {
    readImageArchive(bytes, sink);
  } catch (const GameError&) {
    fault = std::current_exception();
  }
  if (format_)
    for (auto& item : items_) item->upload(*format_);
  if (fault) std::rethrow_exception(fault);
}

PictureItem& ImageList::item(int index) {
  if (index < 0 || index >= count()) throw GameError(formatMessage("List index out of bounds (%d)", index));
  return *items_[index];
}

const PictureItem& ImageList::item(int index) const {
  if (index < 0 || index >= count()) throw GameError(formatMessage("List index out of bounds (%d)", index));
  return *items_[index];
}

void ImageList::clear() {
  items_.clear();
  colorTable_.clear();
}

PictureItem& ImageList::add() {
  auto& item = *items_.emplace_back(std::make_unique<PictureItem>());
  if (format_) item.upload(*format_);
  return item;
}

void ImageList::displayInitialized(PixelFormat format) {
  format_ = format;
  for (auto& item : items_) item->upload(format);
}

void ImageList::displayFinalized() {
  format_.reset();
  for (auto& item : items_) item->dropUpload();
}

}  // namespace fg
