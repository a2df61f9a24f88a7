#include "platform/sdl_platform.h"

#include <algorithm>
#include <iostream>

#include "platform/ffmpeg_video.h"
#include "platform/sdl_ui.h"

namespace fg {

namespace {

int mapKey(SDL_Keycode k) {
  if (k >= SDLK_a && k <= SDLK_z) return 'A' + (k - SDLK_a);
  if (k >= SDLK_0 && k <= SDLK_9) return '0' + (k - SDLK_0);
  if (k >= SDLK_F1 && k <= SDLK_F12) return vk::F1 + (k - SDLK_F1);
  switch (k) {
    case SDLK_ESCAPE: return vk::Escape;
    case SDLK_SPACE: return vk::Space;
    case SDLK_HOME: return vk::Home;
    case SDLK_END: return vk::End;
    case SDLK_PAGEUP: return vk::Prior;
    case SDLK_PAGEDOWN: return vk::Next;
    case SDLK_LEFT: return vk::Left;
    case SDLK_RIGHT: return vk::Right;
    case SDLK_UP: return vk::Up;
    case SDLK_DOWN: return vk::Down;
    case SDLK_RETURN: case SDLK_KP_ENTER: return vk::Return;
    case SDLK_TAB: return vk::Tab;
    case SDLK_BACKSPACE: return vk::Back;
    case SDLK_DELETE: return vk::Delete;
    case SDLK_LSHIFT: case SDLK_RSHIFT: return vk::Shift;
    case SDLK_LCTRL: case SDLK_RCTRL: return vk::Control;
    case SDLK_LALT: case SDLK_RALT: return vk::Menu;
    default: return 0;
  }
}

MouseButton mapButton(Uint8 b) {
  if (b == SDL_BUTTON_RIGHT) return MouseButton::Right;
  if (b == SDL_BUTTON_MIDDLE) return MouseButton::Middle;
  return MouseButton::Left;
}

}  // namespace

SdlPlatform::SdlPlatform(bool windowed) : windowed_(windowed) {
  SDL_SetHint(SDL_HINT_RENDER_SCALE_QUALITY, "0");
  if (SDL_Init(SDL_INIT_VIDEO | SDL_INIT_EVENTS | SDL_INIT_TIMER) != 0)
    std::cerr << "SDL could not start: " << SDL_GetError() << std::endl;
  if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0)
    std::cerr << "No sound: " << SDL_GetError() << std::endl;
}

SdlPlatform::~SdlPlatform() {
  closeAudio();
  sdlUiDetach();
  if (texture_) SDL_DestroyTexture(texture_);
  if (renderer_) SDL_DestroyRenderer(renderer_);
  if (window_) SDL_DestroyWindow(window_);
  SDL_Quit();
}

bool SdlPlatform::ensureWindow() {
  if (window_) return true;
  Uint32 flags = SDL_WINDOW_RESIZABLE | (windowed_ ? 0 : SDL_WINDOW_FULLSCREEN_DESKTOP);
  window_ = SDL_CreateWindow("Fairglade (beta 3)", SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED,
                             std::max(width_, 640), std::max(height_, 480), flags);
  if (!window_) return false;
  renderer_ = SDL_CreateRenderer(window_, -1, SDL_RENDERER_ACCELERATED | SDL_RENDERER_PRESENTVSYNC);
  if (!renderer_) renderer_ = SDL_CreateRenderer(window_, -1, SDL_RENDERER_SOFTWARE);
  if (!renderer_) return false;
  sdlUiAttach(window_, renderer_);
  return true;
}

void SdlPlatform::makeTexture(SDL_PixelFormatEnum format) {
  if (texture_) SDL_DestroyTexture(texture_);
  textureFormat_ = format;
  texture_ = SDL_CreateTexture(renderer_, format, SDL_TEXTUREACCESS_STREAMING, width_, height_);
}

bool SdlPlatform::openDisplay(int width, int height) {
  width_ = width;
  height_ = height;
  if (!ensureWindow()) return false;
  if (windowed_) SDL_SetWindowSize(window_, width, height);
  makeTexture(SDL_PIXELFORMAT_RGB565);
  if (!texture_) return false;
  SDL_ShowWindow(window_);
  SDL_RaiseWindow(window_);
  displayOpen_ = true;
  updateViewport();
  return true;
}

void SdlPlatform::closeDisplay() {
  displayOpen_ = false;
  if (texture_) SDL_DestroyTexture(texture_);
  texture_ = nullptr;
}

bool SdlPlatform::displayLost() {
  if (!displayOpen_ || !texture_) return true;
  return (SDL_GetWindowFlags(window_) & SDL_WINDOW_MINIMIZED) != 0;
}

bool SdlPlatform::restoreDisplay() {
  if (!displayOpen_ || !renderer_) return false;
  if (!texture_) makeTexture(textureFormat_);
  return texture_ && (SDL_GetWindowFlags(window_) & SDL_WINDOW_MINIMIZED) == 0;
}

