#pragma once
// The players' platform under SDL's offscreen video driver and its dummy
// sound driver, with real SDL events pushed into its queue.
#include <SDL.h>
#include <gtest/gtest.h>

#include <cstdint>
#include <functional>
#include <memory>
#include <string>

#include "platform/sdl_platform.h"

namespace fg::test {

// Starts SDL without a screen or a sound card; skips when even that fails.
class SdlFixture : public ::testing::Test {
 protected:
  void SetUp() override;
  virtual std::unique_ptr<SdlPlatform> makePlatform() { return std::make_unique<SdlPlatform>(true); }
  void TearDown() override { platform.reset(); }

  void push(SDL_Event e);
  void pushKey(Uint32 type, SDL_Scancode sc);
  void pushMotion(int x, int y);
  void pushButton(Uint32 type, Uint8 button, int x, int y);
  // Press and release of `button` at (x, y), the pointer moved there first.
  void pushClick(Uint8 button, int x, int y);

  std::unique_ptr<SdlPlatform> platform;
};

}  // namespace fg::test
