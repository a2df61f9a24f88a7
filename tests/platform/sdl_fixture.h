#pragma once
// The players' platform under SDL's dummy video driver and its dummy
// sound driver, with real SDL events pushed into its queue.
#include <SDL.h>
#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <functional>
#include <initializer_list>
#include <memory>
#include <string>
#include <utility>

#include "platform/sdl_platform.h"

namespace fg::test {

// Starts SDL without a screen or a sound card; skips when even that fails.
class SdlFixture : public ::testing::Test {
 protected:
  // One platform for the whole program: SDL is started once, as the game
  // does (stopping and restarting it unloads libraries it cannot reload).
  void SetUp() override;

  void push(SDL_Event e);
  void pushKey(Uint32 type, SDL_Scancode sc);
  void pushMotion(int x, int y);
  void pushButton(Uint32 type, Uint8 button, int x, int y);
  // Press and release of `button` at (x, y), the pointer moved there first.
  void pushClick(Uint8 button, int x, int y);

  // A fresh settings folder `name` in the test's temporary folder, holding
  // just these stored values.
  static std::filesystem::path storedSettings(const std::string& name,
                                              std::initializer_list<std::pair<const char*, int32_t>> values);

  SdlPlatform* platform = nullptr;
};

}  // namespace fg::test
