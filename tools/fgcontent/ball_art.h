#pragma once
// The ball's pictures: the 16 x 16 textures the ball is wrapped in and the
// three subtractive sprites drawn around it (shading, darkening, ground shadow).
#include <string>
#include <vector>

#include "media/picture.h"

namespace fg {

struct BallTexture {
  std::string file;  // name in textures/
  Picture picture;   // 16 x 16
};

// The ball textures, the classic white ball first (it is also the default).
std::vector<BallTexture> makeBallTextures();
Picture ballShading();     // darker towards the lower right, nothing where the light falls
Picture ballDarkening();   // the whole disc, edge pixels included, at full strength
Picture ballShadow();      // a soft ellipse on the ground

}  // namespace fg
