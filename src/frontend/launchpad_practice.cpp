// The Practice tab: the holes of the game folder, each with a small picture;
// a larger picture and the par and best of the chosen one; and "Play Hole", which runs the game window on it
// the way "Start Game" runs a game.
#include "frontend/launchpad_window.h"

namespace fg {

namespace {

int chosenRow(const LaunchpadControls& c) {
  for (size_t i = 0; i < c.practice_selected.size() && i < c.practice_holes.size(); ++i)
    if (c.practice_selected[i]) return static_cast<int>(i);
  return -1;
}

}  // namespace

void Tlaunchpad::practiceChosen() {
  LaunchpadControls& c = controls;
  if (chosenRow(c) < 0 && !c.practice_holes.empty()) {
    c.practice_selected.assign(c.practice_holes.size(), false);
    c.practice_selected[0] = true;
  }
  const int row = chosenRow(c);
  if (row < 0) {
    c.practice_preview = {};
    c.practice_info = "No holes found";
    return;
  }
  const std::string& hole = c.practice_holes[static_cast<size_t>(row)];
  const Rect r = controlOf(ControlId::practice_preview).rect;
  c.practice_preview = holePreview ? holePreview(hole, r.width(), r.height()) : Picture{};
  c.practice_info = holeInfo ? holeInfo(hole) : std::string();
}

// Each hole's archive is read once, the first time the tab is shown, so a
// player who never opens it never waits for them.
void Tlaunchpad::makeThumbnails() {
  LaunchpadControls& c = controls;
  if (c.practice_thumbnails || !holePreview) return;
  auto thumbs = std::make_shared<std::vector<Picture>>();
  thumbs->reserve(c.practice_holes.size());
  for (const std::string& hole : c.practice_holes)
    thumbs->push_back(holePreview(hole, kThumbnailWidth, kThumbnailHeight));
  c.practice_thumbnails = std::move(thumbs);
}

void Tlaunchpad::practiceClick() {
  click();
  const int row = chosenRow(controls);
  if (row < 0 || !runPractice) return;
  const std::string hole = controls.practice_holes[static_cast<size_t>(row)];
  handOver([this, &hole] { runPractice(hole); });
}

}  // namespace fg
