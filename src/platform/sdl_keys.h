#pragma once
// SDL's keys as the game's key codes.
#include <SDL.h>

namespace fg {

// The game's code for a key: letters by the letter the layout gives them
// (by place where it gives none), everything else by place. Never 0: a key
// without a code of the game's own gets vk::kOtherKeyBase + its scancode.
int gameKeyCode(SDL_Scancode scancode, SDL_Keycode sym);

}  // namespace fg
