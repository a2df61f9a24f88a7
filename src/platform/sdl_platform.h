#pragma once
// The players' platform over SDL2: one window, full screen at the desktop's
// resolution by default (the game's picture scaled up with black bars), the
// 16-bit back buffer uploaded to a texture at each flip, SDL's audio device and
// its millisecond clock.
#include <SDL.h>

#include <memory>
#include <string>
#include <vector>

#include "media/platform.h"
#include "platform/sdl_handles.h"

namespace fg {

class HeadlessUi;
class SdlUi;

class SdlPlatform : public Platform {
 public:
  explicit SdlPlatform(bool windowed);
  ~SdlPlatform() override;

  uint32_t clock() override { return SDL_GetTicks(); }
  bool pollEvent(InputEvent& e) override;
  void idlePass() override;
  void idleFor(uint32_t quietMs) override;
  bool applicationActive() override { return active_; }
  bool openDisplay(int width, int height) override;
  void closeDisplay() override;
  bool displayLost() override;
  bool restoreDisplay() override;
  void present(const Surface& back) override;
  void setUiLayer(UiLayer* layer) override;
  bool saveScreenshot(const std::string& path) override;
  void setCursorPos(int x, int y) override;
  void showCursor(bool visible) override;
  void captureMouse(bool capture) override;
  uint32_t doubleClickTime() override { return 500; }
  void setSharpPixels(bool sharp) override;
  bool openAudio(AudioSource* source, const AudioSpec* wanted, AudioSpec* got) override;
  void closeAudio() override;
  std::unique_ptr<VideoDecoder> openVideo(const std::string& path) override;
  void showError(const std::string& message) override;

  // What tests look at: the window, and where the picture lies on it.
  SDL_Window* window() const { return window_.get(); }
  SDL_Renderer* renderer() const { return renderer_.get(); }
  SDL_Rect viewport() const { return viewport_; }

 private:
  // SDL itself, started first and stopped last.
  struct Session {
    Session();
    ~Session();
    Session(const Session&) = delete;
    Session& operator=(const Session&) = delete;
  };

  static void audioCallback(void* self, Uint8* stream, int len);
  bool ensureWindow();
  void makeTexture(SDL_PixelFormatEnum format);
  void toggleFullscreen();
  void updateViewport();
  bool toBackBuffer(int wx, int wy, int& x, int& y) const;
  bool translate(const SDL_Event& ev, InputEvent& out);
  void pullSilentAudio();
  void writeTestShot();

  Session session_;
  bool windowed_;
  bool active_ = true;
  bool sharpPixels_ = false;
  bool cursorShown_ = true;
  // Destroyed in reverse: the texture and the controls before their renderer,
  // the renderer before its window.
  SdlWindow window_;
  SdlRenderer renderer_;
  std::unique_ptr<SdlUi> ui_;
  SdlTexture texture_;
  SDL_PixelFormatEnum textureFormat_ = SDL_PIXELFORMAT_RGB565;
  int width_ = 0, height_ = 0;
  bool displayOpen_ = false;
  SDL_Rect viewport_{0, 0, 0, 0};
  UiLayer* layer_ = nullptr;
  Surface lastBack_;                   // what the last present showed, for F12 and test shots
  UiLayer* lastLayer_ = nullptr;
  std::unique_ptr<HeadlessUi> shotUi_;  // draws the controls into a screenshot
  SDL_AudioDeviceID audioDev_ = 0;
  AudioSource* audioSource_ = nullptr;
  AudioSpec audioSpec_;
  bool silentAudio_ = false;
  uint32_t silentLast_ = 0;
  double silentCarry_ = 0;
  std::vector<int16_t> silentScratch_;
  // Test runs only: with FG_TEST_SHOTS set to a folder, Scroll Lock writes
  // the last presented picture (lastBack_, without the controls) there as
  // shot1.png, shot2.png, …
  std::string testShotDir_;
  int testShots_ = 0;
};

}  // namespace fg
