// A window's controls as ImGui widgets, each at its place in back-buffer
// pixels as the window describes it. Presses and clicks go back to the window
// by the control's number; it acts on them at its next idle pass.
#include "platform/imgui_controls.h"

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

ImVec2 topLeft(const Rect& r) { return ImVec2(static_cast<float>(r.left), static_cast<float>(r.top)); }
ImVec2 sizeOf(const Rect& r) { return ImVec2(static_cast<float>(r.width()), static_cast<float>(r.height())); }

void frame(ImDrawList* dl, const Rect& r, ImU32 col) {
  dl->AddRect(topLeft(r), ImVec2(static_cast<float>(r.right), static_cast<float>(r.bottom)), col);
}

void post(std::vector<UiInput>& done, UiInput::What what, int id, MouseButton b = MouseButton::Left, int row = -1) {
  UiInput in;
  in.what = what;
  in.id = id;
  in.button = b;
  in.row = row;
  done.push_back(std::move(in));
}

// A press of any button on the last item, then its action on a left click.
// ImGui activates items with the left button only; the other two are read
// from the pointer over the item.
void reportItem(std::vector<UiInput>& done, int id, bool clicked, int row = -1) {
  if (ImGui::IsItemActivated()) post(done, UiInput::What::Press, id, MouseButton::Left, row);
  if (ImGui::IsItemHovered(ImGuiHoveredFlags_AllowWhenBlockedByActiveItem)) {
    if (ImGui::IsMouseClicked(ImGuiMouseButton_Right)) post(done, UiInput::What::Press, id, MouseButton::Right, row);
    if (ImGui::IsMouseClicked(ImGuiMouseButton_Middle)) post(done, UiInput::What::Press, id, MouseButton::Middle, row);
  }
  if (clicked) post(done, UiInput::What::Click, id);
}

void tab(const UiControl& c, std::vector<UiInput>& done) {
  ImGui::SetCursorScreenPos(topLeft(c.rect));
  ImGui::PushID(c.id);
  ImGui::PushStyleColor(ImGuiCol_Button, c.on ? kBlack : kGreen);
  ImGui::PushStyleColor(ImGuiCol_Text, c.on ? kLime : kBlack);
  ImGui::PushStyleColor(ImGuiCol_Border, c.on ? kLime : kGreen);
  bool clicked = ImGui::Button(c.caption.c_str(), sizeOf(c.rect));
  ImGui::PopStyleColor(3);
  ImGui::PopID();
  reportItem(done, c.id, clicked && !c.on);
}

void groupBox(ImDrawList* dl, const UiControl& c) {
  Rect r = c.rect;
  r.top += 6;
  frame(dl, r, kGreenU);
  ImVec2 at(static_cast<float>(c.rect.left + 6), static_cast<float>(c.rect.top));
  ImVec2 size = ImGui::CalcTextSize(c.caption.c_str());
  dl->AddRectFilled(ImVec2(at.x - 2, at.y), ImVec2(at.x + size.x + 2, at.y + size.y), kBlackU);
  dl->AddText(at, kLimeU, c.caption.c_str());
}

void label(const UiControl& c) {
  ImGui::SetCursorScreenPos(topLeft(c.rect));
  ImGui::TextUnformatted(c.caption.c_str());
}

void radio(const UiControl& c, std::vector<UiInput>& done) {
  ImGui::SetCursorScreenPos(topLeft(c.rect));
  ImGui::PushID(c.id);
  bool clicked = ImGui::RadioButton(c.caption.c_str(), c.on);
  ImGui::PopID();
  reportItem(done, c.id, clicked);
}

void checkBox(const UiControl& c, std::vector<UiInput>& done) {
  ImGui::SetCursorScreenPos(topLeft(c.rect));
  bool shown = c.on;  // the window toggles the real state when it runs the click
  ImGui::PushID(c.id);
  bool clicked = ImGui::Checkbox(c.caption.c_str(), &shown);
  ImGui::PopID();
  reportItem(done, c.id, clicked);
  if (!c.hint.empty() && ImGui::IsItemHovered()) {
    std::string hint = c.hint;
    hint.erase(std::remove(hint.begin(), hint.end(), '\r'), hint.end());
    ImGui::SetTooltip("%s", hint.c_str());
  }
}

void button(const UiControl& c, std::vector<UiInput>& done) {
  ImGui::SetCursorScreenPos(topLeft(c.rect));
  ImGui::PushID(c.id);
  bool arrow = c.kind == UiKind::ArrowButton;
  bool clicked = ImGui::Button(arrow ? "##arrow" : c.caption.c_str(), sizeOf(c.rect));
  ImGui::PopID();
  reportItem(done, c.id, clicked);
  if (arrow) {
    // An arrow glyph pointing away from the bar.
    ImDrawList* dl = ImGui::GetWindowDrawList();
    float cx = (c.rect.left + c.rect.right) * 0.5f, cy = (c.rect.top + c.rect.bottom) * 0.5f;
    float d = c.value < 0 ? -1.0f : 1.0f;
    dl->AddTriangleFilled(ImVec2(cx + 4 * d, cy), ImVec2(cx - 3 * d, cy - 5), ImVec2(cx - 3 * d, cy + 5), kLimeU);
  }
}

