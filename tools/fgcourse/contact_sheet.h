#pragma once
#include <string>
#include <vector>

#include "course_picture.h"

namespace fg {

struct SheetEntry {
  std::string name;
  CoursePictures pics;
};

// One PNG with every course picture and, beside it, its foreground layer.
void writeContactSheet(const std::vector<SheetEntry>& entries, const std::string& path);

}  // namespace fg
