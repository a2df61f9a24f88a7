#include "sim/hole_file.h"

#include <filesystem>

#include "media/error.h"
#include "media/file_io.h"
#include "sim/geometry.h"

namespace fg {

namespace {

void readArea(arearec& a, const IniText& ini, const std::string& section) {
  a.kind = ini.readInteger(section, "kind", 0);
  a.x1 = ini.readInteger(section, "x1", 0);
  a.y1 = ini.readInteger(section, "y1", 0);
  a.x2 = ini.readInteger(section, "x2", 0);
  a.y2 = ini.readInteger(section, "y2", 0);
  a.x3 = ini.readInteger(section, "x3", 0);
  a.y3 = ini.readInteger(section, "y3", 0);
  a.x4 = ini.readInteger(section, "x4", 0);
  a.y4 = ini.readInteger(section, "y4", 0);
  a.p1 = ini.readInteger(section, "p1", 0);
  a.p2 = ini.readInteger(section, "p2", 0);
  a.p3 = ini.readInteger(section, "p3", 0);
  a.p4 = ini.readInteger(section, "p4", 0);
  a.p5 = ini.readInteger(section, "p5", 0);
  a.p6 = ini.readInteger(section, "p6", 0);
  a.r = ini.readInteger(section, "r", 0);
  a.enabled = ini.readBool(section, "enabled", false);
  a.comment = ini.readString(section, "comment", "");
}

}  // namespace

bool isPlainFileName(const std::string& name) {
  return !name.empty() && name != "." && name != ".." && name.find('/') == std::string::npos &&
         name.find('\\') == std::string::npos && name.find('\0') == std::string::npos;
}

std::string readHoleText(const std::string& folder, const std::string& fileName) {
  // A hole's name comes from the previous hole file; it names a file in the
  // game's folder and nowhere else.
  if (!isPlainFileName(fileName)) return {};
  // A missing or unreadable file, or anything that is not a plain file of a
  // sensible size (a pipe, a device), reads as an empty one.
  try {
    return readTextFile((std::filesystem::path(folder) / fileName).string(), kHoleFileLimit);
  } catch (const GameError&) {
    return {};
  }
}

void readHoleFromText(GameState& gs, const IniText& ini) {
  gs.ball_x = ini.readInteger("ball", "x", 320);
  gs.ball_y = ini.readInteger("ball", "y", 240);
  gs.course_par = ini.readInteger("course", "par", 3);
  gs.par_total = addWrap(gs.par_total, gs.course_par);

  // The start is scattered on a ring around the given point, drawn squashed
  // like everything else on the slanted course.
  int32_t a = RandBelow(gs, 256);
  int32_t d = RandBelow(gs, 22) + 4;
  gs.ball_x = gs.ball_x + ByteCos(a) * d;
  gs.ball_y = gs.ball_y + ByteSin(a) * (d / 2.0);

  for (int n = 1; n <= kAreaCount; ++n) readArea(gs.areas[n], ini, "area" + std::to_string(n));
}

void ReadHoleFile(GameState& gs, const std::string& folder, const std::string& fileName) {
  IniText ini(readHoleText(folder, fileName));
  readHoleFromText(gs, ini);
}

}  // namespace fg
