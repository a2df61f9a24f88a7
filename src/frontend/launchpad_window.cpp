#include "frontend/launchpad_window.h"

#include <exception>

#include "frontend/intro_window.h"
#include "frontend/launchpad_settings.h"
#include "media/error.h"
#include "media/pixel_format.h"

namespace fg {

namespace {

Surface toSurface(const Picture& p, PixelFormat f) {
  Surface s(p.width, p.height, f);
  for (size_t i = 0; i < s.pixels.size(); ++i) {
    const uint8_t* px = &p.rgb[i * 3];
    s.pixels[i] = packRgb(px[0], px[1], px[2], f);
  }
  return s;
}

}  // namespace

Picture Tlaunchpad::logoPicture() const {
  // The packaged logo when there is a good one, else the drawn one. The
  // picture is only decoration: a bad file is not worth an error box.
  try {
    Picture p = loadBitmapFile(exeDir_ + "logo.bmp");
    if (p.width == 640 && p.height == 480) return p;
  } catch (const std::exception&) {
  }
  return launchpadLogo();
}

Tlaunchpad::Tlaunchpad(Application& app, std::string exeDir, std::string settingsRoot)
    : DXinterface(&app.platform()),
      DXSound(&app.platform()),
      app_(app),
      exeDir_(std::move(exeDir)),
      store_(std::move(settingsRoot)),
      textures_(exeDir_ + "textures/") {
  DXinterface.setMode(640, 480);
  DXinterface.OnInitialize = [this] { DXinterfaceInitialize(); };
  DXSound.bind(DXSong);
  controls.ball_texture = defaultBallTexture();
  // Without a sound device the launch window simply runs silent.
  try {
    DXSound.Initialize();
  } catch (const std::exception&) {
  }
  try {
    FormCreate();
  } catch (const std::exception& e) {
    app_.showError(e.what());
  }
  DXSound.mixer().setVolumes(volumesOf(controls));
}

Tlaunchpad::~Tlaunchpad() {
  stopPainting();
  DXSound.unbind(DXSong);
}

void Tlaunchpad::FormCreate() {
  readSettings(store_, controls);
  for (std::string& s : listSkinFolders(exeDir_ + "skins")) {
    controls.skins.push_back(std::move(s));
    controls.skin_selected.push_back(false);
  }
  // No texture files: the load of nothing fails ("Unknown picture file
  // extension (.)") and the built-in ball stays in the preview.
  loadTexture(textures_.first());
}

void Tlaunchpad::show() {
  visible_ = true;
  app_.platform().setSharpPixels(controls.sharp_pixels);
  DXinterface.Initialize();
  startPainting();
}

void Tlaunchpad::DXinterfaceInitialize() {
  if (!introDone_) {
    introDone_ = true;
    if (!controls.skipintro && intro) {
      // The intro plays its own sound: the window's device steps aside meanwhile.
      DXSound.Finalize();
      try {
        intro->showModal(DXinterface);
      } catch (const std::exception& e) {
        app_.showError(e.what());
      }
      try {
        DXSound.Initialize();
      } catch (const std::exception&) {
      }
    }
  }
  // Without the menu sounds the window still works, silent.
  try {
    DXSong.loadFromFile(exeDir_ + "menu.dxw");
    if (DXSong.count() > 0) {
      DXSong.item(0).setGroup(VoiceGroup::Music);
      DXSong.item(0).setLooped(true);
      playMusic();
    }
  } catch (const std::exception& e) {
    app_.showError(e.what());
  }
  controls.start_visible = true;
  controls.name_visible = true;
}

void Tlaunchpad::menutabTabChanged(LaunchTab tab) {
  click();
  controls.menutab = tab;
  controls.start_visible = controls.setup_visible = controls.quit_visible = controls.practice_visible = false;
  nameFocus_ = false;
  switch (tab) {
    case LaunchTab::Game:
    case LaunchTab::Training: {
      bool training = tab == LaunchTab::Training;
      controls.start_visible = true;
      controls.training_tab = training;
      controls.label3 = training ? "" : "The game ends if score is 2 over par";
      if (setTrainingMode) setTrainingMode(training);
      break;
    }
    case LaunchTab::Setup: controls.setup_visible = true; break;
    case LaunchTab::Exit: controls.quit_visible = true; break;
    case LaunchTab::Practice:
      controls.practice_visible = true;
      makeThumbnails();
      practiceChosen();
      break;
    case LaunchTab::None: break;
  }
}

void Tlaunchpad::launchClick() {
  click();
  handOver(runGame);
}

void Tlaunchpad::watchClick() {
  click();
  if (!canWatch || !canWatch()) {
    controls.status = "No round has been recorded yet";
    return;
  }
  handOver(watchRound);
}

void Tlaunchpad::volumeChanged() { DXSound.mixer().setVolumes(volumesOf(controls)); }

void Tlaunchpad::handOver(const std::function<void()>& run) {
  // A value that cannot be stored is reported, but the game still starts
  // with what the controls hold: a stuck store must not keep the player out.
  try {
    writeSettings(store_, controls);
  } catch (const std::exception& e) {
    app_.showError(e.what());
  }
  controls.setup_visible = false;
  DXSound.Finalize();
  stopPainting();
  DXinterface.Finalize();
  visible_ = false;
  // Whatever happens in the game window, the launch window comes back: a
  // failed game must not leave the player in front of a dead screen.
  std::exception_ptr failure;
  try {
    if (run) run();
  } catch (...) {
    failure = std::current_exception();
  }
  visible_ = true;
  DXinterface.Initialize();
  try {
    DXSound.Initialize();
  } catch (const std::exception&) {
  }
  playMusic();
  startPainting();
  if (failure) std::rethrow_exception(failure);
}

void Tlaunchpad::quitClick() { app_.terminate(); }

void Tlaunchpad::fskip_incClick() {
  click();
  controls.frameskip = frameSkipIncrement(controls.frameskip);
}

void Tlaunchpad::fskip_decClick() {
  click();
  controls.frameskip = frameSkipDecrement(controls.frameskip);
}

void Tlaunchpad::tex_incClick() {
  click();
  loadTexture(textures_.next());
}

void Tlaunchpad::skinMouseDown() { click(); }

void Tlaunchpad::sharppixelsClick() { app_.platform().setSharpPixels(controls.sharp_pixels); }

void Tlaunchpad::loadTexture(const std::string& file) {
  // On a bad file the preview keeps what it showed; the error is reported.
  Picture p = loadPictureFile(textures_.pathOf(file));
  controls.ball_texture = std::move(p);
  controls.texture_file = file;
}

void Tlaunchpad::click() {
  if (DXSong.count() > 1) DXSong.item(1).Play();
}

void Tlaunchpad::playMusic() {
  if (DXSong.count() == 0) return;
  DXSong.item(0).Play();
}

void Tlaunchpad::startPainting() {
  if (idleId_) return;
  // The launch window's controls are pointed at with the system's pointer.
  app_.platform().showCursor(true);
  app_.platform().setUiLayer(this);
  idleId_ = app_.addIdleHandler([this] { paint(); }, [this]() -> uint32_t {
    uint32_t since = app_.platform().clock() - lastPaint_;
    return !actions_.empty() || !painted_ || since >= kPaintIntervalMs ? 0 : kPaintIntervalMs - since;
  });
}

void Tlaunchpad::stopPainting() {
  if (!idleId_) return;
  app_.removeIdleHandler(idleId_);
  idleId_ = 0;
  app_.platform().setUiLayer(nullptr);
}

void Tlaunchpad::runActions() {
  std::vector<UiInput> due;
  due.swap(actions_);
  for (const UiInput& a : due) {
    try {
      runAction(a);
    } catch (const std::exception& e) {
      app_.showError(e.what());
    }
  }
}

void Tlaunchpad::paint() {
  runActions();
  // The volume sliders act at once on the menu music and the clicks.
  Volumes wanted = volumesOf(controls);
  if (!(wanted == DXSound.mixer().volumes())) DXSound.mixer().setVolumes(wanted);
  // About sixty pictures a second are plenty for a menu, with or without a
  // display that waits for the vertical blank.
  uint32_t now = app_.platform().clock();
  if (painted_ && now - lastPaint_ < kPaintIntervalMs) return;
  if (!visible_ || !DXinterface.CanDraw()) return;
  painted_ = true;
  lastPaint_ = now;
  Surface& back = DXinterface.surface();
  if (logo_.empty() || logo_.format != back.format) logo_ = toSurface(logoPicture(), back.format);
  int w = std::min(back.width, logo_.width), h = std::min(back.height, logo_.height);
  for (int y = 0; y < h; ++y) std::copy_n(logo_.row(y), w, back.row(y));
  // The ball preview, stretched to its 32×32 box; the chosen practice hole.
  if (controls.start_visible) paintPicture(back, controls.ball_texture, controlOf(ControlId::balltexture).rect);
  if (controls.practice_visible)
    paintPicture(back, controls.practice_preview, controlOf(ControlId::practice_preview).rect);
  if (controls.start_visible && bestsText) controls.bests_text = bestsText(controls.name);
  DXinterface.Flip();
}

void Tlaunchpad::paintPicture(Surface& back, const Picture& pic, const Rect& r) const {
  if (pic.empty() || pic.rgb.size() < static_cast<size_t>(pic.width) * pic.height * 3 || r.empty()) return;
  for (int y = std::max(r.top, 0); y < std::min<int>(r.bottom, back.height); ++y) {
    int ty = (y - r.top) * pic.height / r.height();
    for (int x = std::max(r.left, 0); x < std::min<int>(r.right, back.width); ++x) {
      int tx = (x - r.left) * pic.width / r.width();
      const uint8_t* px = &pic.rgb[(static_cast<size_t>(ty) * pic.width + tx) * 3];
      back.row(y)[x] = packRgb(px[0], px[1], px[2], back.format);
    }
  }
}

}  // namespace fg
