#include "platform/headless_platform.h"

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <iostream>

#include "media/error.h"
#include "platform/ffmpeg_video.h"
#include "platform/headless_ui.h"

namespace fg {

HeadlessPlatform::HeadlessPlatform() = default;
HeadlessPlatform::~HeadlessPlatform() = default;

void HeadlessPlatform::setScript(std::vector<ScriptStep> steps) {
  script_ = std::move(steps);
  next_ = 0;
}

void HeadlessPlatform::push(InputEvent e) {
  e.time = now_;
  queue_.push_back(std::move(e));
}

void HeadlessPlatform::pushKey(int key) {
  InputEvent e;
  e.type = EventType::KeyDown;
  e.key = key;
  push(e);
  e.type = EventType::KeyUp;
  push(e);
}

void HeadlessPlatform::pushClick(int x, int y, MouseButton b) {
  InputEvent e;
  e.x = x;
  e.y = y;
  e.button = b;
  e.type = EventType::MouseDown;
  push(e);
  e.type = EventType::MouseUp;
  push(e);
}

void HeadlessPlatform::setActive(bool active) {
  if (active == active_) return;
  active_ = active;
  InputEvent e;
  e.type = active ? EventType::Activate : EventType::Deactivate;
  push(e);
}

void HeadlessPlatform::releaseDue() {
  while (next_ < script_.size()) {
    const ScriptStep& s = script_[next_];
    bool due = s.byFrame ? frames_ >= s.when : now_ >= s.when;
    if (!due) break;
    switch (s.kind) {
      case ScriptStep::Kind::Event: {
        InputEvent e = s.event;
        if (e.type == EventType::MouseMove || e.type == EventType::MouseDown || e.type == EventType::MouseUp) {
          cursorX_ = e.x;
          cursorY_ = e.y;
        }
        push(e);
        break;
      }
      case ScriptStep::Kind::Shot:
        // A shot at a time is what the screen shows then: the last presented
        // picture (a title card waits without presenting). A shot at a frame,
        // or before anything was shown, waits for its picture.
        if (!s.byFrame && frames_ > 0)
          writeShot(s.shotName);
        else
          pendingShots_.push_back(s.shotName);
        break;
      case ScriptStep::Kind::Quit: {
        InputEvent e;
        e.type = EventType::Quit;
        push(e);
        break;
      }
    }
    ++next_;
  }
  if (timeLimit_ && now_ >= timeLimit_ && !quitSent_) {
    quitSent_ = true;
    InputEvent e;
    e.type = EventType::Quit;
    push(e);
  }
}

bool HeadlessPlatform::pollEvent(InputEvent& e) {
  releaseDue();
  if (queue_.empty()) return false;
  e = std::move(queue_.front());
  queue_.pop_front();
  return true;
}

void HeadlessPlatform::advance(uint32_t ms) {
  now_ += ms;
  if (!audio_) return;
  // The null sound card still pulls samples, so voices run their course.
  audioCarry_ += static_cast<double>(audioSpec_.rate) * ms / 1000.0;
  const int64_t frames = static_cast<int64_t>(audioCarry_);
  audioCarry_ -= static_cast<double>(frames);
  // A long step is mixed a slice at a time, as a sound card pulls it, so a
  // step of hours needs no buffer of hours.
  constexpr int kSlice = 4096;
  audioScratch_.resize(static_cast<size_t>(kSlice) * audioSpec_.channels);
  for (int64_t done = 0; done < frames; done += kSlice) {
    const int n = static_cast<int>(std::min<int64_t>(kSlice, frames - done));
    audio_->mix(audioScratch_.data(), n, audioSpec_.channels, audioSpec_.rate);
  }
}

void HeadlessPlatform::idlePass() { advance(step_); }

bool HeadlessPlatform::openDisplay(int width, int height) {
  if (width <= 0 || height <= 0 || width > 4096 || height > 4096) return false;
  displayOpen_ = true;
  return true;
}

void HeadlessPlatform::closeDisplay() { displayOpen_ = false; }

void HeadlessPlatform::present(const Surface& back) {
  ++frames_;
  if (ui_ && !uiPainter_) uiPainter_ = std::make_unique<HeadlessUi>();
  if (!ui_ || !uiPainter_->compose(*ui_, back, last_)) last_ = back;
  releaseDue();  // a shot asked for this frame is taken of this very picture
  for (const std::string& name : pendingShots_) writeShot(name);
  pendingShots_.clear();
}

bool HeadlessPlatform::saveScreenshot(const std::string& path) {
  if (last_.empty()) return false;
  writeSurfacePng(path, last_);
  return true;
}

void HeadlessPlatform::writeShot(const std::string& name) {
  // A shot name is a plain file name: it never leaves the shot folder.
  std::string file = std::filesystem::path(name).filename().string();
  if (file.empty() || file == "." || file == "..") return;
  std::filesystem::create_directories(shotDir_);
  std::string path = (std::filesystem::path(shotDir_) / file).string();
  writeSurfacePng(path, last_);
  shots_.push_back(path);
}

void HeadlessPlatform::setCursorPos(int x, int y) {
  cursorX_ = x;
  cursorY_ = y;
  // Moving the pointer makes a move event, as the real pointer does.
  InputEvent e;
  e.type = EventType::MouseMove;
  e.x = x;
  e.y = y;
  push(e);
}

bool HeadlessPlatform::openAudio(AudioSource* source, const AudioSpec* wanted, AudioSpec* got) {
  audioSpec_ = wanted ? *wanted : AudioSpec{44100, 2};
  audio_ = source;
  audioCarry_ = 0;
  if (got) *got = audioSpec_;
  return true;
}

std::unique_ptr<VideoDecoder> HeadlessPlatform::openVideo(const std::string& path) {
  return openFfmpegVideo(path);
}

void HeadlessPlatform::showError(const std::string& message) {
  errors_.push_back(message);
  std::cerr << message << std::endl;
}

}  // namespace fg