float barX(const UiControl& c, float x0, float x1, int32_t v) {
  int32_t span = std::max(c.maximum - c.minimum, 1);
  return x0 + (x1 - x0) * static_cast<float>(std::clamp(v, c.minimum, c.maximum) - c.minimum) / span;
}

void levelBar(ImDrawList* dl, const UiControl& c) {
  const Rect& r = c.rect;
  float y = (r.top + r.bottom) * 0.5f;
  float x0 = r.left + 6.0f, x1 = r.right - 6.0f;
  dl->AddRectFilled(ImVec2(x0, y - 1), ImVec2(x1, y + 2), kGreenU);
  for (int32_t p = c.minimum; c.step > 0 && p <= c.maximum; p += c.step) {
    float x = barX(c, x0, x1, p);
    dl->AddLine(ImVec2(x, static_cast<float>(r.bottom - 3)), ImVec2(x, static_cast<float>(r.bottom)), kGreenU);
  }
  float tx = barX(c, x0, x1, c.value);
  dl->AddRectFilled(ImVec2(tx - 3, static_cast<float>(r.top)), ImVec2(tx + 4, static_cast<float>(r.bottom - 3)), kLimeU);
}

void slider(const UiControl& c, std::vector<UiInput>& done) {
  ImGui::SetCursorScreenPos(topLeft(c.rect));
  ImGui::SetNextItemWidth(static_cast<float>(c.rect.width()));
  ImGui::PushID(c.id);
  int v = c.value;
  bool moved = ImGui::SliderInt("##slider", &v, c.minimum, c.maximum, "");
  ImGui::PopID();
  reportItem(done, c.id, false);
  // The number on the side the handle is not on, so the handle never covers it.
  const std::string number = std::to_string(v);
  const char* text = number.c_str();
  const ImVec2 lo = ImGui::GetItemRectMin(), hi = ImGui::GetItemRectMax(), size = ImGui::CalcTextSize(text);
  const bool handleRight = 2 * (v - c.minimum) >= c.maximum - c.minimum;
  const float x = handleRight ? lo.x + 4 : hi.x - 4 - size.x;
  ImGui::GetWindowDrawList()->AddText(ImVec2(std::floor(x), std::floor((lo.y + hi.y - size.y) / 2)), kLimeU, text);
  if (moved) {
    UiInput in;
    in.what = UiInput::What::Value;
    in.id = c.id;
    in.value = v;
    done.push_back(std::move(in));
  }
}

// A row's picture as one filled box per run of like pixels: it needs no
// texture of its own, so every renderer of the controls draws it as it is.
void rowPicture(ImDrawList* dl, const Picture& p, ImVec2 at) {
  if (p.empty() || p.rgb.size() < static_cast<size_t>(p.width) * p.height * 3) return;
  for (int y = 0; y < p.height; ++y) {
    const uint8_t* row = &p.rgb[static_cast<size_t>(y) * p.width * 3];
    for (int x = 0; x < p.width;) {
      int end = x + 1;
      while (end < p.width && std::equal(row + end * 3, row + end * 3 + 3, row + x * 3)) ++end;
      dl->AddRectFilled(ImVec2(at.x + x, at.y + y), ImVec2(at.x + end, at.y + y + 1),
                        IM_COL32(row[x * 3], row[x * 3 + 1], row[x * 3 + 2], 255));
      x = end;
    }
  }
}

// A row with a picture: the picture at its left, the text centred beside it.
void pictureRow(const UiControl& c, size_t i) {
  const Picture* pic = i < c.rowPictures->size() ? &(*c.rowPictures)[i] : nullptr;
  const float h = static_cast<float>(c.rowHeight);
  ImGui::Selectable("##row", c.selected == static_cast<int>(i), 0, ImVec2(0, h));
  if (!ImGui::IsItemVisible()) return;
  const ImVec2 at = ImGui::GetItemRectMin();
  ImDrawList* dl = ImGui::GetWindowDrawList();
  const int picW = pic ? pic->width : 0;
  if (pic) rowPicture(dl, *pic, ImVec2(at.x + 1, at.y + std::floor((h - pic->height) / 2)));
  const ImVec2 text(at.x + picW + 5, at.y + std::floor((h - ImGui::GetTextLineHeight()) / 2));
  dl->AddText(text, ImGui::GetColorU32(ImGuiCol_Text), c.rows[i].c_str());
}

