// The launch window's controls as ImGui widgets. Every widget sits at its
// place in the control table (640×480 back-buffer pixels). Clicks become
// actions the launch window runs at its next idle pass, the same handlers the
// core's hit-testing calls.
#include "platform/imgui_launchpad_controls.h"

#include <imgui.h>

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <fstream>
#include <string>
#include <system_error>

namespace fg {

namespace {

constexpr const char* kFontPath = "/usr/share/fonts/truetype/dejavu/DejaVuSansMono.ttf";
constexpr float kFontPixels = 11.0f;

const ImVec4 kLime{0.0f, 1.0f, 0.0f, 1.0f};
const ImVec4 kGreen{0.0f, 128.0f / 255.0f, 0.0f, 1.0f};
const ImVec4 kDarkGreen{0.0f, 64.0f / 255.0f, 0.0f, 1.0f};
const ImVec4 kBlack{0.0f, 0.0f, 0.0f, 1.0f};
const ImU32 kLimeU = IM_COL32(0, 255, 0, 255);
const ImU32 kGreenU = IM_COL32(0, 128, 0, 255);
const ImU32 kBlackU = IM_COL32(0, 0, 0, 255);

char nameBuf[64] = {};  // the name field's text while ImGui edits it

ImVec2 topLeft(const Rect& r) { return ImVec2(static_cast<float>(r.left), static_cast<float>(r.top)); }
ImVec2 sizeOf(const Rect& r) { return ImVec2(static_cast<float>(r.width()), static_cast<float>(r.height())); }

void frame(ImDrawList* dl, const Rect& r, ImU32 col) {
  dl->AddRect(topLeft(r), ImVec2(static_cast<float>(r.right), static_cast<float>(r.bottom)), col);
}

void post(Tlaunchpad& pad, bool press, ControlId id, int row = -1) {
  Tlaunchpad::UiAction a;
  a.press = press;
  a.id = id;
  a.row = row;
  pad.postAction(a);
}

// Press on the way down, the control's action on the click.
void reportItem(Tlaunchpad& pad, ControlId id, bool clicked) {
  if (ImGui::IsItemActivated()) post(pad, true, id);
  if (clicked) post(pad, false, id);
}

void drawTabs(Tlaunchpad& pad, ImDrawList* dl) {
  const Control& strip = controlOf(ControlId::menutab);
  Rect page = strip.rect;
  page.bottom = controlOf(ControlId::tab_game).rect.top;
  frame(dl, page, kGreenU);
  const ControlId tabs[] = {ControlId::tab_game, ControlId::tab_training, ControlId::tab_setup, ControlId::tab_exit};
  for (int i = 0; i < 4; ++i) {
    const Control& c = controlOf(tabs[i]);
    bool selected = static_cast<int>(pad.controls.menutab) == i;
    ImGui::SetCursorScreenPos(topLeft(c.rect));
    ImGui::PushStyleColor(ImGuiCol_Button, selected ? kBlack : kGreen);
    ImGui::PushStyleColor(ImGuiCol_Text, selected ? kLime : kBlack);
    ImGui::PushStyleColor(ImGuiCol_Border, selected ? kLime : kGreen);
    bool clicked = ImGui::Button(c.caption.c_str(), sizeOf(c.rect));
    ImGui::PopStyleColor(3);
    if (clicked && !selected) post(pad, false, tabs[i]);
  }
}

void groupBox(ImDrawList* dl, ControlId id) {
  const Control& c = controlOf(id);
  Rect r = c.rect;
  r.top += 6;
  frame(dl, r, kGreenU);
  ImVec2 at(static_cast<float>(c.rect.left + 6), static_cast<float>(c.rect.top));
  ImVec2 size = ImGui::CalcTextSize(c.caption.c_str());
  dl->AddRectFilled(ImVec2(at.x - 2, at.y), ImVec2(at.x + size.x + 2, at.y + size.y), kBlackU);
  dl->AddText(at, kLimeU, c.caption.c_str());
}

void label(ControlId id, const std::string& text) {
  ImGui::SetCursorScreenPos(topLeft(controlOf(id).rect));
  ImGui::TextUnformatted(text.c_str());
}

void radio(Tlaunchpad& pad, ControlId id, bool checked) {
  const Control& c = controlOf(id);
  ImGui::SetCursorScreenPos(topLeft(c.rect));
  reportItem(pad, id, ImGui::RadioButton(c.caption.c_str(), checked));
}

void checkBox(Tlaunchpad& pad, ControlId id, bool checked) {
  const Control& c = controlOf(id);
  ImGui::SetCursorScreenPos(topLeft(c.rect));
  bool shown = checked;  // the window toggles the real state when it runs the action
  reportItem(pad, id, ImGui::Checkbox(c.caption.c_str(), &shown));
  if (!c.hint.empty() && ImGui::IsItemHovered()) {
    std::string hint = c.hint;
    hint.erase(std::remove(hint.begin(), hint.end(), '\r'), hint.end());
    ImGui::SetTooltip("%s", hint.c_str());
  }
}

void button(Tlaunchpad& pad, ControlId id) {
  const Control& c = controlOf(id);
  ImGui::SetCursorScreenPos(topLeft(c.rect));
  ImGui::PushID(static_cast<int>(id));
  bool arrow = id == ControlId::fskip_dec || id == ControlId::fskip_inc;
  bool clicked = ImGui::Button(arrow ? "##arrow" : c.caption.c_str(), sizeOf(c.rect));
  ImGui::PopID();
  reportItem(pad, id, clicked);
  if (arrow) {
    // Arrow glyphs pointing away from the bar.
    ImDrawList* dl = ImGui::GetWindowDrawList();
    float cx = (c.rect.left + c.rect.right) * 0.5f, cy = (c.rect.top + c.rect.bottom) * 0.5f;
    float d = id == ControlId::fskip_dec ? -1.0f : 1.0f;
    dl->AddTriangleFilled(ImVec2(cx + 4 * d, cy), ImVec2(cx - 3 * d, cy - 5), ImVec2(cx - 3 * d, cy + 5), kLimeU);
  }
}

void levelBar(ImDrawList* dl, int32_t position) {
  const Rect r = controlOf(ControlId::frameskip).rect;
  float y = (r.top + r.bottom) * 0.5f;
  float x0 = r.left + 6.0f, x1 = r.right - 6.0f;
  dl->AddRectFilled(ImVec2(x0, y - 1), ImVec2(x1, y + 2), kGreenU);
  for (int p = kFrameSkipMin; p <= kFrameSkipMax; p += kFrameSkipStep) {
    float x = x0 + (x1 - x0) * static_cast<float>(p - kFrameSkipMin) / (kFrameSkipMax - kFrameSkipMin);
    dl->AddLine(ImVec2(x, static_cast<float>(r.bottom - 3)), ImVec2(x, static_cast<float>(r.bottom)), kGreenU);
  }
  int32_t p = std::clamp(position, kFrameSkipMin, kFrameSkipMax);
  float tx = x0 + (x1 - x0) * static_cast<float>(p - kFrameSkipMin) / (kFrameSkipMax - kFrameSkipMin);
  dl->AddRectFilled(ImVec2(tx - 3, static_cast<float>(r.top)), ImVec2(tx + 4, static_cast<float>(r.bottom - 3)), kLimeU);
}

void skinList(Tlaunchpad& pad) {
  const Control& c = controlOf(ControlId::skin);
  ImGui::SetCursorScreenPos(topLeft(c.rect));
  ImGui::PushStyleVar(ImGuiStyleVar_FramePadding, ImVec2(1, 1));
  if (ImGui::BeginListBox("##skin", sizeOf(c.rect))) {
    const auto& rows = pad.controls.skins;
    for (size_t i = 0; i < rows.size(); ++i) {
      ImGui::PushID(static_cast<int>(i));
      bool selected = i < pad.controls.skin_selected.size() && pad.controls.skin_selected[i];
      ImGui::Selectable(rows[i].c_str(), selected, 0, ImVec2(0, static_cast<float>(kListRowHeight)));
      if (ImGui::IsItemActivated()) post(pad, true, ControlId::skin, static_cast<int>(i));
      ImGui::PopID();
    }
    ImGui::EndListBox();
  }
  ImGui::PopStyleVar();
}

void nameField(Tlaunchpad& pad) {
  const Control& c = controlOf(ControlId::name);
  ImGui::SetCursorScreenPos(topLeft(c.rect));
  ImGui::SetNextItemWidth(static_cast<float>(c.rect.width()));
  std::string current = pad.controls.name;
  size_t n = std::min(current.size(), sizeof nameBuf - 1);
  std::copy_n(current.data(), n, nameBuf);
  nameBuf[n] = '\0';
  if (ImGui::InputText("##name", nameBuf, Tlaunchpad::kMaxNameLength + 1)) pad.setPlayerName(nameBuf);
}

void startPanel(Tlaunchpad& pad, ImDrawList* dl) {
  const LaunchpadControls& s = pad.controls;
  groupBox(dl, ControlId::player_box);
  label(ControlId::name_label, controlOf(ControlId::name_label).caption);
  if (s.name_visible) nameField(pad);
  frame(dl, controlOf(ControlId::balltexture).rect, kGreenU);  // the picture itself is the core's
  button(pad, ControlId::tex_inc);
  radio(pad, ControlId::pullputt, s.pullputt);
  radio(pad, ControlId::pushputt, s.pushputt);
  button(pad, ControlId::launch);
  label(ControlId::Label3, s.label3);
}

void setupPanel(Tlaunchpad& pad, ImDrawList* dl) {
  const LaunchpadControls& s = pad.controls;
  groupBox(dl, ControlId::resolution_box);
  radio(pad, ControlId::screen640, s.screen640);
  radio(pad, ControlId::screen800, s.screen800);
  radio(pad, ControlId::screen1024, s.screen1024);
  checkBox(pad, ControlId::fastwrite, s.fastwrites);
  groupBox(dl, ControlId::sound_box);
  radio(pad, ControlId::soundoff, s.soundoff);
  radio(pad, ControlId::sound8, s.sound8bit);
  radio(pad, ControlId::sound16, s.sound16bit);
  groupBox(dl, ControlId::speed_box);
  button(pad, ControlId::fskip_dec);
  levelBar(dl, s.frameskip);
  button(pad, ControlId::fskip_inc);
  checkBox(pad, ControlId::skipintro, s.skipintro);
  checkBox(pad, ControlId::bgsounds, s.bgsounds);
  label(ControlId::skin_label, controlOf(ControlId::skin_label).caption);
  skinList(pad);
}

}  // namespace

void buildLaunchpadControls(Tlaunchpad& pad, int logicalW, int logicalH) {
  ImGui::SetNextWindowPos(ImVec2(0, 0));
  ImGui::SetNextWindowSize(ImVec2(static_cast<float>(logicalW), static_cast<float>(logicalH)));
  ImGuiWindowFlags flags = ImGuiWindowFlags_NoDecoration | ImGuiWindowFlags_NoMove | ImGuiWindowFlags_NoSavedSettings |
                           ImGuiWindowFlags_NoBackground | ImGuiWindowFlags_NoBringToFrontOnFocus |
                           ImGuiWindowFlags_NoScrollWithMouse;
  ImGui::Begin("Fairglade Demo LaunchPad", nullptr, flags);
  ImDrawList* dl = ImGui::GetWindowDrawList();
  drawTabs(pad, dl);
  if (pad.controls.start_visible) startPanel(pad, dl);
  if (pad.controls.setup_visible) setupPanel(pad, dl);
  if (pad.controls.quit_visible) button(pad, ControlId::quit);
  ImGui::End();
}

void applyLaunchpadStyle() {
  ImGuiStyle& s = ImGui::GetStyle();
  s.WindowRounding = s.FrameRounding = s.GrabRounding = s.ScrollbarRounding = s.ChildRounding = 0.0f;
  s.WindowBorderSize = 0.0f;
  s.FrameBorderSize = 1.0f;
  s.WindowPadding = ImVec2(0, 0);
  s.FramePadding = ImVec2(3, 1);
  s.ItemSpacing = ImVec2(4, 0);
  s.ItemInnerSpacing = ImVec2(4, 0);
  s.ScrollbarSize = 10.0f;
  s.AntiAliasedLines = s.AntiAliasedFill = false;
  ImVec4* c = s.Colors;
  for (int i = 0; i < ImGuiCol_COUNT; ++i) c[i] = kBlack;
  c[ImGuiCol_Text] = kLime;
  c[ImGuiCol_TextDisabled] = kGreen;
  c[ImGuiCol_Border] = kGreen;
  c[ImGuiCol_WindowBg] = ImVec4(0, 0, 0, 0);
  c[ImGuiCol_PopupBg] = kBlack;
  c[ImGuiCol_FrameBgHovered] = kDarkGreen;
  c[ImGuiCol_FrameBgActive] = kGreen;
  c[ImGuiCol_ButtonHovered] = kDarkGreen;
  c[ImGuiCol_ButtonActive] = kGreen;
  c[ImGuiCol_Header] = kGreen;
  c[ImGuiCol_HeaderHovered] = kDarkGreen;
  c[ImGuiCol_HeaderActive] = kGreen;
  c[ImGuiCol_CheckMark] = kLime;
  c[ImGuiCol_ScrollbarGrab] = kGreen;
  c[ImGuiCol_ScrollbarGrabHovered] = kLime;
  c[ImGuiCol_ScrollbarGrabActive] = kLime;
  c[ImGuiCol_TextSelectedBg] = kGreen;
}

float launchpadFontScale(float viewScale) {
  return std::clamp(std::round(viewScale * 4.0f) / 4.0f, 1.0f, 8.0f);
}

// The font is rasterised at the size it is seen on the monitor, so scaled-up
// text stays sharp; layout still works in back-buffer pixels.
void loadLaunchpadFont(float scale) {
  ImGuiIO& io = ImGui::GetIO();
  io.Fonts->Clear();
  ImFontConfig cfg;
  cfg.OversampleH = 1;
  cfg.OversampleV = 1;
  cfg.PixelSnapH = true;
  ImFont* font = nullptr;
  std::error_code ec;
  // ImGui stops on a font file it cannot read: look before handing it over.
  if (std::filesystem::is_regular_file(kFontPath, ec) && std::ifstream(kFontPath, std::ios::binary).good()) {
    font = io.Fonts->AddFontFromFileTTF(kFontPath, kFontPixels * scale, &cfg);
  }
  if (!font) {
    cfg.SizePixels = 13.0f * scale;
    font = io.Fonts->AddFontDefault(&cfg);
  }
  io.FontGlobalScale = 1.0f / scale;
}

}  // namespace fg
