#pragma once
// The launch window `Tlaunchpad`: its own 640×480 display and sound device,
// the logo, the tab strip and its panels, the settings kept in the store, and
// "Start Game", which hands display and sound to the game window and takes
// them back afterwards. The controls are plain data with a control table, so
// scripted clicks work without any drawing library; under SDL the platform
// draws them over the picture and calls the same handlers.
#include <functional>
#include <string>
#include <vector>

#include "frontend/launchpad_files.h"
#include "frontend/launchpad_layout.h"
#include "frontend/registry_store.h"
#include "media/application.h"
#include "media/display_device.h"
#include "media/sound_device.h"
#include "media/wave_list.h"
#include "media/window.h"
#include "state/launchpad_controls.h"

namespace fg {

class Tintro;

class Tlaunchpad : public Window, public UiLayer {
 public:
  // `exeDir` ends with a separator; `settingsRoot` empty means the user's
  // configuration folder. Starts the sound device (failures ignored) and runs
  // FormCreate (its errors are shown; the window is made all the same).
  Tlaunchpad(Application& app, std::string exeDir, std::string settingsRoot = {});
  ~Tlaunchpad() override;

  LaunchpadControls controls;
  DisplayDevice DXinterface;
  SoundDevice DXSound;
  WaveList DXSong;  // "menu.dxw": item 0 the menu music, item 1 the click

  // Wired at start-up: the intro window, the game window's modal show, and the
  // game window's `training_mode`.
  Tintro* intro = nullptr;
  std::function<void()> runGame;
  // Plays the last recorded round in the game window ("Watch last round").
  std::function<void()> watchRound;
  std::function<bool()> canWatch;  // a recorded round exists
  std::function<void(bool)> setTrainingMode;
  // Practice: the game window on one hole; a picture of a hole shrunk to
  // w × h; the player's bests as text for the Game tab. Each may be left empty.
  std::function<void(const std::string& hole)> runPractice;
  std::function<Picture(const std::string& hole, int w, int h)> holePreview;
  std::function<std::string(const std::string& hole)> holeInfo;
  std::function<std::string(const std::string& player)> bestsText;

  // The window's first show: starts its display.
  void show();
  bool visible() const { return visible_; }
  bool introDone() const { return introDone_; }

  // Handlers.
  void FormCreate();
  void DXinterfaceInitialize();
  void menutabTabChanged(LaunchTab tab);
  void launchClick();
  void practiceClick();
  void watchClick();  // "Watch last round": the game window plays the last recorded round
  void volumeChanged();  // a volume slider moved: the menu music follows at once
  void quitClick();
  void fskip_incClick();
  void fskip_decClick();
  void tex_incClick();
  void skinMouseDown();
  // "Sharp Pixels" changed: the screen follows at once.
  void sharppixelsClick();

  // What a pointer does to a control: pressing (the click sound of the
  // buttons, boxes and list) and releasing over it (the control's action).
  // `row` is the list row for the skin list.
  void pressControl(ControlId id, int row = -1);
  void activateControl(ControlId id);
  // A slider or level bar moved to `value` (kept within its range).
  void setControlValue(ControlId id, int32_t value);
  void setPlayerName(const std::string& utf8);
  bool nameFocused() const { return nameFocus_; }

  // UiLayer: the visible controls described for the platform to draw, and
  // what the player did to them. That input runs at the window's next idle
  // pass, never in the middle of the platform's drawing (a "Start Game" there
  // would run the whole game inside one picture).
  UiScene uiScene() const override;
  void uiInput(const UiInput& input) override;

  // Window input (used when no platform draws the controls).
  void onMouseDown(MouseButton b, ShiftState s, int x, int y) override;
  void onMouseUp(MouseButton b, ShiftState s, int x, int y) override;
  void onTextInput(const std::string& text) override;
  void onKeyDown(int key, ShiftState s) override;

  const std::string& exeDir() const { return exeDir_; }

  static constexpr size_t kMaxNameLength = 32;

 private:
  void click();
  // Hands display and sound to `run` (a game window show) and takes them back.
  void handOver(const std::function<void()>& run);
  void practiceChosen();
  void makeThumbnails();  // once: a small picture for every practice row
  void paintPicture(Surface& back, const Picture& pic, const Rect& r) const;
  void playMusic();
  void startPainting();
  void stopPainting();
  void paint();
  void loadTexture(const std::string& file);
  void runActions();
  void runAction(const UiInput& a);
  void screenshotKey();  // F12: the picture with its controls, told in the status line
  Picture logoPicture() const;

  Application& app_;
  std::string exeDir_;
  RegistryStore store_;
  TextureCycle textures_;
  Surface logo_;
  bool visible_ = false;
  bool introDone_ = false;
  bool nameFocus_ = false;
  ControlId pressed_ = ControlId::hor_logo;
  bool havePressed_ = false;
  int idleId_ = 0;
  std::vector<UiInput> actions_;
  static constexpr uint32_t kPaintIntervalMs = 15;
  bool painted_ = false;
  uint32_t lastPaint_ = 0;
};

}  // namespace fg
