#include "shell/program.h"

#include <iostream>
#include <memory>
#include <string>
#include <vector>

#include "frontend/intro_window.h"
#include "frontend/personal_bests.h"
#include "frontend/launchpad_window.h"
#include "media/application.h"
#include "media/error.h"
#include "shell/hole_catalogue.h"
#include "shell/main_window.h"
#include "shell/paths.h"
#include "shell/replay_store.h"
#include "shell/round_tape.h"

namespace fg {

namespace {

// The Practice tab's list, pictures and hole runs, and the bests on the Game
// tab, from the holes in the game folder.
void wirePractice(Tlaunchpad& launchpad, TMain* game, const PersonalBests& bests, const std::string& dir) {
  auto holes = std::make_shared<std::vector<CatalogueHole>>(findHoles(dir));
  LaunchpadControls& c = launchpad.controls;
  for (const CatalogueHole& h : *holes) {
    c.practice_holes.push_back(h.name);
    c.practice_rows.push_back(holeTitle(h));
  }
  c.practice_selected.assign(holes->size(), false);
  launchpad.holePreview = [dir](const std::string& hole, int w, int h) { return holePreview(dir, hole, w, h); };
  launchpad.holeInfo = [holes, &bests, &c](const std::string& hole) {
    for (const CatalogueHole& h : *holes) {
      if (h.name != hole) continue;
      auto best = bests.best(BestKind::Hole, c.name, hole);
      return "Par " + std::to_string(h.par) + "    Best " + (best ? std::to_string(*best) : std::string("-"));
    }
    return std::string();
  };
  launchpad.bestsText = [holes, &bests](const std::string& player) { return bestsSummary(bests, player, *holes); };
  if (game) launchpad.runPractice = [game](const std::string& hole) { game->ShowPractice(hole); };
}

// `fairglade --replay FILE`: the game window alone plays the round back.
int runReplay(Application& app, const ProgramOptions& options, const std::string& dir) {
  Replay replay = loadRound(options.replayFile);
  LaunchpadControls controls;
  TMain game(app, controls, dir);
  RoundShots shots{options.shotsFolder, options.shotEvery};
  int divergences = playRound(game, app, replay, options.replayPaced, &shots);
  if (divergences > 0) {
    std::cerr << "The replay did not match its recording (" << divergences << " frames)" << std::endl;
    return 3;
  }
  return 0;
}

// Every game is recorded and kept; a round that cannot be kept is only told.
void keepRound(const Replay& r, const ProgramOptions& options) {
  try {
    saveRound(r, replayFolder(options.dataRoot));
  } catch (const std::exception& e) {
    std::cerr << "The round was not kept: " << e.what() << std::endl;
  }
}

}  // namespace

int runProgram(Platform& platform, const ProgramOptions& options) {
  Application app(platform);
  app.Title = "Fairglade (beta 3)";
  std::string dir = exeDir();
  try {
    if (!options.replayFile.empty()) return runReplay(app, options, dir);
    // The three windows, in their order: the launch window (the main window,
    // the only one visible at first), the game window, the intro window.
    Tlaunchpad launchpad(app, dir, options.settingsRoot);
    // The bests are read once; a damaged file is reported, set aside and the
    // game goes on with what could be read.
    PersonalBests bests(options.dataRoot);
    if (std::string report = bests.load(); !report.empty()) app.showError(report);
    std::unique_ptr<TMain> game;
    try {
      game = std::make_unique<TMain>(app, launchpad.controls, dir);
      game->bests = &bests;
    } catch (const std::exception& e) {
      // The game window could not load its files; the launch window still runs.
      app.showError(e.what());
    }
    Tintro intro(app, dir);
    launchpad.intro = &intro;
    launchpad.setTrainingMode = [&game](bool training) {
      if (game) game->training_mode = training;
    };
    wirePractice(launchpad, game.get(), bests, dir);
    RoundShots shots{options.recordShots ? options.shotsFolder : std::string(), options.shotEvery};
    launchpad.runGame = [&game, &app, &options, &shots] {
      if (!game) throw GameError("Form not found");
      keepRound(recordRound(*game, app, &shots), options);
    };
    launchpad.canWatch = [&options] { return !listRounds(replayFolder(options.dataRoot)).empty(); };
    launchpad.watchRound = [&game, &app, &options] {
      if (!game) throw GameError("Form not found");
      std::vector<std::string> rounds = listRounds(replayFolder(options.dataRoot));
      if (rounds.empty()) throw GameError("No round has been recorded yet");
      playRound(*game, app, loadRound(rounds.back()), true);
    };
    app.setTarget(&launchpad);
    launchpad.show();
    app.runUntil([] { return false; });
  } catch (const std::exception& e) {
    app.showError(e.what());
    return 1;
  }
  return 0;
}

}  // namespace fg
