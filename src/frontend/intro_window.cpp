#include "frontend/intro_window.h"

#include <algorithm>
#include <cstdlib>
#include <iostream>

#include "frontend/screenshot.h"

#include "media/error.h"
#include "media/pixel_format.h"

namespace fg {

namespace {
// The intro window is always 640×480; videos are centred on its middle.
constexpr int kCentreX = 320, kCentreY = 240;
// A clock that never moves must not hang the pause for ever.
constexpr uint32_t kMaxPausePasses = 2'000'000;
}  // namespace

Tintro::Tintro(Application& app, std::string exeDir)
    : app_(app), platform_(app.platform()), exeDir_(std::move(exeDir)) {}

Tintro::~Tintro() {
  stop();
  if (idleId_) app_.removeIdleHandler(idleId_);
}

void Tintro::showModal(DisplayDevice& display) {
  display_ = &display;
  modalResult = 0;
  try {
    FormShow();
  } catch (...) {
    // Hidden again: the cursor comes back for the launch window.
    video_.reset();
    fileName_.clear();
    platform_.showCursor(true);
    throw;
  }
  idleId_ = app_.addIdleHandler([this] { tick(); });
  FormActivate();
  app_.runModal(*this);
  app_.removeIdleHandler(idleId_);
  idleId_ = 0;
  stop();
  video_.reset();
  platform_.showCursor(true);
  display_ = nullptr;
}

void Tintro::FormShow() {
  platform_.showCursor(false);
  park();
  paint();
  notify_ = false;
  fileName_ = exeDir_ + "brackwater.avi";
  openCurrent();
  notify_ = true;
  fitVideo();
}

void Tintro::FormActivate() {
  // A plain pause: input that arrives meanwhile waits in the queue and is
  // handled once the logo has started.
  uint32_t start = platform_.clock();
  for (uint32_t n = 0; platform_.clock() - start < kPauseMs && n < kMaxPausePasses; ++n) {
    platform_.idlePass();
  }
  play();
}

void Tintro::openCurrent() {
  video_ = platform_.openVideo(fileName_);
  if (!video_) throw GameError(formatMessage("Cannot open video \"%s\"", fileName_.c_str()));
}

void Tintro::fitVideo() {
  left_ = kCentreX - video_->width() / 2;
  top_ = kCentreY - video_->height() / 2;
}

void Tintro::play() {
  if (!video_) return;
  playStart_ = platform_.clock();
  playing_ = true;
  if (AudioSource* sound = video_->audio()) {
    AudioSpec got;
    audioOpen_ = platform_.openAudio(sound, nullptr, &got);
  }
  tick();
}

void Tintro::stop() {
  playing_ = false;
  if (audioOpen_) {
    platform_.closeAudio();
    audioOpen_ = false;
  }
}

void Tintro::close() { modalResult = 1; }

void Tintro::tick() {
  if (!playing_ || !video_) return;
  if (!video_->advance(platform_.clock() - playStart_)) {
    stop();
    if (notify_) MediaPlayer1Notify();
    return;
  }
  paint();
}

void Tintro::MediaPlayer1Notify() {
  park();
  if (fileName_ == exeDir_ + "intro.avi") {
    fileName_.clear();
    notify_ = false;
    stop();
    close();
    return;
  }
  if (fileName_ == exeDir_ + "brackwater.avi") {
    notify_ = false;
    fileName_ = exeDir_ + "intro.avi";
    video_.reset();
    paint();
    // A missing second video leaves the window black until a key or button.
    openCurrent();
    notify_ = true;
    fitVideo();
    play();
  }
}

void Tintro::skip() {
  fileName_.clear();
  notify_ = false;
  stop();
  close();
}

void Tintro::onKeyDown(int key, ShiftState) {
  skip();
  // Any key ends the intro; F12 also keeps the picture it was showing.
  if (key == vk::F12) {
    try {
      std::cout << "Screenshot saved: " << saveScreenshot(platform_) << std::endl;
    } catch (const std::exception& e) {
      std::cerr << e.what() << std::endl;
    }
  }
}
void Tintro::onMouseDown(MouseButton, ShiftState, int, int) { skip(); }
void Tintro::onMouseMove(ShiftState, int x, int y) {
  // Parking makes a move event of its own; a pointer already parked (or held
  // a pixel short of the corner by the screen edge) stays put, or the two
  // would chase each other for ever.
  if (std::abs(x - kParkX) <= 1 && std::abs(y - kParkY) <= 1) return;
  park();
}

void Tintro::park() { platform_.setCursorPos(kParkX, kParkY); }

void Tintro::paint() {
  if (!display_ || !display_->CanDraw()) return;
  Surface& s = display_->surface();
  fillSurface(s, 0);
  if (video_ && playing_) {
    const uint8_t* rgb = video_->rgb();
    int w = video_->width(), h = video_->height();
    // A video larger than the screen is cut by its edges.
    int x0 = std::max(0, -left_), y0 = std::max(0, -top_);
    int x1 = std::min(w, s.width - left_), y1 = std::min(h, s.height - top_);
    for (int y = y0; y < y1; ++y) {
      const uint8_t* src = rgb + (static_cast<size_t>(y) * w + x0) * 3;
      uint16_t* dst = s.row(top_ + y) + left_ + x0;
      for (int x = x0; x < x1; ++x, src += 3) *dst++ = packRgb(src[0], src[1], src[2], s.format);
    }
  }
  display_->Flip();
}

}  // namespace fg
