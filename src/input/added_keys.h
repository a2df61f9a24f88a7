#pragma once
// Keys the game window answers beyond its original table. Each was free
// there; like every play key they act only in play: on a title card or the
// help picture any key first does what it always did.
#include "media/platform.h"

namespace fg {

// Pause and resume; either key does both.
constexpr int kPauseKey = 'P';
constexpr int kPauseKeyAlt = vk::Pause;
// Start the hole again, in practice only.
constexpr int kRestartKey = 'R';

constexpr bool isPauseKey(int key) { return key == kPauseKey || key == kPauseKeyAlt; }

}  // namespace fg
