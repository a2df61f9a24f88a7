#include "input_fixture.h"

#include <unistd.h>

#include "media/archive_writer.h"
#include "media/pixel_format.h"
#include "state/game_state.h"
#include "state/sound_items.h"

namespace fg::test {

namespace {

// The target has 4 patterns (aim_frame / 3), the gauge 31 (round(90 / 3)),
// putter and shadow 32 directions.
int patternsOf(int item) {
  switch (item) {
    case 5: return 31;
    case 6: return 4;
    case 9:
    case 10: return 32;
    default: return 1;
  }
}

Picture itemPicture(int item) {
  int n = patternsOf(item);
  Picture p;
  p.width = kPatternSide * n;
  p.height = kPatternSide;
  p.rgb.resize(static_cast<size_t>(p.width) * p.height * 3);
  for (int y = 0; y < p.height; ++y) {
    for (int x = 0; x < p.width; ++x) {
      // The putter's shadow is black, so subtracting it leaves the picture.
      uint32_t c = item == 9 ? 0 : guiColour(item, x / kPatternSide);
      uint8_t* px = &p.rgb[(static_cast<size_t>(y) * p.width + x) * 3];
      px[0] = c & 0xFF;
      px[1] = (c >> 8) & 0xFF;
      px[2] = (c >> 16) & 0xFF;
    }
  }
  return p;
}

// Long enough that no sound ends while a test runs, so the number of copies
// an item has made counts its plays.
Wave longWave() { return makePcmWave(11025, 8, 1, std::vector<uint8_t>(11025 * 20, 128)); }
Wave shortWave() { return makePcmWave(11025, 8, 1, std::vector<uint8_t>(64, 128)); }

std::filesystem::path uniqueDir() {
  const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
  std::string name = std::string(info->test_suite_name()) + "_" + info->name();
  for (char& c : name)
    if (c == '/') c = '_';
  auto d = std::filesystem::temp_directory_path() / ("fg_input_" + std::to_string(::getpid()) + "_" + name);
  std::filesystem::remove_all(d);
  std::filesystem::create_directories(d);
  return d;
}

}  // namespace

uint32_t guiColour(int item, int pattern) {
  // 0x00BBGGRR: red counts items, green patterns, in steps a 16-bit pixel keeps.
  return (200u << 16) | (static_cast<uint32_t>(pattern * 8) << 8) | static_cast<uint32_t>(item * 8);
}

DrawnPattern drawnAt(const Surface& s, int x, int y) {
  if (x < 0 || y < 0 || x >= s.width || y >= s.height) return {};
  uint16_t v = s.at(x, y);
  uint32_t r = PixelTraits<PixelFormat::Rgb565>::red(v);
  uint32_t g = PixelTraits<PixelFormat::Rgb565>::green(v);
  uint32_t b = PixelTraits<PixelFormat::Rgb565>::blue(v);
  if (b != 200u) return {};
  return {static_cast<int>(r / 8), static_cast<int>(g / 8)};
}

int guiPatternCount(int item) { return patternsOf(item); }

Picture solidPicture(int w, int h, uint32_t bgr) {
  Picture p;
  p.width = w;
  p.height = h;
  p.rgb.reserve(static_cast<size_t>(w) * h * 3);
  for (int i = 0; i < w * h; ++i) {
    p.rgb.push_back(bgr & 0xFF);
    p.rgb.push_back((bgr >> 8) & 0xFF);
    p.rgb.push_back((bgr >> 16) & 0xFF);
  }
  return p;
}

Picture defaultGuiPicture(int item) { return itemPicture(item); }

void writeGameFiles(const std::string& dir) {
  std::vector<ImageItemDesc> guiItems;
  for (int i = 0; i < kGuiItems; ++i) {
    ImageItemDesc d;
    d.name = "gui" + std::to_string(i);
    d.picture = itemPicture(i);
    d.patternWidth = kPatternSide;
    d.patternHeight = kPatternSide;
    d.transparent = false;
    guiItems.push_back(std::move(d));
  }
  writeFileAtomically(dir + "gui.dxg", writeImageArchive(guiItems));

  std::vector<ImageItemDesc> menuItems(4);
  for (int i = 0; i < 4; ++i) {
    menuItems[i].name = "menu" + std::to_string(i);
    menuItems[i].picture = solidPicture(10, 10, 0x000000F0u + static_cast<uint32_t>(i) * 0x2000);
    menuItems[i].transparent = false;
  }
  writeFileAtomically(dir + "menu.dxg", writeImageArchive(menuItems));

  std::vector<WaveItemDesc> waves(8);
  for (int i = 0; i < 8; ++i) {
    waves[i].name = "sound" + std::to_string(i);
    waves[i].wave = (i == 0 || i == 5) ? longWave() : shortWave();
  }
  writeFileAtomically(dir + "sound.dxw", writeWaveArchive(waves));
}

InputFixture::InputFixture() : dir(uniqueDir()) {
  std::string exe = dir.string() + "/";
  writeGameFiles(exe);
  launchpad.ball_texture = solidPicture(2, 2, 0x00123456u);
  host = std::make_unique<FakeHost>(platform, DXDraw, sounds);
  ctx = std::make_unique<GameContext>(GameContext{gs, menu, gui, course, sounds, bgsounds, DXDraw, gengine, launchpad,
                                                  *host, platform, training_mode, exe, [this] { ++closes; }});
  window = std::make_unique<HandlerWindow>(*ctx);
  app.setTarget(window.get());
  DXDraw.bind(menu);
  DXDraw.bind(gui);
  DXDraw.bind(course);
  DXSound.bind(sounds);
  DXSound.bind(bgsounds);
  menu.loadFromFile(exe + "menu.dxg");
  sounds.loadFromFile(exe + "sound.dxw");
  loadInterfacePictures(*ctx);
  DXDraw.setMode(640, 480);
  DXDraw.Initialize();
  DXSound.Initialize();

  gs.game_screen = kScreenPlay;
  gs.sound_on = true;
  gs.pull_putt = true;
  gs.pointer_visible = true;
  gs.ball_x = 320;
  gs.ball_y = 240;
  gs.ball_moving = false;
  gs.swing_speed = 1;
  gs.frame_skip = 2;
  gs.banner_pos = -1;
  gs.last_bounce_area = 5;
  move(320, 240);
}

InputFixture::~InputFixture() {
  DXSound.Finalize();
  DXDraw.Finalize();
  std::error_code ec;
  std::filesystem::remove_all(dir, ec);
}

void InputFixture::pump() { app.pumpMessages(); }

void InputFixture::move(int x, int y) {
  InputEvent e;
  e.type = EventType::MouseMove;
  e.x = x;
  e.y = y;
  platform.push(e);
  pump();
}

void InputFixture::press(MouseButton b) {
  InputEvent e;
  e.type = EventType::MouseDown;
  e.x = gs.mouse_x;
  e.y = gs.mouse_y;
  e.button = b;
  platform.push(e);
  pump();
}

void InputFixture::release(MouseButton b) {
  InputEvent e;
  e.type = EventType::MouseUp;
  e.x = gs.mouse_x;
  e.y = gs.mouse_y;
  e.button = b;
  platform.push(e);
  pump();
}

void InputFixture::click(MouseButton b) {
  press(b);
  release(b);
}

void InputFixture::clickAt(int x, int y) {
  move(x, y);
  click();
}

void InputFixture::doubleClickAt(int x, int y) {
  move(x, y);
  click();
  click();
}

void InputFixture::key(int code) {
  keyDown(code);
  keyUp(code);
}

void InputFixture::keyDown(int code) {
  InputEvent e;
  e.type = EventType::KeyDown;
  e.key = code;
  platform.push(e);
  pump();
}

void InputFixture::keyUp(int code) {
  InputEvent e;
  e.type = EventType::KeyUp;
  e.key = code;
  platform.push(e);
  pump();
}

void InputFixture::pause() { platform.advance(platform.doubleClickTime() + 1); }

void InputFixture::frame() {
  puttingPhase(*ctx);
  pump();  // the cursor move a strike makes
}

int InputFixture::framesUntilStrike(int limit) {
  for (int n = 1; n <= limit; ++n) {
    frame();
    if (gs.putt_phase == 0) return n;
  }
  return -1;
}

int InputFixture::clicks() const { return sounds.item(kSoundClick).copyCount(); }
int InputFixture::puttSounds() const { return sounds.item(kSoundPutt).copyCount(); }

std::string InputFixture::bannerWords() const {
  return gs.banner_text.size() >= kBannerLead ? gs.banner_text.substr(kBannerLead) : std::string{};
}

}  // namespace fg::test
