#include "shell/program.h"

#include "frontend/launchpad_controls.h"
#include "media/application.h"
#include "media/error.h"
#include "shell/main_window.h"
#include "shell/paths.h"

namespace fg {

int runProgram(Platform& platform, const ProgramOptions& options) {
  Application app(platform);
  app.Title = "Fairglade (beta 3)";
  LaunchpadControls launchpad;
  launchpad.training_tab = options.training;
  try {
    TMain main(app, launchpad, exeDir());
    main.training_mode = launchpad.training_tab;
    main.ShowModal();
  } catch (const std::exception& e) {
    app.showError(e.what());
    return 1;
  }
  return 0;
}

}  // namespace fg
