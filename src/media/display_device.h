#pragma once
// The full-screen display of a window: a mode, a 16-bit back buffer in
// ordinary memory, page flips through the platform, and the image lists bound
// to it, which upload their pictures whenever the display (re)initialises.
#include <functional>
#include <memory>
#include <vector>

#include "media/canvas.h"
#include "media/image_list.h"
#include "media/platform.h"
#include "media/surface.h"

namespace fg {

class DisplayDevice {
 public:
  explicit DisplayDevice(Platform* platform);
  ~DisplayDevice();
  DisplayDevice(const DisplayDevice&) = delete;
  DisplayDevice& operator=(const DisplayDevice&) = delete;

  void setMode(int width, int height, int bits = 16);
  int modeWidth() const { return modeWidth_; }
  int modeHeight() const { return modeHeight_; }
  void setPixelFormat(PixelFormat f) { format_ = f; }

  void bind(ImageList& list);
  std::function<void()> OnInitialize;

  void Initialize();
  void Finalize();
  bool initialized() const { return initialized_; }
  bool CanDraw();
  void Flip();
  void Fill(uint16_t value);

  Surface& surface() { return back_; }
  int SurfaceWidth() const { return back_.width; }
  int SurfaceHeight() const { return back_.height; }
  // The drawing canvas of the back buffer, made at the first request and kept.
  Canvas& canvas();

 private:
  void uploadAll();

  Platform* platform_;
  int modeWidth_ = 640, modeHeight_ = 480, modeBits_ = 16;
  PixelFormat format_ = PixelFormat::Rgb565;
  bool initialized_ = false;
  bool finalizing_ = false;
  Surface back_;
  std::unique_ptr<Canvas> canvas_;
  std::vector<ImageList*> lists_;
};

}  // namespace fg
