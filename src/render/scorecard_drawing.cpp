#include "render/scorecard_drawing.h"

#include <algorithm>
#include <cctype>

#include "media/blitter.h"
#include "render/bitmap_text.h"
#include "state/gui_items.h"

namespace fg {

namespace {

// The HUD panel's blue box without its title strip, as 9 pieces: corners and
// borders from its left and right edges, the inside from a clean column next
// to the left border (the rest of the box carries the HUD's own fields).
constexpr Rect kBox{0, 19, 300, 100};
constexpr int32_t kEdge = 8;      // border width taken from each side
constexpr int32_t kCornerH = 10;  // rounded corner height at the bottom
constexpr int32_t kCleanX = 8, kCleanW = 2;

constexpr int32_t kPad = 6;      // text inside the card's border
constexpr int32_t kRowGap = 1;   // between rows of text
// Columns, in characters of the font.
constexpr int kColPar = 7, kColStrokes = 12, kColResult = 21, kColBest = 34, kColumns = 42;

void piece(const PictureItem& panel, Surface& back, Rect src, Rect dst) {
  if (src.empty() || dst.empty()) return;
  blitStretched(back, {&panel.image(), src, panel.transparent, panel.key()}, dst);
}

void drawPanel(const PictureItem& panel, Surface& back, const Rect& r) {
  if (!panel.uploaded() || panel.image().width < kBox.right || panel.image().height < kBox.bottom) return;
  const int32_t sx[4] = {kBox.left, kBox.left + kEdge, kBox.right - kEdge, kBox.right};
  const int32_t sy[4] = {kBox.top, kBox.top + kCornerH, kBox.bottom - kCornerH, kBox.bottom};
  const int32_t dx[4] = {r.left, r.left + kEdge, r.right - kEdge, r.right};
  const int32_t dy[4] = {r.top, r.top + kCornerH, r.bottom - kCornerH, r.bottom};
  for (int row = 0; row < 3; ++row) {
    for (int col = 0; col < 3; ++col) {
      Rect src{sx[col], sy[row], sx[col + 1], sy[row + 1]};
      if (col == 1) src = {kCleanX, sy[row], kCleanX + kCleanW, sy[row + 1]};
      piece(panel, back, src, {dx[col], dy[row], dx[col + 1], dy[row + 1]});
    }
  }
}

std::string upper(std::string s) {
  for (char& c : s) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  return s;
}

std::string holeLabel(const HoleScore& h) {
  HoleName n = splitHoleName(h.hole);
  if (n.number > 0) return std::to_string(n.number);
  return upper(h.hole.substr(0, kColPar - 1));
}

// One line of text with its columns placed by character position.
class Lines {
 public:
  Lines(const PictureItem& font, Surface& back, int32_t x, int32_t y)
      : font_(font), back_(back), x_(x), y_(y), step_(font.height() + kRowGap) {}
  void put(int column, const std::string& text) {
    // The writer starts one advance to the right of the x it is given.
    writeFontText(font_, back_, text, x_ + (column - 1) * font_.patternWidth, y_);
  }
  void next() { y_ += step_; }

 private:
  const PictureItem& font_;
  Surface& back_;
  int32_t x_, y_, step_;
};

bool anyBonus(const RoundCard& card, size_t first) {
  return std::any_of(card.holes().begin() + static_cast<std::ptrdiff_t>(first), card.holes().end(),
                     [](const HoleScore& h) { return h.bonus > 0; });
}

int32_t fixedRows(const ScorecardLook& look, bool bonusNote) {
  return (look.heading ? 1 : 0) + 1 + (look.withTotal ? 1 : 0) + (bonusNote ? 1 : 0);  // heading, column names, total, note
}

}  // namespace

int32_t scorecardWidth(const PictureItem& font) { return kColumns * font.patternWidth + 2 * kPad; }

int32_t scorecardHeight(const PictureItem& font, size_t rows, const ScorecardLook& look) {
  const int32_t lines = static_cast<int32_t>(rows) + fixedRows(look, false);
  return lines * (font.height() + kRowGap) - kRowGap + 2 * kPad;
}

void drawScorecard(const RoundCard& card, const ScorecardLook& look, const ImageList& gui, Surface& back,
                   const Rect& area) {
  const PictureItem* font = gui.find(kGuiFont);
  if (!font || font->patternWidth <= 0 || font->height() <= 0 || area.empty()) return;
  const int32_t step = font->height() + kRowGap;
  // As many of the latest holes as the area can hold.
  const bool note = anyBonus(card, 0);
  const int32_t room = (area.height() - 2 * kPad + kRowGap) / step - fixedRows(look, note);
  if (room < 0) return;
  const size_t shown = std::min(card.holes().size(), static_cast<size_t>(room));
  const size_t first = card.holes().size() - shown;

  const int32_t w = scorecardWidth(*font);
  const int32_t h = scorecardHeight(*font, shown, look) + (note ? step : 0);
  const int32_t left = area.left + (area.width() - w) / 2;
  if (const PictureItem* panel = gui.find(kGuiPanel)) drawPanel(*panel, back, {left, area.top, left + w, area.top + h});

  Lines out(*font, back, left + kPad, area.top + kPad);
  if (look.heading) {
    out.put(0, look.player.empty() ? "SCORECARD" : "SCORECARD  " + upper(look.player).substr(0, kColumns - 11));
    out.next();
  }
  out.put(0, "HOLE");
  out.put(kColPar, "PAR");
  out.put(kColStrokes, "STROKES");
  out.put(kColResult, "RESULT");
  out.next();
  for (size_t i = first; i < card.holes().size(); ++i) {
    const HoleScore& s = card.holes()[i];
    out.put(0, holeLabel(s));
    out.put(kColPar, std::to_string(s.par));
    out.put(kColStrokes, std::to_string(s.strokes) + (s.bonus > 0 ? "*" : ""));
    out.put(kColResult, s.holed ? resultName(s) : "-");
    if (s.newBest) out.put(kColBest, "NEW BEST");
    out.next();
  }
  if (look.withTotal) {
    out.put(0, "TOTAL");
    out.put(kColPar, std::to_string(card.parTotal()));
    out.put(kColStrokes, std::to_string(card.strokeTotal()));
    out.put(kColResult, signedScore(card.strokeTotal() - card.parTotal()));
    if (look.roundNewBest) out.put(kColBest, "NEW BEST");
    out.next();
  }
  if (note) out.put(0, "* WITH THE BONUS STROKE");
}

}  // namespace fg
