#pragma once
// The holes as their designer wrote them (content/holes), so a new hole or a
// new course is swept and played by the tests without a list to keep.
#include <string>
#include <vector>

#include "test_paths.h"

namespace fg::test {

std::vector<std::string> allHoles();  // every description, sorted by name
// The holes of each course in playing order, following the cups from
// "courseNhole1" to "done"; training holes are not a course.
std::vector<std::vector<std::string>> courses();

}  // namespace fg::test
