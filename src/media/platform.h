#pragma once
// What the game needs from the machine it runs on, in one interface: events,
// idle passes, the millisecond clock, presenting the 16-bit back buffer, the
// audio device, the cursor and the intro videos. Two implementations: SDL for
// players and a headless one (virtual clock, scripted input, PNG screenshots)
// for tests and tools. Nothing in here includes SDL or FFmpeg.
#include <cstdint>
#include <memory>
#include <string>

#include "media/surface.h"
#include "media/ui_layer.h"

namespace fg {

// Virtual-key codes, as the game's keyboard table knows them. Every physical
// key reaches the game as some code: the keys below by their own, any other
// as kOtherKeyBase plus the platform's number for the key.
namespace vk {
constexpr int Back = 0x08, Tab = 0x09, Clear = 0x0C, Return = 0x0D, Shift = 0x10, Control = 0x11, Menu = 0x12;
constexpr int Pause = 0x13, Capital = 0x14, Escape = 0x1B, Space = 0x20, Prior = 0x21, Next = 0x22;
constexpr int End = 0x23, Home = 0x24, Left = 0x25, Up = 0x26, Right = 0x27, Down = 0x28, Select = 0x29;
constexpr int Execute = 0x2B, Snapshot = 0x2C, Insert = 0x2D, Delete = 0x2E, Help = 0x2F;
constexpr int LWin = 0x5B, RWin = 0x5C, Apps = 0x5D, Sleep = 0x5F;
constexpr int Numpad0 = 0x60;  // … Numpad9 = 0x69
constexpr int Multiply = 0x6A, Add = 0x6B, Separator = 0x6C, Subtract = 0x6D, Decimal = 0x6E, Divide = 0x6F;
constexpr int F1 = 0x70, F2 = 0x71, F3 = 0x72, F4 = 0x73, F5 = 0x74, F6 = 0x75;
constexpr int F7 = 0x76, F8 = 0x77, F9 = 0x78, F10 = 0x79, F11 = 0x7A, F12 = 0x7B;
constexpr int F13 = 0x7C;  // … F24 = 0x87
constexpr int NumLock = 0x90, Scroll = 0x91;
constexpr int BrowserBack = 0xA6, BrowserForward = 0xA7, BrowserRefresh = 0xA8, BrowserStop = 0xA9;
constexpr int BrowserSearch = 0xAA, BrowserFavorites = 0xAB, BrowserHome = 0xAC;
constexpr int VolumeMute = 0xAD, VolumeDown = 0xAE, VolumeUp = 0xAF;
constexpr int MediaNext = 0xB0, MediaPrev = 0xB1, MediaStop = 0xB2, MediaPlayPause = 0xB3;
constexpr int LaunchMail = 0xB4, LaunchMediaSelect = 0xB5, LaunchApp1 = 0xB6, LaunchApp2 = 0xB7;
// The punctuation keys of a US keyboard, by place: ; = , - . / ` [ \ ] ' and
// the extra key beside the left Shift of European keyboards.
constexpr int Oem1 = 0xBA, OemPlus = 0xBB, OemComma = 0xBC, OemMinus = 0xBD, OemPeriod = 0xBE, Oem2 = 0xBF;
constexpr int Oem3 = 0xC0, Oem4 = 0xDB, Oem5 = 0xDC, Oem6 = 0xDD, Oem7 = 0xDE, Oem102 = 0xE2;
constexpr int kOtherKeyBase = 0x100;
// Letters and digits use their ASCII upper-case codes ('A' … 'Z', '0' … '9').
}  // namespace vk

enum class EventType : uint8_t {
  KeyDown,
  KeyUp,
  TextInput,   // typed characters for text fields (text holds UTF-8)
  MouseMove,
  MouseDown,   // raw press; click and double click are shaped by the core
  MouseUp,
  Activate,    // the application became the active one
  Deactivate,  // another application is in front
  Quit,        // the user closed the program from outside
};

struct InputEvent {
  EventType type = EventType::MouseMove;
  int key = 0;                 // virtual-key code for KeyDown/KeyUp
  int x = 0, y = 0;            // back-buffer pixels for mouse events
  MouseButton button = MouseButton::Left;
  bool shift = false, ctrl = false, alt = false;
  uint32_t time = 0;           // clock() when it happened
  std::string text;            // TextInput only
};

// Filled by the audio thread: the mixer sums its voices into `out`.
// Implementations lock their own state; nothing else runs on that thread.
class AudioSource {
 public:
  virtual ~AudioSource() = default;
  virtual void mix(int16_t* out, int frames, int channels, int rate) = 0;
};

struct AudioSpec {
  int rate = 22050;
  int channels = 1;
};

// A decoded intro video. Frames come out as 24-bit RGB; audio goes into the
// decoder's own sample queue, which it plays through `audio()`.
class VideoDecoder {
 public:
  virtual ~VideoDecoder() = default;
  virtual int width() const = 0;
  virtual int height() const = 0;
  // Advances to the picture due at `ms` since the start; false once the video
  // has ended. `rgb` holds width*height*3 bytes of the current picture.
  virtual bool advance(uint32_t ms) = 0;
  virtual const uint8_t* rgb() const = 0;
  virtual AudioSource* audio() = 0;  // null when the video has no sound
};

class Platform {
 public:
  virtual ~Platform() = default;

