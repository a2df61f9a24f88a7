#include "platform/sdl_keys.h"

#include "media/platform.h"

namespace fg {

namespace {

struct KeyPair {
  SDL_Scancode scancode;
  int key;
};

// Keys with a code of their own, by place on the keyboard.
constexpr KeyPair kKeys[] = {
    {SDL_SCANCODE_RETURN, vk::Return},        {SDL_SCANCODE_ESCAPE, vk::Escape},
    {SDL_SCANCODE_BACKSPACE, vk::Back},       {SDL_SCANCODE_TAB, vk::Tab},
    {SDL_SCANCODE_SPACE, vk::Space},          {SDL_SCANCODE_MINUS, vk::OemMinus},
    {SDL_SCANCODE_EQUALS, vk::OemPlus},       {SDL_SCANCODE_LEFTBRACKET, vk::Oem4},
    {SDL_SCANCODE_RIGHTBRACKET, vk::Oem6},    {SDL_SCANCODE_BACKSLASH, vk::Oem5},
    {SDL_SCANCODE_NONUSHASH, vk::Oem5},       {SDL_SCANCODE_SEMICOLON, vk::Oem1},
    {SDL_SCANCODE_APOSTROPHE, vk::Oem7},      {SDL_SCANCODE_GRAVE, vk::Oem3},
    {SDL_SCANCODE_COMMA, vk::OemComma},       {SDL_SCANCODE_PERIOD, vk::OemPeriod},
    {SDL_SCANCODE_SLASH, vk::Oem2},           {SDL_SCANCODE_NONUSBACKSLASH, vk::Oem102},
    {SDL_SCANCODE_CAPSLOCK, vk::Capital},     {SDL_SCANCODE_PRINTSCREEN, vk::Snapshot},
    {SDL_SCANCODE_SCROLLLOCK, vk::Scroll},    {SDL_SCANCODE_PAUSE, vk::Pause},
    {SDL_SCANCODE_INSERT, vk::Insert},        {SDL_SCANCODE_HOME, vk::Home},
    {SDL_SCANCODE_PAGEUP, vk::Prior},         {SDL_SCANCODE_DELETE, vk::Delete},
    {SDL_SCANCODE_END, vk::End},              {SDL_SCANCODE_PAGEDOWN, vk::Next},
    {SDL_SCANCODE_RIGHT, vk::Right},          {SDL_SCANCODE_LEFT, vk::Left},
    {SDL_SCANCODE_DOWN, vk::Down},            {SDL_SCANCODE_UP, vk::Up},
    {SDL_SCANCODE_NUMLOCKCLEAR, vk::NumLock}, {SDL_SCANCODE_KP_DIVIDE, vk::Divide},
    {SDL_SCANCODE_KP_MULTIPLY, vk::Multiply}, {SDL_SCANCODE_KP_MINUS, vk::Subtract},
    {SDL_SCANCODE_KP_PLUS, vk::Add},          {SDL_SCANCODE_KP_ENTER, vk::Return},
    {SDL_SCANCODE_KP_PERIOD, vk::Decimal},    {SDL_SCANCODE_KP_COMMA, vk::Separator},
    {SDL_SCANCODE_KP_0, vk::Numpad0},         {SDL_SCANCODE_APPLICATION, vk::Apps},
    {SDL_SCANCODE_MENU, vk::Apps},            {SDL_SCANCODE_HELP, vk::Help},
    {SDL_SCANCODE_SELECT, vk::Select},        {SDL_SCANCODE_EXECUTE, vk::Execute},
    {SDL_SCANCODE_CLEAR, vk::Clear},          {SDL_SCANCODE_SLEEP, vk::Sleep},
    {SDL_SCANCODE_MUTE, vk::VolumeMute},      {SDL_SCANCODE_AUDIOMUTE, vk::VolumeMute},
    {SDL_SCANCODE_VOLUMEDOWN, vk::VolumeDown}, {SDL_SCANCODE_VOLUMEUP, vk::VolumeUp},
    {SDL_SCANCODE_AUDIONEXT, vk::MediaNext},  {SDL_SCANCODE_AUDIOPREV, vk::MediaPrev},
    {SDL_SCANCODE_AUDIOSTOP, vk::MediaStop},  {SDL_SCANCODE_AUDIOPLAY, vk::MediaPlayPause},
    {SDL_SCANCODE_MAIL, vk::LaunchMail},      {SDL_SCANCODE_MEDIASELECT, vk::LaunchMediaSelect},
    {SDL_SCANCODE_CALCULATOR, vk::LaunchApp2}, {SDL_SCANCODE_COMPUTER, vk::LaunchApp1},
    {SDL_SCANCODE_AC_SEARCH, vk::BrowserSearch}, {SDL_SCANCODE_AC_HOME, vk::BrowserHome},
    {SDL_SCANCODE_AC_BACK, vk::BrowserBack},  {SDL_SCANCODE_AC_FORWARD, vk::BrowserForward},
    {SDL_SCANCODE_AC_STOP, vk::BrowserStop},  {SDL_SCANCODE_AC_REFRESH, vk::BrowserRefresh},
    {SDL_SCANCODE_AC_BOOKMARKS, vk::BrowserFavorites},
    {SDL_SCANCODE_LCTRL, vk::Control},        {SDL_SCANCODE_RCTRL, vk::Control},
    {SDL_SCANCODE_LSHIFT, vk::Shift},         {SDL_SCANCODE_RSHIFT, vk::Shift},
    {SDL_SCANCODE_LALT, vk::Menu},            {SDL_SCANCODE_RALT, vk::Menu},
    {SDL_SCANCODE_LGUI, vk::LWin},            {SDL_SCANCODE_RGUI, vk::RWin},
};

}  // namespace

int gameKeyCode(SDL_Scancode sc, SDL_Keycode sym) {
  if (sym >= SDLK_a && sym <= SDLK_z) return 'A' + (sym - SDLK_a);
  if (sc >= SDL_SCANCODE_A && sc <= SDL_SCANCODE_Z) return 'A' + (sc - SDL_SCANCODE_A);
  // The top row by place: 1 … 9, then 0.
  if (sc >= SDL_SCANCODE_1 && sc <= SDL_SCANCODE_9) return '1' + (sc - SDL_SCANCODE_1);
  if (sc == SDL_SCANCODE_0) return '0';
  if (sc >= SDL_SCANCODE_F1 && sc <= SDL_SCANCODE_F12) return vk::F1 + (sc - SDL_SCANCODE_F1);
  if (sc >= SDL_SCANCODE_F13 && sc <= SDL_SCANCODE_F24) return vk::F13 + (sc - SDL_SCANCODE_F13);
  if (sc >= SDL_SCANCODE_KP_1 && sc <= SDL_SCANCODE_KP_9) return vk::Numpad0 + 1 + (sc - SDL_SCANCODE_KP_1);
  for (const KeyPair& k : kKeys)
    if (k.scancode == sc) return k.key;
  return vk::kOtherKeyBase + static_cast<int>(sc);
}

}  // namespace fg
