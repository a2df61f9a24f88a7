#pragma once
// The players' platform over SDL2: one window, full screen at the desktop's
// resolution by default (the game's picture scaled up with black bars), the
// 16-bit back buffer uploaded to a texture at each flip, SDL's audio device and
// its millisecond clock.
#include <SDL.h>

#include <memory>
#include <string>
#include <vector>

#include "platform/platform.h"

namespace fg {

class SdlPlatform : public Platform {
 public:
  explicit SdlPlatform(bool windowed);
  ~SdlPlatform() override;

  uint32_t clock() override { return SDL_GetTicks(); }
  bool pollEvent(InputEvent& e) override;
  void idlePass() override;
  bool applicationActive() override { return active_; }
  bool openDisplay(int width, int height) override;
  void closeDisplay() override;
  bool displayLost() override;
  bool restoreDisplay() override;
  void present(const Surface& back) override;
  void setUiLayer(UiLayer* layer) override { ui_ = layer; }
  void setCursorPos(int x, int y) override;
  void showCursor(bool visible) override;
  void captureMouse(bool capture) override;
  uint32_t doubleClickTime() override { return 500; }
  bool openAudio(AudioSource* source, const AudioSpec* wanted, AudioSpec* got) override;
  void closeAudio() override;
  std::unique_ptr<VideoDecoder> openVideo(const std::string& path) override;
  void showError(const std::string& message) override;

 private:
  static void audioCallback(void* self, Uint8* stream, int len);
  bool ensureWindow();
  void makeTexture(SDL_PixelFormatEnum format);
  void toggleFullscreen();
  void updateViewport();
  bool toBackBuffer(int wx, int wy, int& x, int& y) const;
  bool translate(const SDL_Event& ev, InputEvent& out);
  void pullSilentAudio();

  bool windowed_;
  bool active_ = true;
  SDL_Window* window_ = nullptr;
  SDL_Renderer* renderer_ = nullptr;
  SDL_Texture* texture_ = nullptr;
  SDL_PixelFormatEnum textureFormat_ = SDL_PIXELFORMAT_RGB565;
  int width_ = 0, height_ = 0;
  bool displayOpen_ = false;
  SDL_Rect viewport_{0, 0, 0, 0};
  UiLayer* ui_ = nullptr;
  SDL_AudioDeviceID audioDev_ = 0;
  AudioSource* audioSource_ = nullptr;
  AudioSpec audioSpec_;
  bool silentAudio_ = false;
  uint32_t silentLast_ = 0;
  double silentCarry_ = 0;
  std::vector<int16_t> silentScratch_;
};

}  // namespace fg
