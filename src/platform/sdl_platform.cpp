#include "platform/sdl_platform.h"

#include <algorithm>
#include <cstdlib>
#include <iostream>

#include "platform/ffmpeg_video.h"
#include "platform/display_fit.h"
#include "platform/headless_platform.h"
#include "platform/headless_ui.h"
#include "platform/sdl_keys.h"
#include "platform/sdl_ui.h"

namespace fg {

namespace {

// The game knows three mouse buttons; the side buttons are not among them.
bool mapButton(Uint8 b, MouseButton& out) {
  switch (b) {
    case SDL_BUTTON_LEFT: out = MouseButton::Left; return true;
    case SDL_BUTTON_RIGHT: out = MouseButton::Right; return true;
    case SDL_BUTTON_MIDDLE: out = MouseButton::Middle; return true;
    default: return false;
  }
}

// The idle loop waits for input until this long before the next thing is
// due, then only yields: waking up takes the system a millisecond or so.
constexpr uint32_t kWakeEarlyMs = 2;

}  // namespace

SdlPlatform::Session::Session() {
  SDL_SetHint(SDL_HINT_RENDER_SCALE_QUALITY, "0");
  if (SDL_Init(SDL_INIT_VIDEO | SDL_INIT_EVENTS | SDL_INIT_TIMER) != 0)
    std::cerr << "SDL could not start: " << SDL_GetError() << std::endl;
  if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0)
    std::cerr << "No sound: " << SDL_GetError() << std::endl;
}

SdlPlatform::Session::~Session() { SDL_Quit(); }

SdlPlatform::SdlPlatform(bool windowed) : windowed_(windowed) {
  if (const char* dir = std::getenv("FG_TEST_SHOTS")) testShotDir_ = dir;
}

void SdlPlatform::writeTestShot() {
  if (lastBack_.empty()) return;
  std::string path = testShotDir_ + "/shot" + std::to_string(++testShots_) + ".png";
  try {
    writeSurfacePng(path, lastBack_);
  } catch (const std::exception& e) {
    std::cerr << e.what() << std::endl;
  }
}

SdlPlatform::~SdlPlatform() { closeAudio(); }

bool SdlPlatform::ensureWindow() {
  if (window_ && renderer_) return true;
  if (!window_) {
    Uint32 flags = SDL_WINDOW_RESIZABLE | (windowed_ ? 0 : SDL_WINDOW_FULLSCREEN_DESKTOP);
    window_.reset(SDL_CreateWindow("Fairglade (beta 3)", SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED,
                                   std::max(width_, 640), std::max(height_, 480), flags));
    if (!window_) return false;
    SDL_ShowCursor(cursorShown_ ? SDL_ENABLE : SDL_DISABLE);
  }
  renderer_.reset(SDL_CreateRenderer(window_.get(), -1, SDL_RENDERER_ACCELERATED | SDL_RENDERER_PRESENTVSYNC));
  if (!renderer_) renderer_.reset(SDL_CreateRenderer(window_.get(), -1, SDL_RENDERER_SOFTWARE));
  if (!renderer_) return false;
  ui_ = std::make_unique<SdlUi>(renderer_.get());
  return true;
}

void SdlPlatform::makeTexture(SDL_PixelFormatEnum format) {
  texture_.reset();
  textureFormat_ = format;
  texture_.reset(SDL_CreateTexture(renderer_.get(), format, SDL_TEXTUREACCESS_STREAMING, width_, height_));
}

bool SdlPlatform::openDisplay(int width, int height) {
  width_ = width;
  height_ = height;
  if (!ensureWindow()) return false;
  if (windowed_) SDL_SetWindowSize(window_.get(), width, height);
  makeTexture(SDL_PIXELFORMAT_RGB565);
  if (!texture_) return false;
  SDL_ShowWindow(window_.get());
  SDL_RaiseWindow(window_.get());
  displayOpen_ = true;
  updateViewport();
  return true;
}

