#pragma once
// Writes short videos as AVI files that the game's video player decodes:
// MPEG-4 Visual pictures (or, for tests that check colours, uncompressed
// ones) and 16-bit mono PCM sound, encoded bit-exactly so the same frames
// give the same file on every run. The content tools make the intro videos
// with it; tests and benchmarks make their own small ones.
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "media/picture.h"

namespace fg {

enum class VideoCodec { Mpeg4, Raw };

class AviWriter {
 public:
  // audioRate 0 writes a video without sound.
  AviWriter(const std::string& path, int width, int height, int fps, int audioRate,
            VideoCodec codec = VideoCodec::Mpeg4);
  ~AviWriter();
  AviWriter(const AviWriter&) = delete;
  AviWriter& operator=(const AviWriter&) = delete;

  void addFrame(const Picture& frame);           // width x height, RGB
  void addAudio(const std::vector<int16_t>& mono);  // any length; interleaved with the frames
  // Flushes the encoders and puts the file in place (written beside it first).
  void finish();

 private:
  struct State;
  std::unique_ptr<State> s_;
};

struct VideoInfo {
  int width = 0, height = 0;
  int videoFrames = 0;
  long audioSamples = 0;
  int audioRate = 0;
};
// Decodes every packet of the file; fails with a message when it cannot.
VideoInfo probeVideo(const std::string& path);

}  // namespace fg
