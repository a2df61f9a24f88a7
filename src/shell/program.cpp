#include "shell/program.h"

#include <memory>

#include "frontend/intro_window.h"
#include "frontend/personal_bests.h"
#include "frontend/launchpad_window.h"
#include "media/application.h"
#include "media/error.h"
#include "shell/main_window.h"
#include "shell/paths.h"

namespace fg {

int runProgram(Platform& platform, const ProgramOptions& options) {
  Application app(platform);
  app.Title = "Fairglade (beta 3)";
  std::string dir = exeDir();
  try {
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
    launchpad.runGame = [&game, &app] {
      if (!game) throw GameError("Form not found");
      game->ShowModal();
      (void)app;
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
