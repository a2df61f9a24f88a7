#pragma once
// The intro window `Tintro`: the maker's logo video "brackwater.avi", then
// "intro.avi", each centred at its own size on black with its sound, after a
// 1500 ms pause. Any key or mouse button ends the whole intro.
#include <cstdint>
#include <memory>
#include <string>

#include "media/application.h"
#include "media/display_device.h"
#include "media/window.h"

namespace fg {

class Tintro : public Window {
 public:
  // `exeDir` ends with a separator.
  Tintro(Application& app, std::string exeDir);
  ~Tintro() override;

  // Shows the intro modally on `display`, which is already in the launch
  // window's 640×480 mode. Throws GameError when the logo video cannot be
  // opened (the intro then ends at once).
  void showModal(DisplayDevice& display);

  void onKeyDown(int key, ShiftState) override;
  void onMouseDown(MouseButton, ShiftState, int, int) override;
  void onMouseMove(ShiftState, int x, int y) override;

  // The player's current file (full path); empty once closed.
  const std::string& fileName() const { return fileName_; }
  // Where the picture of the current video goes (left, top of the player).
  int playerLeft() const { return left_; }
  int playerTop() const { return top_; }

  static constexpr uint32_t kPauseMs = 1500;
  // The pointer waits in the screen's bottom-right corner: the last pixel
  // inside the 640×480 window, so a click there still reaches the intro.
  static constexpr int kParkX = 639, kParkY = 479;

 private:
  void FormShow();
  void FormActivate();
  void MediaPlayer1Notify();
  void skip();
  void openCurrent();
  void fitVideo();
  void play();
  void stop();
  void close();
  void tick();
  void paint();
  void park();

  Application& app_;
  Platform& platform_;
  std::string exeDir_;
  DisplayDevice* display_ = nullptr;
  std::unique_ptr<VideoDecoder> video_;
  std::string fileName_;
  bool notify_ = false;
  bool playing_ = false;
  bool audioOpen_ = false;
  uint32_t playStart_ = 0;
  int left_ = 0, top_ = 0;
  int idleId_ = 0;
};

}  // namespace fg
