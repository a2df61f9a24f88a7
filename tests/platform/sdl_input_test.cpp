// What reaches the game from SDL's events: a code for every key, the three
// mouse buttons the game knows and no others, focus and text.
#include <set>
#include <vector>

#include "media/application.h"
#include "sdl_fixture.h"

namespace fg {
namespace {

using test::SdlFixture;

class SdlInput : public SdlFixture {
 protected:
  // The events the game gets for what was pushed.
  std::vector<InputEvent> drain() {
    std::vector<InputEvent> out;
    InputEvent e;
    while (platform->pollEvent(e)) out.push_back(e);
    return out;
  }
};

TEST_F(SdlInput, EveryKeyReachesTheGameAsAKeyCode) {
  std::set<int> codes;
  for (int sc = SDL_SCANCODE_A; sc < SDL_NUM_SCANCODES; ++sc) {
    pushKey(SDL_KEYDOWN, static_cast<SDL_Scancode>(sc));
    std::vector<InputEvent> got = drain();
    ASSERT_EQ(got.size(), 1u) << "scancode " << sc << " (" << SDL_GetScancodeName(static_cast<SDL_Scancode>(sc)) << ")";
    EXPECT_EQ(got[0].type, EventType::KeyDown);
    EXPECT_NE(got[0].key, 0) << "scancode " << sc;
    codes.insert(got[0].key);
  }
  // Only keys that are one key to the game share a code (the two Shifts,
  // the two Enters, the menu keys …): nearly every key has its own.
  EXPECT_GT(codes.size(), static_cast<size_t>(SDL_NUM_SCANCODES - SDL_SCANCODE_A - 12));
}

struct NamedKey {
  const char* label;
  SDL_Scancode scancode;
  int key;
};

class SdlKeyCode : public SdlInput, public ::testing::WithParamInterface<NamedKey> {};

TEST_P(SdlKeyCode, MatchesTheGamesTable) {
  pushKey(SDL_KEYDOWN, GetParam().scancode);
  pushKey(SDL_KEYUP, GetParam().scancode);
  std::vector<InputEvent> got = drain();
  ASSERT_EQ(got.size(), 2u);
  EXPECT_EQ(got[0].type, EventType::KeyDown);
  EXPECT_EQ(got[1].type, EventType::KeyUp);
  EXPECT_EQ(got[0].key, GetParam().key);
  EXPECT_EQ(got[1].key, GetParam().key);
}

INSTANTIATE_TEST_SUITE_P(
    Keys, SdlKeyCode,
    ::testing::Values(NamedKey{"F8", SDL_SCANCODE_F8, vk::F8}, NamedKey{"F12", SDL_SCANCODE_F12, vk::F12},
                      NamedKey{"Escape", SDL_SCANCODE_ESCAPE, vk::Escape}, NamedKey{"Space", SDL_SCANCODE_SPACE, vk::Space},
                      NamedKey{"Home", SDL_SCANCODE_HOME, vk::Home}, NamedKey{"Left", SDL_SCANCODE_LEFT, vk::Left},
                      NamedKey{"P", SDL_SCANCODE_P, 'P'}, NamedKey{"M", SDL_SCANCODE_M, 'M'},
                      NamedKey{"R", SDL_SCANCODE_R, 'R'}, NamedKey{"Digit0", SDL_SCANCODE_0, '0'},
                      NamedKey{"Pause", SDL_SCANCODE_PAUSE, vk::Pause},
                      NamedKey{"Period", SDL_SCANCODE_PERIOD, vk::OemPeriod},
                      NamedKey{"Comma", SDL_SCANCODE_COMMA, vk::OemComma},
                      NamedKey{"Minus", SDL_SCANCODE_MINUS, vk::OemMinus},
                      NamedKey{"Keypad5", SDL_SCANCODE_KP_5, vk::Numpad0 + 5},
                      NamedKey{"KeypadEnter", SDL_SCANCODE_KP_ENTER, vk::Return},
                      NamedKey{"Insert", SDL_SCANCODE_INSERT, vk::Insert},
                      NamedKey{"CapsLock", SDL_SCANCODE_CAPSLOCK, vk::Capital},
                      NamedKey{"RightShift", SDL_SCANCODE_RSHIFT, vk::Shift},
                      NamedKey{"Lang1", SDL_SCANCODE_LANG1, vk::kOtherKeyBase + SDL_SCANCODE_LANG1}),
    [](const auto& info) { return std::string(info.param.label); });

// A window that counts what the application hands it.
struct CountingWindow : Window {
  void onMouseDown(MouseButton b, ShiftState, int, int) override { downs.push_back(b); }
  void onMouseUp(MouseButton b, ShiftState, int, int) override { ups.push_back(b); }
  void onClick() override { ++clicks; }
  std::vector<MouseButton> downs, ups;
  int clicks = 0;
};

struct ButtonCase {
  const char* label;
  Uint8 sdlButton;
  bool reaches;        // the game hears of it at all
  MouseButton button;
  int clicks;          // clicks shaped from press and release
};

class SdlButton : public SdlInput, public ::testing::WithParamInterface<ButtonCase> {};

TEST_P(SdlButton, OnlyTheGamesThreeButtonsReachIt) {
  const ButtonCase& c = GetParam();
  Application app(*platform);
  CountingWindow w;
  app.setTarget(&w);
  pushClick(c.sdlButton, 100, 120);
  app.pumpMessages();
  ASSERT_EQ(w.downs.size(), c.reaches ? 1u : 0u);
  ASSERT_EQ(w.ups.size(), c.reaches ? 1u : 0u);
  if (c.reaches) {
    EXPECT_EQ(w.downs[0], c.button);
  }
  EXPECT_EQ(w.clicks, c.clicks);
}

INSTANTIATE_TEST_SUITE_P(Buttons, SdlButton,
                         ::testing::Values(ButtonCase{"Left", SDL_BUTTON_LEFT, true, MouseButton::Left, 1},
                                           ButtonCase{"Middle", SDL_BUTTON_MIDDLE, true, MouseButton::Middle, 0},
                                           ButtonCase{"Right", SDL_BUTTON_RIGHT, true, MouseButton::Right, 0},
                                           ButtonCase{"Back", SDL_BUTTON_X1, false, MouseButton::Left, 0},
                                           ButtonCase{"Forward", SDL_BUTTON_X2, false, MouseButton::Left, 0}),
                         [](const auto& info) { return std::string(info.param.label); });

TEST_F(SdlInput, PointerPositionsAreBackBufferPixels) {
  pushMotion(320, 240);
  pushButton(SDL_MOUSEBUTTONDOWN, SDL_BUTTON_LEFT, 639, 479);
  std::vector<InputEvent> got = drain();
  ASSERT_EQ(got.size(), 2u);
  EXPECT_EQ(got[0].type, EventType::MouseMove);
  EXPECT_EQ(got[0].x, 320);
  EXPECT_EQ(got[0].y, 240);
  EXPECT_EQ(got[1].x, 639);
  EXPECT_EQ(got[1].y, 479);
}

TEST_F(SdlInput, FocusTextWheelAndQuit) {
  SDL_Event e{};
  e.type = SDL_WINDOWEVENT;
  e.window.event = SDL_WINDOWEVENT_FOCUS_LOST;
  push(e);
  e.window.event = SDL_WINDOWEVENT_FOCUS_LOST;  // no change, nothing new
  push(e);
  e.window.event = SDL_WINDOWEVENT_FOCUS_GAINED;
  push(e);
  SDL_Event wheel{};
  wheel.type = SDL_MOUSEWHEEL;
  wheel.wheel.y = 1;
  push(wheel);
  SDL_Event text{};
  text.type = SDL_TEXTINPUT;
  SDL_strlcpy(text.text.text, "\xC3\x85sa", sizeof text.text.text);
  push(text);
  SDL_Event quit{};
  quit.type = SDL_QUIT;
  push(quit);
  std::vector<InputEvent> got = drain();
  ASSERT_EQ(got.size(), 4u);
  EXPECT_EQ(got[0].type, EventType::Deactivate);
  EXPECT_EQ(got[1].type, EventType::Activate);
  EXPECT_EQ(got[2].type, EventType::TextInput);
  EXPECT_EQ(got[2].text, "\xC3\x85sa");
  EXPECT_EQ(got[3].type, EventType::Quit);
}

}  // namespace
}  // namespace fg
