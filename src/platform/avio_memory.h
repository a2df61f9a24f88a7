#pragma once
// An FFmpeg output that gathers the file in memory, so the finished video is
// written through the one safe writer (never through a link at its name).
// Header-only: the game's test videos and the content tools both use it.
extern "C" {
#include <libavformat/avio.h>
#include <libavutil/mem.h>
}

#include <cstdint>
#include <cstdio>
#include <cstring>
#include <vector>

namespace fg {

class MemoryOutput {
 public:
  MemoryOutput() {
    constexpr int kBuffer = 1 << 16;
    auto* buffer = static_cast<unsigned char*>(av_malloc(kBuffer));
    if (buffer) ctx_ = avio_alloc_context(buffer, kBuffer, 1, this, nullptr, &write, &seek);
    if (!ctx_) av_free(buffer);
  }
  ~MemoryOutput() {
    if (!ctx_) return;
    av_freep(&ctx_->buffer);
    avio_context_free(&ctx_);
  }
  MemoryOutput(const MemoryOutput&) = delete;
  MemoryOutput& operator=(const MemoryOutput&) = delete;

  AVIOContext* context() const { return ctx_; }
  // Everything written so far, once FFmpeg's own buffer is flushed.
  const std::vector<uint8_t>& bytes() {
    if (ctx_) avio_flush(ctx_);
    return bytes_;
  }

 private:
#if LIBAVFORMAT_VERSION_MAJOR >= 61
  static int write(void* self, const uint8_t* data, int size) {
#else
  static int write(void* self, uint8_t* data, int size) {
#endif
    auto* out = static_cast<MemoryOutput*>(self);
    if (size < 0) return AVERROR(EINVAL);
    const size_t end = out->pos_ + static_cast<size_t>(size);
    if (end > out->bytes_.size()) out->bytes_.resize(end);
    std::memcpy(out->bytes_.data() + out->pos_, data, static_cast<size_t>(size));
    out->pos_ = end;
    return size;
  }

  static int64_t seek(void* self, int64_t offset, int whence) {
    auto* out = static_cast<MemoryOutput*>(self);
    const int64_t size = static_cast<int64_t>(out->bytes_.size());
    if (whence & AVSEEK_SIZE) return size;
    int64_t base = 0;
    switch (whence & ~AVSEEK_FORCE) {
      case SEEK_SET: base = 0; break;
      case SEEK_CUR: base = static_cast<int64_t>(out->pos_); break;
      case SEEK_END: base = size; break;
      default: return AVERROR(EINVAL);
    }
    if (offset < -base || base + offset > (int64_t{1} << 40)) return AVERROR(EINVAL);
    out->pos_ = static_cast<size_t>(base + offset);
    return base + offset;
  }

  AVIOContext* ctx_ = nullptr;
  std::vector<uint8_t> bytes_;
  size_t pos_ = 0;
};

}  // namespace fg
