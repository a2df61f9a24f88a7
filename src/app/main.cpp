// fairglade: the game. Full screen by default; --windowed for a window;
// --headless runs without a display from an input script.
#include <cstdio>
#include <cstring>
#include <fstream>
#include <iostream>
#include <sstream>
#include <string>

#include "frontend/personal_bests.h"
#include "frontend/registry_store.h"
#include "media/error.h"
#include "platform/headless_platform.h"
#include "platform/sdl_factory.h"
#include "shell/paths.h"
#include "shell/program.h"

namespace {

const char* kUsage =
    "Usage: fairglade [options]\n"
    "  --windowed            play in a window instead of full screen (Alt+Enter toggles)\n"
    "  --settings DIR        keep the stored settings under DIR instead of the user's folder\n"
    "  --data DIR            keep personal bests under DIR (default: DIR/data of --settings,\n"
    "                        else the user's data folder)\n"
    "  --headless            run without display or sound, from an input script\n"
    "  --script FILE         input script for --headless (see README)\n"
    "  --shots DIR           folder for the script's screenshots (default: current folder)\n"
    "  --step MS             virtual milliseconds per idle pass with --headless (default 10)\n"
    "  --time-limit MS       end a headless run at this virtual time (default 600000)\n"
    "  --game-dir DIR        read the game files from DIR instead of the program's folder\n"
    "  --version             print the version\n"
    "  --help                this text\n";

std::string readText(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) throw fg::GameError("Cannot open " + path);
  std::stringstream ss;
  ss << in.rdbuf();
  return ss.str();
}

}  // namespace

int main(int argc, char** argv) {
  bool headless = false, windowed = false;
  fg::ProgramOptions options;
  std::string script, shots = ".";
  uint32_t step = 0, limit = 600000;
  for (int i = 1; i < argc; ++i) {
    std::string a = argv[i];
    auto value = [&](const char* name) -> std::string {
      if (i + 1 >= argc) {
        std::cerr << name << " needs a value\n" << kUsage;
        std::exit(2);
      }
      return argv[++i];
    };
    if (a == "--help" || a == "-h") {
      std::cout << kUsage << "Settings are kept in " << fg::settingsFolder() << "\n"
                << "Personal bests are kept in " << fg::dataFolder() << "\n";
      return 0;
    } else if (a == "--version") {
      std::cout << "Fairglade (beta 3) 0.3.0\n";
      return 0;
    } else if (a == "--headless") {
      headless = true;
    } else if (a == "--windowed") {
      windowed = true;
    } else if (a == "--settings") {
      options.settingsRoot = value("--settings");
    } else if (a == "--data") {
      options.dataRoot = value("--data");
    } else if (a == "--script") {
      script = value("--script");
    } else if (a == "--shots") {
      shots = value("--shots");
    } else if (a == "--step") {
      step = static_cast<uint32_t>(std::stoul(value("--step")));
    } else if (a == "--time-limit") {
      limit = static_cast<uint32_t>(std::stoul(value("--time-limit")));
    } else if (a == "--game-dir") {
      fg::setExeDirOverride(value("--game-dir"));
    } else {
      std::cerr << "Unknown option " << a << "\n" << kUsage;
      return 2;
    }
  }
  // A run given a settings folder of its own keeps its records beside them,
  // so trial runs and tests never touch the player's own.
  if (options.dataRoot.empty() && !options.settingsRoot.empty()) options.dataRoot = options.settingsRoot + "/data";
  try {
    if (headless) {
      fg::HeadlessPlatform platform;
      std::string text = script.empty() ? std::string() : readText(script);
      platform.setStep(step ? step : fg::scriptStepMs(text, 10));
      platform.setScript(fg::parseInputScript(text));
      platform.setShotFolder(shots);
      platform.setTimeLimit(limit);
      return fg::runProgram(platform, options);
    }
    auto platform = fg::makeSdlPlatform(windowed);
    return fg::runProgram(*platform, options);
  } catch (const std::exception& e) {
    std::cerr << e.what() << std::endl;
    return 1;
  }
}
