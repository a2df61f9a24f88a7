#include "sdl_fixture.h"

#include <cstdlib>

#include "frontend/registry_store.h"

namespace fg::test {

void SdlFixture::SetUp() {
  setenv("SDL_VIDEODRIVER", "dummy", 1);
  setenv("SDL_AUDIODRIVER", "dummy", 1);
  // SDL's own software renderer: a GL one does not
  // survive SDL being started and stopped for every test.
  setenv("SDL_RENDER_DRIVER", "software", 1);
  static SdlPlatform* shared = new SdlPlatform(true);  // lives until the program ends
  platform = shared;
  platform->setSharpPixels(false);
  platform->setUiLayer(nullptr);
  if (!platform->openDisplay(640, 480)) GTEST_SKIP() << "SDL has no display driver here: " << SDL_GetError();
  SDL_FlushEvents(SDL_FIRSTEVENT, SDL_LASTEVENT);
}

std::filesystem::path SdlFixture::storedSettings(const std::string& name,
                                                 std::initializer_list<std::pair<const char*, int32_t>> values) {
  const std::filesystem::path folder = std::filesystem::path(::testing::TempDir()) / name;
  std::filesystem::remove_all(folder);
  RegistryStore s(folder.string());
  s.open();
  for (const auto& [key, value] : values) s.writeInteger(key, value);
  return folder;
}

void SdlFixture::push(SDL_Event e) {
  if (platform && platform->window()) e.window.windowID = SDL_GetWindowID(platform->window());
  ASSERT_EQ(SDL_PushEvent(&e), 1) << SDL_GetError();
}

void SdlFixture::pushKey(Uint32 type, SDL_Scancode sc) {
  SDL_Event e{};
  e.type = type;
  e.key.state = type == SDL_KEYDOWN ? SDL_PRESSED : SDL_RELEASED;
  e.key.keysym.scancode = sc;
  e.key.keysym.sym = SDL_GetKeyFromScancode(sc);
  push(e);
}

void SdlFixture::pushMotion(int x, int y) {
  SDL_Event e{};
  e.type = SDL_MOUSEMOTION;
  e.motion.x = x;
  e.motion.y = y;
  push(e);
}

void SdlFixture::pushButton(Uint32 type, Uint8 button, int x, int y) {
  SDL_Event e{};
  e.type = type;
  e.button.button = button;
  e.button.state = type == SDL_MOUSEBUTTONDOWN ? SDL_PRESSED : SDL_RELEASED;
  e.button.clicks = 1;
  e.button.x = x;
  e.button.y = y;
  push(e);
}

void SdlFixture::pushClick(Uint8 button, int x, int y) {
  pushMotion(x, y);
  pushButton(SDL_MOUSEBUTTONDOWN, button, x, y);
  pushButton(SDL_MOUSEBUTTONUP, button, x, y);
}

}  // namespace fg::test
