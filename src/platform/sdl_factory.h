#pragma once
// The players' platform, made without showing SDL to the caller.
#include <memory>

#include "media/platform.h"

namespace fg {

std::unique_ptr<Platform> makeSdlPlatform(bool windowed);

}  // namespace fg
