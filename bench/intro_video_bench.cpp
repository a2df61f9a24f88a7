// Cost of one intro picture: decoding the next frame of a 640×480 video and
// the intro's conversion onto the 16-bit back buffer.
#include <benchmark/benchmark.h>

#include <filesystem>

#include "frontend/intro_window.h"
#include "media/application.h"
#include "media/display_device.h"
#include "platform/avi_writer.h"
#include "platform/ffmpeg_video.h"
#include "platform/headless_platform.h"

namespace {

std::string makeVideo() {
  static std::string path;
  if (!path.empty()) return path;
  path = (std::filesystem::temp_directory_path() / "fg_intro_bench.avi").string();
  fg::AviWriter avi(path, 640, 480, 25, 22050, fg::VideoCodec::Raw);
  std::vector<int16_t> samples;
  for (int i = 0; i < 22050 * 2; ++i) samples.push_back(static_cast<int16_t>((i % 100) * 300 - 15000));
  avi.addAudio(samples);
  fg::Picture frame;
  frame.width = 640;
  frame.height = 480;
  frame.rgb.resize(640 * 480 * 3);
  for (int f = 0; f < 50; ++f) {
    for (size_t i = 0; i < frame.rgb.size(); ++i) frame.rgb[i] = static_cast<uint8_t>(i * 7 + f * 13);
    avi.addFrame(frame);
  }
  avi.finish();
  return path;
}

void BM_DecodeFrame(benchmark::State& state) {
  std::string path = makeVideo();
  auto video = fg::openFfmpegVideo(path);
  uint32_t ms = 0;
  for (auto _ : state) {
    if (!video->advance(ms)) {
      state.PauseTiming();
      video = fg::openFfmpegVideo(path);
      ms = 0;
      state.ResumeTiming();
      continue;
    }
    ms += 40;
    benchmark::DoNotOptimize(video->rgb());
  }
  state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_DecodeFrame);

void BM_WholeIntroHeadless(benchmark::State& state) {
  std::string dir = std::filesystem::path(makeVideo()).parent_path().string() + "/fg_intro_bench/";
  std::filesystem::create_directories(dir);
  std::filesystem::copy_file(makeVideo(), dir + "brackwater.avi", std::filesystem::copy_options::overwrite_existing);
  std::filesystem::copy_file(makeVideo(), dir + "intro.avi", std::filesystem::copy_options::overwrite_existing);
  for (auto _ : state) {
    fg::HeadlessPlatform platform;
    fg::Application app(platform);
    fg::DisplayDevice display(&platform);
    display.Initialize();
    fg::Tintro intro(app, dir);
    intro.showModal(display);
    benchmark::DoNotOptimize(platform.frames());
  }
}
BENCHMARK(BM_WholeIntroHeadless)->Unit(benchmark::kMillisecond);

}  // namespace
