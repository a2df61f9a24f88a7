#pragma once
// Intro videos decoded with FFmpeg: pictures as 24-bit RGB, sound resampled
// for the platform's audio device.
#include <memory>
#include <string>

#include "media/platform.h"

namespace fg {

// Null when the file cannot be opened or holds no decodable video stream.
std::unique_ptr<VideoDecoder> openFfmpegVideo(const std::string& path);

}  // namespace fg
