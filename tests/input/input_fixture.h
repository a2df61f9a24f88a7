#pragma once
// A game context built from real parts on the headless platform: a display,
// a sound device, picture lists loaded from small archives written into a
// temporary game folder, and a host that parks the cursor like the window.
// Tests drive the handlers through the message loop, so presses, clicks and
// releases arrive in the order the game window gets them.
#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <string>

#include "input/input_handlers.h"
#include "media/application.h"
#include "media/display_device.h"
#include "media/frame_timer.h"
#include "media/image_list.h"
#include "media/sound_device.h"
#include "media/wave_list.h"
#include "platform/headless_platform.h"
#include "render/game_context.h"
#include "sim/sim_host.h"
#include "state/launchpad_controls.h"

namespace fg::test {

// Remembers whether the game holds the mouse.
class CapturingPlatform : public HeadlessPlatform {
 public:
  void captureMouse(bool capture) override { captured = capture; }
  bool captured = false;
};

class FakeHost : public SimHost {
 public:
  FakeHost(Platform& platform, DisplayDevice& display, WaveList& sounds)
      : platform_(platform), display_(display), sounds_(sounds) {}
  void playSound(int32_t item) override {
    if (item >= 0 && item < sounds_.count()) sounds_.item(item).Play();
  }
  void playBgSound(int32_t, bool) override {}
  void centreCursor() override {
    ++centred;
    platform_.setCursorPos(display_.SurfaceWidth() / 2, display_.SurfaceHeight() / 2);
  }
  void HoleInit(GameState&) override { ++holeInits; }
  int32_t surfaceWidth() const override { return display_.SurfaceWidth(); }
  int32_t surfaceHeight() const override { return display_.SurfaceHeight(); }
  int centred = 0;
  int holeInits = 0;

 private:
  Platform& platform_;
  DisplayDevice& display_;
  WaveList& sounds_;
};

// Hands the window's events to the handlers under test.
class HandlerWindow : public Window {
 public:
  explicit HandlerWindow(GameContext& ctx) : ctx_(ctx) {}
  void onKeyDown(int key, ShiftState s) override { FormKeyDown(ctx_, key, s); }
  void onKeyUp(int key, ShiftState s) override { FormKeyUp(ctx_, key, s); }
  void onMouseMove(ShiftState s, int x, int y) override { DXDrawMouseMove(ctx_, s, x, y); }
  void onMouseDown(MouseButton b, ShiftState s, int x, int y) override { DXDrawMouseDown(ctx_, b, s, x, y); }
  void onMouseUp(MouseButton b, ShiftState s, int x, int y) override { DXDrawMouseUp(ctx_, b, s, x, y); }
  void onClick() override { DXDrawClick(ctx_); }
  void onDblClick() override { DXDrawDblClick(ctx_); }

 private:
  GameContext& ctx_;
};

// Picture of `gui` item i, pattern p: a solid colour that names both, so a
// pixel of the back buffer tells which pattern of which item lies there.
uint32_t guiColour(int item, int pattern);
struct DrawnPattern {
  int item = -1, pattern = -1;
  bool operator==(const DrawnPattern&) const = default;
};
DrawnPattern drawnAt(const Surface& s, int x, int y);

// Pattern sizes of the fixture's gui archive.
constexpr int kPatternSide = 4;
constexpr int kGuiItems = 18;
int guiPatternCount(int item);

Picture solidPicture(int w, int h, uint32_t bgr);
// Writes the fixture's game files into `dir`: "gui.dxg", "menu.dxg", "sound.dxw".
void writeGameFiles(const std::string& dir);
// The picture that "gui.dxg" holds for item i.
Picture defaultGuiPicture(int item);

class InputFixture : public ::testing::Test {
 protected:
  InputFixture();
  ~InputFixture() override;

  // Events through the message loop.
  void pump();
  void move(int x, int y);
  void press(MouseButton b = MouseButton::Left);
  void release(MouseButton b = MouseButton::Left);
  void click(MouseButton b = MouseButton::Left);  // press and release where the pointer is
  void clickAt(int x, int y);
  void doubleClickAt(int x, int y);
  void key(int code);
  void keyDown(int code);
  void keyUp(int code);
  // Lets the double-click time pass, so the next click is a click of its own.
  void pause();
  // One putting frame.
  void frame();
  // Frames until the putt is struck or `limit` frames have run; returns the count.
  int framesUntilStrike(int limit = 100);

  int clicks() const;       // click sounds played
  int puttSounds() const;   // putter sounds played
  std::string bannerWords() const;  // the message without its 27 leading spaces

  std::filesystem::path dir;
  CapturingPlatform platform;
  Application app{platform};
  DisplayDevice DXDraw{&platform};
  SoundDevice DXSound{&platform};
  FrameTimer gengine{app};
  ImageList menu, gui, course;
  WaveList sounds, bgsounds;
  LaunchpadControls launchpad;
  bool training_mode = false;
  int closes = 0;
  std::unique_ptr<FakeHost> host;
  std::unique_ptr<GameContext> ctx;
  std::unique_ptr<HandlerWindow> window;
  GameState state;
  GameState& gs{state};
};

}  // namespace fg::test
