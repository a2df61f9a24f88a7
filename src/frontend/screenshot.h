#pragma once
// The screenshot key: the picture on screen now, written as a PNG named by
// the date and time into the screenshot folder.
#include <ctime>
#include <string>

#include "media/platform.h"

namespace fg {

// "fairglade-20261208-074501.png" for that local time.
std::string screenshotName(const std::tm& local);

// Writes the platform's current picture into `folder` (created when
// missing; empty means screenshotFolder()). A name already taken gets "-2",
// "-3" … Returns the path written; throws GameError when there is no picture
// or the file cannot be written.
std::string saveScreenshot(Platform& platform, const std::string& folder = {});

}  // namespace fg