void SdlPlatform::closeDisplay() {
  displayOpen_ = false;
  texture_.reset();
}

bool SdlPlatform::displayLost() {
  if (!displayOpen_ || !texture_) return true;
  return (SDL_GetWindowFlags(window_.get()) & SDL_WINDOW_MINIMIZED) != 0;
}

bool SdlPlatform::restoreDisplay() {
  if (!displayOpen_ || !renderer_) return false;
  if (!texture_) makeTexture(textureFormat_);
  return texture_ && (SDL_GetWindowFlags(window_.get()) & SDL_WINDOW_MINIMIZED) == 0;
}

void SdlPlatform::updateViewport() {
  int ww = 0, wh = 0;
  if (!renderer_ || SDL_GetRendererOutputSize(renderer_.get(), &ww, &wh) != 0) return;
  Rect r = fitPicture(ww, wh, width_, height_, sharpPixels_);
  if (r.empty()) return;
  viewport_ = SDL_Rect{r.left, r.top, r.width(), r.height()};
}

void SdlPlatform::setSharpPixels(bool sharp) {
  sharpPixels_ = sharp;
  updateViewport();
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
  lastBack_ = back;
  lastLayer_ = layer_;
  SDL_Renderer* r = renderer_.get();
  SDL_UpdateTexture(texture_.get(), nullptr, back.pixels.data(), back.width * 2);
  SDL_SetRenderDrawColor(r, 0, 0, 0, 255);
  SDL_RenderClear(r);
  SDL_RenderCopy(r, texture_.get(), nullptr, &viewport_);
  if (layer_ && ui_) ui_->render(*layer_, viewport_, width_, height_);
  SDL_RenderPresent(r);
}

void SdlPlatform::setUiLayer(UiLayer* layer) {
  if (!layer) lastLayer_ = nullptr;  // the layer may go away before the next picture
  if (layer == layer_) return;
  layer_ = layer;
  // Input meant for the old controls must not reach new ones.
  if (ui_) ui_->reset();
}

bool SdlPlatform::saveScreenshot(const std::string& path) {
  if (lastBack_.empty()) return false;
  // The controls are drawn by the renderer; the software painter of the
  // headless platform draws the same ones into the copy.
  Surface withControls;
  if (lastLayer_) {
    if (!shotUi_) shotUi_ = std::make_unique<HeadlessUi>();
    if (shotUi_->compose(*lastLayer_, lastBack_, withControls)) {
      writeSurfacePng(path, withControls);
      return true;
    }
  }
  writeSurfacePng(path, lastBack_);
  return true;
}

bool SdlPlatform::toBackBuffer(int wx, int wy, int& x, int& y) const {
  if (viewport_.w <= 0 || viewport_.h <= 0) return false;
  // Window points may differ from renderer pixels on high-density screens.
  int winW = 0, winH = 0, outW = 0, outH = 0;
  SDL_GetWindowSize(window_.get(), &winW, &winH);
  SDL_GetRendererOutputSize(renderer_.get(), &outW, &outH);
  double sx = winW > 0 ? static_cast<double>(outW) / winW : 1.0;
  double sy = winH > 0 ? static_cast<double>(outH) / winH : 1.0;
  double px = wx * sx - viewport_.x, py = wy * sy - viewport_.y;
  x = static_cast<int>(px * width_ / viewport_.w);
  y = static_cast<int>(py * height_ / viewport_.h);
  return true;
}

void SdlPlatform::setCursorPos(int x, int y) {
  if (!window_ || !renderer_ || viewport_.w <= 0 || width_ <= 0 || height_ <= 0) return;
  int winW = 0, winH = 0, outW = 0, outH = 0;
  SDL_GetWindowSize(window_.get(), &winW, &winH);
  SDL_GetRendererOutputSize(renderer_.get(), &outW, &outH);
  double px = viewport_.x + (x + 0.5) * viewport_.w / width_;
  double py = viewport_.y + (y + 0.5) * viewport_.h / height_;
  int wx = outW > 0 ? static_cast<int>(px * winW / outW) : static_cast<int>(px);
  int wy = outH > 0 ? static_cast<int>(py * winH / outH) : static_cast<int>(py);
  SDL_WarpMouseInWindow(window_.get(), wx, wy);
}

