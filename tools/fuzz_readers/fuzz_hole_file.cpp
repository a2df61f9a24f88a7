// A hole file from anywhere: read it, then roll the ball through its areas
// for a few sub-steps, where wild coordinates meet the simulation's sums.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "sim/ball_step.h"
#include "sim/hole_file.h"
#include "sim/recording_host.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size > fg::kHoleFileLimit) return 0;
  fg::GameState gs;
  fg::RecordingHost host;
  fg::readHoleFromText(gs, fg::IniText(std::string_view(reinterpret_cast<const char*>(data), size)));
  for (int i = 1; i <= fg::kAreaCount; ++i) gs.areas[i].enabled = gs.areas[i].kind != 0;
  gs.ball_moving = true;
  gs.ball_speed = 3;
  for (int i = 0; i < 40; ++i) fg::BallSubStep(gs, host);
  host.takeEvents();
  return 0;
}