void list(const UiControl& c, std::vector<UiInput>& done) {
  ImGui::SetCursorScreenPos(topLeft(c.rect));
  ImGui::PushStyleVar(ImGuiStyleVar_FramePadding, ImVec2(1, 1));
  ImGui::PushID(c.id);
  if (ImGui::BeginListBox("##list", sizeOf(c.rect))) {
    for (size_t i = 0; i < c.rows.size(); ++i) {
      ImGui::PushID(static_cast<int>(i));
      if (c.rowPictures) {
        pictureRow(c, i);
      } else {
        ImGui::Selectable(c.rows[i].c_str(), c.selected == static_cast<int>(i), 0,
                          ImVec2(0, static_cast<float>(c.rowHeight)));
      }
      reportItem(done, c.id, false, static_cast<int>(i));
      ImGui::PopID();
    }
    ImGui::EndListBox();
  }
  ImGui::PopID();
  ImGui::PopStyleVar();
}

}  // namespace

void ImGuiControls::textField(const UiControl& c, std::vector<UiInput>& done) {
  ImGui::SetCursorScreenPos(topLeft(c.rect));
  ImGui::SetNextItemWidth(static_cast<float>(c.rect.width()));
  // UTF-8 takes up to four bytes a character.
  size_t size = std::max<size_t>(c.maxLength, 1) * 4 + 1;
  editBuf_.assign(size, '\0');
  std::copy_n(c.caption.data(), std::min(c.caption.size(), size - 1), editBuf_.data());
  ImGui::PushID(c.id);
  bool edited = ImGui::InputText("##text", editBuf_.data(), editBuf_.size());
  ImGui::PopID();
  reportItem(done, c.id, false);
  if (edited) {
    UiInput in;
    in.what = UiInput::What::Text;
    in.id = c.id;
    in.text = editBuf_.data();
    done.push_back(std::move(in));
  }
}

void ImGuiControls::build(const UiScene& scene, int logicalW, int logicalH, std::vector<UiInput>& done) {
  ImGui::SetNextWindowPos(ImVec2(0, 0));
  ImGui::SetNextWindowSize(ImVec2(static_cast<float>(logicalW), static_cast<float>(logicalH)));
  ImGuiWindowFlags flags = ImGuiWindowFlags_NoDecoration | ImGuiWindowFlags_NoMove | ImGuiWindowFlags_NoSavedSettings |
                           ImGuiWindowFlags_NoBackground | ImGuiWindowFlags_NoBringToFrontOnFocus |
                           ImGuiWindowFlags_NoScrollWithMouse;
  ImGui::Begin("controls", nullptr, flags);
  ImDrawList* dl = ImGui::GetWindowDrawList();
  for (const UiControl& c : scene.controls) {
    switch (c.kind) {
      case UiKind::Frame: frame(dl, c.rect, kGreenU); break;
      case UiKind::GroupBox: groupBox(dl, c); break;
      case UiKind::Label: label(c); break;
      case UiKind::Tab: tab(c, done); break;
      case UiKind::Button:
      case UiKind::ArrowButton: button(c, done); break;
      case UiKind::Radio: radio(c, done); break;
      case UiKind::CheckBox: checkBox(c, done); break;
      case UiKind::LevelBar: levelBar(dl, c); break;
      case UiKind::Slider: slider(c, done); break;
      case UiKind::List: list(c, done); break;
      case UiKind::TextField: textField(c, done); break;
    }
  }
  ImGui::End();
}

void applyControlStyle() {
  ImGuiStyle& s = ImGui::GetStyle();
  s.WindowRounding = s.FrameRounding = s.GrabRounding = s.ScrollbarRounding = s.ChildRounding = 0.0f;
  s.WindowBorderSize = 0.0f;
  s.FrameBorderSize = 1.0f;
  s.WindowPadding = ImVec2(0, 0);
  s.FramePadding = ImVec2(3, 1);
  s.ItemSpacing = ImVec2(4, 0);
  s.ItemInnerSpacing = ImVec2(4, 0);
  s.ScrollbarSize = 10.0f;
  s.GrabMinSize = 6.0f;  // a slim slider handle leaves its number readable
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
  c[ImGuiCol_SliderGrab] = kGreen;  // the volume sliders' handle, seen against the black frame
  c[ImGuiCol_SliderGrabActive] = kLime;
  c[ImGuiCol_ScrollbarGrab] = kGreen;
  c[ImGuiCol_ScrollbarGrabHovered] = kLime;
  c[ImGuiCol_ScrollbarGrabActive] = kLime;
  c[ImGuiCol_TextSelectedBg] = kGreen;
}

float controlFontScale(float viewScale) {
  return std::clamp(std::round(viewScale * 4.0f) / 4.0f, 1.0f, 8.0f);
}

// The font is rasterised at the size it is seen on the monitor, so scaled-up
// text stays sharp; layout still works in back-buffer pixels.
void loadControlFont(float scale) {
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