  // The millisecond clock (32-bit, wraps).
  virtual uint32_t clock() = 0;
  // The next pending event, without waiting. False when none is pending.
  virtual bool pollEvent(InputEvent& e) = 0;
  // Called when the message loop has nothing to do: the SDL platform yields the
  // processor briefly, the headless one moves its virtual clock on.
  virtual void idlePass() = 0;
  // An idle pass when nothing is due for `quietMs` milliseconds (input may
  // come sooner): a platform may wait that long, less a little to be on
  // time. Plain idle passes otherwise.
  virtual void idleFor(uint32_t quietMs) {
    (void)quietMs;
    idlePass();
  }
  virtual bool applicationActive() = 0;

  // Display: a back buffer of w × h is shown on the monitor, scaled with
  // black bars. False when the mode cannot be set.
  virtual bool openDisplay(int width, int height) = 0;
  virtual void closeDisplay() = 0;
  // False while the display cannot be drawn on (window minimised, renderer
  // lost). restoreDisplay() tries to get it back.
  virtual bool displayLost() = 0;
  virtual bool restoreDisplay() = 0;
  virtual void present(const Surface& back) = 0;
  // Controls drawn on top of the next presented pictures (the launch
  // window's); null for none. Under SDL they take the pointer while shown;
  // the headless platform only draws them, and the window hit-tests scripted
  // clicks itself.
  virtual void setUiLayer(UiLayer* layer) = 0;
  // Writes the picture on screen now (the last presented back buffer with
  // any controls drawn over it) as a PNG file at `path`, for the screenshot
  // key and the pictures of a round. False when nothing has been shown yet;
  // throws GameError when the file cannot be written.
  virtual bool saveScreenshot(const std::string& /*path*/) { return false; }

  // Cursor, in back-buffer pixels.
  virtual void setCursorPos(int x, int y) = 0;
  virtual void showCursor(bool visible) = 0;
  virtual void captureMouse(bool capture) = 0;
  virtual uint32_t doubleClickTime() = 0;
  // Scale the picture by whole numbers only (square, sharp pixels, maybe a
  // wider black frame); otherwise it fills the screen as far as its aspect
  // allows. Platforms without a screen ignore it.
  virtual void setSharpPixels(bool sharp) { (void)sharp; }

  // Audio: the source is mixed at the device's format until closeAudio().
  // `wanted` null means the device's own format. False when no device.
  virtual bool openAudio(AudioSource* source, const AudioSpec* wanted, AudioSpec* got) = 0;
  virtual void closeAudio() = 0;

  // Intro videos; null when the file cannot be opened or decoded.
  virtual std::unique_ptr<VideoDecoder> openVideo(const std::string& path) = 0;

  // An error that ended an operation: an error box and stderr.
  virtual void showError(const std::string& message) = 0;
};

}  // namespace fg
