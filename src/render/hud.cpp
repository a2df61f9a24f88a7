#include "render/hud.h"

#include "render/bitmap_text.h"
#include "render/frame_phases.h"
#include "render/hud_areas.h"
#include "sim/hole_flow.h"
#include "state/gui_items.h"

namespace fg {

namespace {


struct Writers {
  const PictureItem* font;
  const PictureItem* digits;
  Surface& back;
  void text(std::string_view s, int32_t x, int32_t y) const {
    if (font) writeFontText(*font, back, s, x, y);
  }
  void number(std::string_view s, int32_t x, int32_t y) const {
    if (digits) writeDigitText(*digits, back, s, x, y);
  }
};

void drawSmallPanel(const GameState& gs, const Writers& w, std::string_view name) {
  const PlayerRecord& p = gs.players[0];
  w.text(std::to_string(gs.course_par), 221, 9);
  w.text(std::to_string(p.strokes), p.strokes < 10 ? 206 : 201, 9);
  if (gs.banner_pos == -1) w.text(hudNameLine(name, 16, p.score), 80, 9);
}

void drawFullPanel(GameState& gs, const ImageList& gui, const Writers& w, std::string_view name) {
  const PlayerRecord& p = gs.players[0];
  if (gs.banner_pos == -1) w.text(hudNameLine(name, 20, p.score), 116, 31);
  if (!gs.pull_putt)
    if (const PictureItem* mark = gui.find(kGuiPushPutt)) mark->BlitPattern(w.back, 193, 49, 0);
  const PictureItem* pressed = gui.find(kGuiButtonsDown);
  for (int i = 0; i < kHudButtonCount; ++i) {
    if (gs.button_down[i] && insideButtonHold(i, gs.mouse_x, gs.mouse_y)) {
      if (pressed) pressed->BlitPattern(w.back, kHudButtons[i].left, kHudButtons[i].top, i);
    } else {
      gs.button_down[i] = false;
    }
  }
  w.text(std::to_string(gs.course_par), 161, 48);
  w.text(std::to_string(p.strokes), p.strokes < 10 ? 118 : 113, 48);
  // One digit sits further right; two digits or a minus sign start earlier.
  w.number(std::to_string(p.score), p.score >= 0 && p.score <= 9 ? 32 : 22, 27);
}

}  // namespace

std::string hudNameLine(std::string_view name, size_t n, int32_t score) {
  std::string line(name.substr(0, n));
  for (char& c : line)
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
  line += " (";
  line += std::to_string(score);
  line += ")";
  return line;
}

bool insideButtonHold(int i, int32_t x, int32_t y) {
  if (i < 0 || i >= kHudButtonCount) return false;
  return holdArea(kHudButtons[i]).contains(x, y);
}

void drawHud(GameState& gs, const ImageList& gui, Surface& back, std::string_view playerName) {
  const Writers w{gui.find(kGuiFont), gui.find(kGuiDigits), back};
  if (const PictureItem* panel = gui.find(gs.panel_minimised ? kGuiPanelMin : kGuiPanel))
    panel->BlitPattern(back, 4, 4, 0);
  if (gs.panel_minimised)
    drawSmallPanel(gs, w, playerName);
  else
    drawFullPanel(gs, gui, w, playerName);
}

void drawScoreHudAndBanner(GameContext& ctx) {
  updateScore(ctx.gs);
  drawHud(ctx.gs, ctx.gui, ctx.DXDraw.surface(), ctx.launchpad.name);
  drawBanner(ctx);
}

}  // namespace fg