void SdlPlatform::updateViewport() {
  int ww = 0, wh = 0;
  SDL_GetRendererOutputSize(renderer_, &ww, &wh);
  if (width_ <= 0 || height_ <= 0 || ww <= 0 || wh <= 0) return;
  // Whole-number scaling where it fits, so pixels stay square and sharp;
  // otherwise the largest picture that keeps the aspect.
  double scale = std::min(static_cast<double>(ww) / width_, static_cast<double>(wh) / height_);
  if (scale >= 1.0) scale = static_cast<int>(scale);
  int w = static_cast<int>(width_ * scale), h = static_cast<int>(height_ * scale);
  viewport_ = SDL_Rect{(ww - w) / 2, (wh - h) / 2, w, h};
}

void SdlPlatform::present(const Surface& back) {
  if (!renderer_ || !texture_) return;
  SDL_PixelFormatEnum want = back.format == PixelFormat::Rgb565 ? SDL_PIXELFORMAT_RGB565 : SDL_PIXELFORMAT_RGB555;
  if (want != textureFormat_ || back.width != width_ || back.height != height_) {
    width_ = back.width;
    height_ = back.height;
    makeTexture(want);
    if (!texture_) return;
  }
  updateViewport();
  SDL_UpdateTexture(texture_, nullptr, back.pixels.data(), back.width * 2);
  SDL_SetRenderDrawColor(renderer_, 0, 0, 0, 255);
  SDL_RenderClear(renderer_);
  SDL_RenderCopy(renderer_, texture_, nullptr, &viewport_);
  if (ui_) sdlUiRender(ui_, viewport_, width_, height_);
  SDL_RenderPresent(renderer_);
}

bool SdlPlatform::toBackBuffer(int wx, int wy, int& x, int& y) const {
  if (viewport_.w <= 0 || viewport_.h <= 0) return false;
  // Window points may differ from renderer pixels on high-density screens.
  int winW = 0, winH = 0, outW = 0, outH = 0;
  SDL_GetWindowSize(window_, &winW, &winH);
  SDL_GetRendererOutputSize(renderer_, &outW, &outH);
  double sx = winW > 0 ? static_cast<double>(outW) / winW : 1.0;
  double sy = winH > 0 ? static_cast<double>(outH) / winH : 1.0;
  double px = wx * sx - viewport_.x, py = wy * sy - viewport_.y;
  x = static_cast<int>(px * width_ / viewport_.w);
  y = static_cast<int>(py * height_ / viewport_.h);
  return true;
}

void SdlPlatform::setCursorPos(int x, int y) {
  if (!window_ || viewport_.w <= 0) return;
  int winW = 0, winH = 0, outW = 0, outH = 0;
  SDL_GetWindowSize(window_, &winW, &winH);
  SDL_GetRendererOutputSize(renderer_, &outW, &outH);
  double px = viewport_.x + (x + 0.5) * viewport_.w / width_;
  double py = viewport_.y + (y + 0.5) * viewport_.h / height_;
  int wx = outW > 0 ? static_cast<int>(px * winW / outW) : static_cast<int>(px);
  int wy = outH > 0 ? static_cast<int>(py * winH / outH) : static_cast<int>(py);
  SDL_WarpMouseInWindow(window_, wx, wy);
}

void SdlPlatform::showCursor(bool visible) { SDL_ShowCursor(visible ? SDL_ENABLE : SDL_DISABLE); }

void SdlPlatform::captureMouse(bool capture) {
  // Only a window needs it: a drag past its edge must keep reporting moves.
  if (windowed_ || !(SDL_GetWindowFlags(window_) & SDL_WINDOW_FULLSCREEN_DESKTOP))
    SDL_CaptureMouse(capture ? SDL_TRUE : SDL_FALSE);
}

void SdlPlatform::toggleFullscreen() {
  if (!window_) return;
  bool full = SDL_GetWindowFlags(window_) & SDL_WINDOW_FULLSCREEN_DESKTOP;
  SDL_SetWindowFullscreen(window_, full ? 0 : SDL_WINDOW_FULLSCREEN_DESKTOP);
  windowed_ = full;
  updateViewport();
}

