#pragma once
// The hole archive's small pictures: cup rim, tunnel mouth, effects,
// objects, title card, flashes.
#include <string>
#include <vector>

#include "course_picture.h"
#include "hole_source.h"
#include "media/archive_writer.h"

namespace fg {

// A named animated look, e.g. "flag", "glow", "star"; throws on an unknown name.
ImageItemDesc makeSprite(const std::string& look);
ImageItemDesc makeTitleCard(const HoleSource& h);
// The cup's front rim (item 2) and the tunnel mouth (item 11): the course
// around the opening with the opening itself left see-through, so the ball
// sinking into it disappears behind the near edge.
ImageItemDesc makeOpeningCover(const Picture& course, const arearec& a, int left, int top);
// Every item of the hole's image archive, 0 … 16.
std::vector<ImageItemDesc> holeImages(const HoleSource& h, const CoursePictures& pics);

}  // namespace fg
