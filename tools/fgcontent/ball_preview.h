#pragma once
// A preview of the ball as the game builds it from the texture and the three
// subtractive sprites, for every texture, over a plain green. Artists only.
#include <vector>

#include "ball_art.h"

namespace fg {

Picture ballPreview(const std::vector<BallTexture>& textures, const Picture& shading, const Picture& darkening,
                    const Picture& shadow);

}  // namespace fg