void SdlPlatform::showCursor(bool visible) {
  // Only the windows say when the system pointer shows: over the launch
  // window it does, over the intro and the game (which draws its own) not.
  cursorShown_ = visible;
  SDL_ShowCursor(visible ? SDL_ENABLE : SDL_DISABLE);
}

void SdlPlatform::captureMouse(bool capture) {
  // Only a window needs it: a drag past its edge must keep reporting moves.
  if (!window_) return;
  if (windowed_ || !(SDL_GetWindowFlags(window_.get()) & SDL_WINDOW_FULLSCREEN_DESKTOP))
    SDL_CaptureMouse(capture ? SDL_TRUE : SDL_FALSE);
}

void SdlPlatform::toggleFullscreen() {
  if (!window_) return;
  bool full = SDL_GetWindowFlags(window_.get()) & SDL_WINDOW_FULLSCREEN_DESKTOP;
  SDL_SetWindowFullscreen(window_.get(), full ? 0 : SDL_WINDOW_FULLSCREEN_DESKTOP);
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
      if (!testShotDir_.empty() && ev.key.keysym.scancode == SDL_SCANCODE_SCROLLLOCK) {
        if (ev.type == SDL_KEYDOWN && !ev.key.repeat) writeTestShot();
        return false;
      }
      out.key = gameKeyCode(ev.key.keysym.scancode, ev.key.keysym.sym);
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
      if (!mapButton(ev.button.button, out.button)) return false;
      out.type = ev.type == SDL_MOUSEBUTTONDOWN ? EventType::MouseDown : EventType::MouseUp;
      toBackBuffer(ev.button.x, ev.button.y, out.x, out.y);
      return true;
    default:
      return false;
  }
}

bool SdlPlatform::pollEvent(InputEvent& e) {
  SDL_Event ev;
  while (SDL_PollEvent(&ev)) {
    if (layer_ && ui_) {
      int x = 0, y = 0;
      if (ev.type == SDL_MOUSEMOTION) toBackBuffer(ev.motion.x, ev.motion.y, x, y);
      if (ev.type == SDL_MOUSEBUTTONDOWN || ev.type == SDL_MOUSEBUTTONUP) toBackBuffer(ev.button.x, ev.button.y, x, y);
      // Taken events belong to the controls: the window's own hit-testing
      // must not see the same click a second time.
      if (ui_->take(ev, x, y)) continue;
    }
    if (translate(ev, e)) return true;
  }
  return false;
}

void SdlPlatform::idlePass() {
  // A plain pass (a pause that counts the clock) gives the processor away
  // for a moment. What the system sent meanwhile is taken into SDL's queue
  // (not handled): a click pumped only after the pause, together with the
  // window's first focus, would be dropped by SDL as the focusing click.
  SDL_PumpEvents();
  SDL_Delay(1);
  pullSilentAudio();
}

void SdlPlatform::idleFor(uint32_t quietMs) {
  // Wait for input until shortly before the next tick is due, then only
  // yield, so the tick comes on time and the processor still rests.
  if (quietMs > kWakeEarlyMs)
    SDL_WaitEventTimeout(nullptr, static_cast<int>(quietMs - kWakeEarlyMs));
  else
    SDL_Delay(0);
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
  SDL_ShowSimpleMessageBox(SDL_MESSAGEBOX_ERROR, "Fairglade (beta 3)", message.c_str(), window_.get());
}

}  // namespace fg

#include "platform/sdl_factory.h"

namespace fg {
std::unique_ptr<Platform> makeSdlPlatform(bool windowed) { return std::make_unique<SdlPlatform>(windowed); }
}  // namespace fg
