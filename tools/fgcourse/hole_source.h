#pragma once
// One hole as its designer writes it: a small line-based description from
// which the generator makes the hole file, the hole's pictures and sounds.
// The areas are the single record of where things are; the pictures are
// drawn from them, plus a few scenery lines that have no effect on the ball.
//
// One statement a line, "#" starts a comment, words split on blanks:
//   name N | title "LINE 1" "LINE 2" | size W H (multiples of 24) | par P
//   ball X Y | theme meadow|forest|lake|site|space|harbour | ambience KIND
//   item 3…10 LOOK                 which animation a sprite item holds
//   border X Y X Y …               walls along the points, mown grass inside
//   walls X Y X Y …                walls only; the kind follows the direction
// Areas, numbered in the order written, each with a shape
// (circle X Y R | quad X1 Y1 … X4 Y4 | rect X Y W H | seg X1 Y1 X2 Y2):
//   wall seg … [kind=K] | cup circle … next=HOLE | slope e|se|s|sw|w|nw|n|ne SHAPE
//   ramp sw|e|se|w SHAPE | water SHAPE drop=X,Y | funnel | sand | launcher | mine
//   teleport circle … exit=X,Y dir=X3,Y3,X4,Y4 | tunnel circle … exit=… dir=… [nobounce=N]
//   setname SHAPE slot=S text=T | switch SHAPE state=1|2|3 | bumps SHAPE [decor=X,Y,IMG]
//   shade SHAPE strength=N | ledge SHAPE drop=N | kicker | bonus | sleeper
// Scenery: tree X Y R, bush, rock, flowers, bridge X1 Y1 X2 Y2 W, roof X Y W H,
//   arch X Y W, windmill X Y, worker X Y, sign, lamp, cone, planet, crater, path, fence, stump;
//   harbour: boat X Y LENGTH, crate X Y SIZE, bollard X Y, buoy X Y, lighthouse X Y TOP_Y.
#include <cstdint>
#include <map>
#include <string>
#include <string_view>
#include <vector>

#include "state/game_state.h"

namespace fg {

// What an area looks like and does, by the designer's word for it.
struct AreaSource {
  std::string type;  // "wall", "cup", "slope", …
  arearec rec;       // exactly what goes into the hole file
  int line = 0;      // source line, for messages
};

// Scenery: drawn on the course or in the foreground layer, no effect.
struct Decor {
  std::string type;        // "tree", "bridge", "rock", …
  std::vector<int32_t> v;  // numbers as written
  int line = 0;
};

struct HoleSource {
  std::string name;        // base name of the hole's files
  std::string title;       // first line of the title card
  std::string subtitle;    // second line
  int32_t width = 0, height = 0;
  int32_t par = 3;
  int32_t ball_x = 320, ball_y = 240;
  std::string theme = "meadow";     // ground colours
  std::string ambience = "meadow";  // background sound
  std::vector<std::vector<int32_t>> fairways;  // polygons of mown grass
  std::vector<AreaSource> areas;               // area 1, 2, … in order
  std::vector<Decor> decor;
  std::map<int, std::string> items;  // sprite items 3 … 10 by look ("flag", "glow", …)

  const AreaSource* findType(std::string_view type) const;
};

// Parses the text of one description; throws GameError with the line number
// on anything it does not understand, so a typo never becomes a silent hole.
HoleSource parseHoleSource(std::string_view text);
HoleSource loadHoleSource(const std::string& path);

// The wall kind for a segment's direction: horizontal 4, vertical 2, the
// 45-degree diagonals 6 and 7, the 2:1 diagonals 1 and 3; 0 for any other.
int32_t wallKindFor(int32_t x1, int32_t y1, int32_t x2, int32_t y2);

// The hole file's INI text.
std::string holeFileText(const HoleSource& h);

// Where the cup's front rim picture and the tunnel mouth picture go.
constexpr int32_t kTunnelPicture = 11;
int32_t rimLeft(const arearec& cup);
int32_t rimTop(const arearec& cup);

}  // namespace fg
