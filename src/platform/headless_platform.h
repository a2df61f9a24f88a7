#pragma once
// A platform without a display or sound card, for tests and `--headless`: a
// virtual millisecond clock that moves on by a fixed step at each idle pass,
// input read from a script, and PNG screenshots of the back buffer at chosen
// frames. The same script always gives the same pictures.
#include <deque>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "media/platform.h"

namespace fg {

class HeadlessUi;

// One line of an input script, due at a virtual time or at a presented frame.
struct ScriptStep {
  bool byFrame = false;
  uint32_t when = 0;
  enum class Kind { Event, Shot, Quit } kind = Kind::Event;
  InputEvent event;
  std::string shotName;
};

// Parses the script text; throws GameError naming the line on a bad line.
std::vector<ScriptStep> parseInputScript(const std::string& text);
// The script's "step N" line, or `fallback` when it has none.
uint32_t scriptStepMs(const std::string& text, uint32_t fallback);

class HeadlessPlatform : public Platform {
 public:
  HeadlessPlatform();
  ~HeadlessPlatform() override;

  void setStep(uint32_t ms) { step_ = ms ? ms : 1; }
  void setScript(std::vector<ScriptStep> steps);
  void setShotFolder(const std::string& dir) { shotDir_ = dir; }
  // Ends the run (a Quit event) once the virtual clock passes this time.
  void setTimeLimit(uint32_t ms) { timeLimit_ = ms; }
  // Queues an event for the next poll (tests drive handlers this way).
  void push(InputEvent e);
  void pushKey(int key);                 // key down and up
  void pushClick(int x, int y, MouseButton b = MouseButton::Left);

  uint32_t frames() const { return frames_; }
  // The last presented picture, with the launch window's controls drawn
  // over it while it shows them; screenshots are taken of it.
  const Surface& lastFrame() const { return last_; }
  const std::vector<std::string>& errors() const { return errors_; }
  const std::vector<std::string>& shotsWritten() const { return shots_; }
  bool displayOpen() const { return displayOpen_; }
  int cursorX() const { return cursorX_; }
  int cursorY() const { return cursorY_; }
  bool cursorVisible() const { return cursorVisible_; }
  bool audioOpen() const { return audio_ != nullptr; }
  AudioSpec audioSpec() const { return audioSpec_; }
  void setDisplayLost(bool lost) { lost_ = lost; }
  void setActive(bool active);
  void advance(uint32_t ms);  // moves the clock (and the audio) on

  uint32_t clock() override { return now_; }
  bool pollEvent(InputEvent& e) override;
  void idlePass() override;
  bool applicationActive() override { return active_; }
  bool openDisplay(int width, int height) override;
  void closeDisplay() override;
  bool displayLost() override { return lost_; }
  bool restoreDisplay() override { return !failRestore_ && !(lost_ = false); }
  void setFailRestore(bool fail) { failRestore_ = fail; }
  void present(const Surface& back) override;
  void setUiLayer(UiLayer* layer) override { ui_ = layer; }
  bool saveScreenshot(const std::string& path) override;
  void setCursorPos(int x, int y) override;
  void showCursor(bool visible) override { cursorVisible_ = visible; }
  void captureMouse(bool) override {}
  uint32_t doubleClickTime() override { return 500; }
  bool openAudio(AudioSource* source, const AudioSpec* wanted, AudioSpec* got) override;
  void closeAudio() override { audio_ = nullptr; }
  std::unique_ptr<VideoDecoder> openVideo(const std::string& path) override;
  void showError(const std::string& message) override;

 private:
  void releaseDue();
  void writeShot(const std::string& name);

  uint32_t now_ = 0;
  uint32_t step_ = 10;
  uint32_t timeLimit_ = 0;
  uint32_t frames_ = 0;
  bool active_ = true;
  bool lost_ = false;
  bool failRestore_ = false;
  bool displayOpen_ = false;
  bool quitSent_ = false;
  int cursorX_ = 0, cursorY_ = 0;
  bool cursorVisible_ = true;
  std::deque<InputEvent> queue_;
  std::vector<ScriptStep> script_;
  size_t next_ = 0;
  std::string shotDir_ = ".";
  std::vector<std::string> pendingShots_;
  std::vector<std::string> shots_;
  std::vector<std::string> errors_;
  Surface last_;
  UiLayer* ui_ = nullptr;
  std::unique_ptr<HeadlessUi> uiPainter_;
  AudioSource* audio_ = nullptr;
  AudioSpec audioSpec_;
  double audioCarry_ = 0;
  std::vector<int16_t> audioScratch_;
};

// Writes a 16-bit surface as a 24-bit PNG (each channel's high bits repeated
// into the low ones, as a monitor shows them). Throws GameError on failure.
void writeSurfacePng(const std::string& path, const Surface& s);

}  // namespace fg
