#include "media/display_device.h"

#include <algorithm>

#include "media/error.h"

namespace fg {

DisplayDevice::DisplayDevice(Platform* platform) : platform_(platform) {}

DisplayDevice::~DisplayDevice() {
  try {
    Finalize();
  } catch (...) {
  }
}

void DisplayDevice::setMode(int width, int height, int bits) {
  modeWidth_ = width;
  modeHeight_ = height;
  modeBits_ = bits;
}

void DisplayDevice::bind(ImageList& list) {
  if (std::find(lists_.begin(), lists_.end(), &list) == lists_.end()) lists_.push_back(&list);
  if (initialized_) list.displayInitialized(format_);
}

void DisplayDevice::uploadAll() {
  for (ImageList* l : lists_) l->displayInitialized(format_);
}

void DisplayDevice::Initialize() {
  if (initialized_) Finalize();
  try {
    if (!platform_) throw GameError("Form not found");
    if (modeBits_ != 16 || !platform_->openDisplay(modeWidth_, modeHeight_))
      throw GameError(formatMessage("Display mode cannot be changed (%dx%d %dbit)", modeWidth_, modeHeight_,
                                    modeBits_));
    back_.resize(modeWidth_, modeHeight_, format_);
    canvas_.reset();
    initialized_ = true;
    uploadAll();
    if (OnInitialize) OnInitialize();
    // The restore step runs once more, so the lists upload again.
    uploadAll();
  } catch (...) {
    Finalize();
    throw;
  }
}

void DisplayDevice::Finalize() {
  if (!initialized_) return;
  finalizing_ = true;
  for (ImageList* l : lists_) l->displayFinalized();
  canvas_.reset();
  if (platform_) platform_->closeDisplay();
  initialized_ = false;
  finalizing_ = false;
}

bool DisplayDevice::CanDraw() {
  if (!initialized_ || finalizing_ || back_.empty()) return false;
  if (!platform_->displayLost()) return true;
  // A lost display is restored on the spot; the pictures go up again.
  if (!platform_->restoreDisplay()) return false;
  uploadAll();
  return !platform_->displayLost();
}

void DisplayDevice::Flip() {
  if (!initialized_ || finalizing_ || back_.empty()) return;
  if (platform_->displayLost() && !platform_->restoreDisplay()) return;
  platform_->present(back_);
}

void DisplayDevice::Fill(uint16_t value) { fillSurface(back_, value); }

Canvas& DisplayDevice::canvas() {
  if (!canvas_) canvas_ = std::make_unique<Canvas>(back_);
  return *canvas_;
}

}  // namespace fg
