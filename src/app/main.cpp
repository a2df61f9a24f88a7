// fairglade: the game. Full screen by default; --windowed for a window;
// --headless runs without a display from an input script.
#include <charconv>
#include <cstdint>
#include <cstring>
#include <iostream>
#include <string>

#include "frontend/personal_bests.h"
#include "frontend/registry_store.h"
#include "media/error.h"
#include "media/file_io.h"
#include "platform/headless_platform.h"
#include "platform/sdl_factory.h"
#include "shell/paths.h"
#include "shell/program.h"

namespace {

const char* kUsage =
    "Usage: fairglade [options]\n"
    "  --windowed            play in a window instead of full screen (Alt+Enter toggles)\n"
    "  --settings DIR        keep the stored settings under DIR instead of the user's folder\n"
    "  --data DIR            keep personal bests and replays under DIR (default: DIR/data of --settings,\n"
    "                        else the user's data folder)\n"
    "  --replay FILE         play a recorded round (from the data folder's \"replays\")\n"
    "  --headless            run without display or sound, from an input script\n"
    "  --script FILE         input script for --headless (see README)\n"
    "  --shots DIR           folder for the script's screenshots (default: current folder);\n"
    "                        with --replay: the round's last picture as end.png\n"
    "  --shot-every N        with --shots: also every N-th frame of each round as frame-NNNNNN.png\n"
    "  --step MS             virtual milliseconds per idle pass with --headless (default 10)\n"
    "  --time-limit MS       end a headless run at this virtual time (default 600000)\n"
    "  --game-dir DIR        read the game files from DIR instead of the program's folder\n"
    "  --version             print the version\n"
    "  --help                this text\n";

struct Options {
  bool headless = false, windowed = false, help = false, version = false;
  fg::ProgramOptions program;
  std::string script, shots = ".";
  bool shotsGiven = false;
  uint32_t step = 0, limit = 600000;
};

// A refused command line: the message, the usage, exit status 2.
struct UsageError {
  std::string message;
};

// A whole number of `unit` in [lo, hi], digits only: "-1" or "10ms" is
// refused rather than read as something else.
uint32_t wholeNumber(const char* option, const char* unit, const std::string& text, uint32_t lo, uint32_t hi) {
  uint64_t v = 0;
  auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), v);
  if (text.empty() || ec != std::errc() || end != text.data() + text.size() || v < lo || v > hi) {
    throw UsageError{std::string(option) + " needs a whole number of " + unit + " from " + std::to_string(lo) +
                     " to " + std::to_string(hi) + ", not \"" + text + "\""};
  }
  return static_cast<uint32_t>(v);
}

uint32_t milliseconds(const char* option, const std::string& text, uint32_t lo, uint32_t hi) {
  return wholeNumber(option, "milliseconds", text, lo, hi);
}

// One row per option; a new option is one more row.
struct OptionRow {
  const char* name;
  bool takesValue;
  void (*apply)(Options&, const std::string& value);
};

constexpr OptionRow kOptions[] = {
    {"--help", false, [](Options& o, const std::string&) { o.help = true; }},
    {"-h", false, [](Options& o, const std::string&) { o.help = true; }},
    {"--version", false, [](Options& o, const std::string&) { o.version = true; }},
    {"--headless", false, [](Options& o, const std::string&) { o.headless = true; }},
    {"--windowed", false, [](Options& o, const std::string&) { o.windowed = true; }},
    {"--settings", true, [](Options& o, const std::string& v) { o.program.settingsRoot = v; }},
    {"--data", true, [](Options& o, const std::string& v) { o.program.dataRoot = v; }},
    {"--script", true, [](Options& o, const std::string& v) { o.script = v; }},
    {"--replay", true, [](Options& o, const std::string& v) { o.program.replayFile = v; }},
    {"--shots", true,
     [](Options& o, const std::string& v) {
       o.shots = v;
       o.shotsGiven = true;
     }},
    {"--shot-every", true,
     [](Options& o, const std::string& v) { o.program.shotEvery = wholeNumber("--shot-every", "frames", v, 1, 1000000); }},
    {"--step", true, [](Options& o, const std::string& v) { o.step = milliseconds("--step", v, 1, 3600000); }},
    {"--time-limit", true,
     [](Options& o, const std::string& v) { o.limit = milliseconds("--time-limit", v, 0, UINT32_MAX); }},
    {"--game-dir", true, [](Options&, const std::string& v) { fg::setExeDirOverride(v); }},
};

Options parseOptions(int argc, char** argv) {
  Options o;
  for (int i = 1; i < argc; ++i) {
    const std::string arg = argv[i];
    const OptionRow* row = nullptr;
    for (const OptionRow& r : kOptions)
      if (arg == r.name) row = &r;
    if (!row) throw UsageError{"Unknown option " + arg};
    std::string value;
    if (row->takesValue) {
      if (i + 1 >= argc) throw UsageError{arg + " needs a value"};
      value = argv[++i];
    }
    row->apply(o, value);
    if (o.help || o.version) break;
  }
  return o;
}

}  // namespace

int main(int argc, char** argv) {
  Options o;
  try {
    o = parseOptions(argc, argv);
  } catch (const UsageError& e) {
    std::cerr << e.message << "\n" << kUsage;
    return 2;
  }
  if (o.help) {
    std::cout << kUsage << "Settings are kept in " << fg::settingsFolder() << "\n"
              << "Personal bests are kept in " << fg::dataFolder() << "\n";
    return 0;
  }
  if (o.version) {
    std::cout << "Fairglade (beta 3) 0.3.0\n";
    return 0;
  }
  // A run given a settings folder of its own keeps its records beside them,
  // so trial runs and tests never touch the player's own.
  if (o.program.dataRoot.empty() && !o.program.settingsRoot.empty())
    o.program.dataRoot = o.program.settingsRoot + "/data";
  // Round pictures only where asked for: a player's replay writes none.
  if (o.shotsGiven) o.program.shotsFolder = o.shots;
  o.program.recordShots = o.program.shotEvery > 0;
  try {
    if (o.headless) {
      o.program.replayPaced = false;
      fg::HeadlessPlatform platform;
      std::string text = o.script.empty() ? std::string() : fg::readTextFile(o.script, fg::kTextFileLimit);
      platform.setStep(o.step ? o.step : fg::scriptStepMs(text, 10));
      platform.setScript(fg::parseInputScript(text));
      platform.setShotFolder(o.shots);
      platform.setTimeLimit(o.limit);
      return fg::runProgram(platform, o.program);
    }
    auto platform = fg::makeSdlPlatform(o.windowed);
    return fg::runProgram(*platform, o.program);
  } catch (const std::exception& e) {
    std::cerr << e.what() << std::endl;
    return 1;
  }
}