bool SdlPlatform::translate(const SDL_Event& ev, InputEvent& out) {
  SDL_Keymod mod = SDL_GetModState();
  out = InputEvent{};
  out.shift = mod & KMOD_SHIFT;
  out.ctrl = mod & KMOD_CTRL;
  out.alt = mod & KMOD_ALT;
  out.time = SDL_GetTicks();
  switch (ev.type) {
    case SDL_QUIT:
      out.type = EventType::Quit;
      return true;
    case SDL_WINDOWEVENT:
      if (ev.window.event == SDL_WINDOWEVENT_FOCUS_GAINED || ev.window.event == SDL_WINDOWEVENT_FOCUS_LOST) {
        bool now = ev.window.event == SDL_WINDOWEVENT_FOCUS_GAINED;
        if (now == active_) return false;
        active_ = now;
        out.type = now ? EventType::Activate : EventType::Deactivate;
        return true;
      }
      if (ev.window.event == SDL_WINDOWEVENT_SIZE_CHANGED) updateViewport();
      return false;
    case SDL_KEYDOWN:
    case SDL_KEYUP: {
      if (ev.type == SDL_KEYDOWN && ev.key.keysym.sym == SDLK_RETURN && (mod & KMOD_ALT)) {
        if (!ev.key.repeat) toggleFullscreen();
        return false;
      }
      out.key = mapKey(ev.key.keysym.sym);
      if (!out.key) return false;
      out.type = ev.type == SDL_KEYDOWN ? EventType::KeyDown : EventType::KeyUp;
      return true;
    }
    case SDL_TEXTINPUT:
      out.type = EventType::TextInput;
      out.text = ev.text.text;
      return true;
    case SDL_MOUSEMOTION:
      out.type = EventType::MouseMove;
      toBackBuffer(ev.motion.x, ev.motion.y, out.x, out.y);
      return true;
    case SDL_MOUSEBUTTONDOWN:
    case SDL_MOUSEBUTTONUP:
      out.type = ev.type == SDL_MOUSEBUTTONDOWN ? EventType::MouseDown : EventType::MouseUp;
      out.button = mapButton(ev.button.button);
      toBackBuffer(ev.button.x, ev.button.y, out.x, out.y);
      return true;
    default:
      return false;
  }
}

bool SdlPlatform::pollEvent(InputEvent& e) {
  SDL_Event ev;
  while (SDL_PollEvent(&ev)) {
    if (ui_ && sdlUiEvent(ui_, ev)) continue;
    if (translate(ev, e)) return true;
  }
  return false;
}

void SdlPlatform::idlePass() {
  // The game's own idle loop never sleeps; a millisecond's pause here keeps a
  // core free without changing the pacing, which runs on whole milliseconds.
  SDL_Delay(1);
  pullSilentAudio();
}

void SdlPlatform::audioCallback(void* self, Uint8* stream, int len) {
  auto* p = static_cast<SdlPlatform*>(self);
  int frames = len / (2 * p->audioSpec_.channels);
  if (p->audioSource_)
    p->audioSource_->mix(reinterpret_cast<int16_t*>(stream), frames, p->audioSpec_.channels, p->audioSpec_.rate);
  else
    SDL_memset(stream, 0, len);
}

bool SdlPlatform::openAudio(AudioSource* source, const AudioSpec* wanted, AudioSpec* got) {
  closeAudio();
  SDL_AudioSpec want{}, have{};
  want.freq = wanted ? wanted->rate : 44100;
  want.format = AUDIO_S16SYS;
  want.channels = static_cast<Uint8>(wanted ? wanted->channels : 2);
  want.samples = 1024;
  want.callback = &SdlPlatform::audioCallback;
  want.userdata = this;
  audioSource_ = source;
  audioSpec_ = AudioSpec{want.freq, want.channels};
  audioDev_ = SDL_OpenAudioDevice(nullptr, 0, &want, &have, wanted ? 0 : SDL_AUDIO_ALLOW_FREQUENCY_CHANGE);
  if (!audioDev_) {
    // No sound card: play on a silent one, pulled by the clock, so the game
    // runs without sound instead of refusing to start.
    std::cerr << "No sound output (" << SDL_GetError() << "); playing silently" << std::endl;
    silentAudio_ = true;
    silentLast_ = SDL_GetTicks();
    silentCarry_ = 0;
    if (got) *got = audioSpec_;
    return true;
  }
  audioSpec_ = AudioSpec{have.freq, have.channels};
  if (got) *got = audioSpec_;
  SDL_PauseAudioDevice(audioDev_, 0);
  return true;
}

void SdlPlatform::closeAudio() {
  if (audioDev_) SDL_CloseAudioDevice(audioDev_);
  audioDev_ = 0;
  audioSource_ = nullptr;
  silentAudio_ = false;
}

void SdlPlatform::pullSilentAudio() {
  if (!silentAudio_ || !audioSource_) return;
  uint32_t now = SDL_GetTicks();
  silentCarry_ += static_cast<double>(audioSpec_.rate) * (now - silentLast_) / 1000.0;
  silentLast_ = now;
  int frames = static_cast<int>(silentCarry_);
  if (frames <= 0) return;
  silentCarry_ -= frames;
  silentScratch_.resize(static_cast<size_t>(frames) * audioSpec_.channels);
  audioSource_->mix(silentScratch_.data(), frames, audioSpec_.channels, audioSpec_.rate);
}

std::unique_ptr<VideoDecoder> SdlPlatform::openVideo(const std::string& path) { return openFfmpegVideo(path); }

void SdlPlatform::showError(const std::string& message) {
  std::cerr << message << std::endl;
  SDL_ShowSimpleMessageBox(SDL_MESSAGEBOX_ERROR, "Fairglade (beta 3)", message.c_str(), window_);
}

}  // namespace fg

#include "platform/sdl_factory.h"

namespace fg {
std::unique_ptr<Platform> makeSdlPlatform(bool windowed) { return std::make_unique<SdlPlatform>(windowed); }
}  // namespace fg
