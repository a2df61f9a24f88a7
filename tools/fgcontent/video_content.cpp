// The intro videos and the launch window's logo.
#include <algorithm>
#include <cmath>

#include "bitmap_files.h"
#include "content_context.h"
#include "media/archive_writer.h"
#include "platform/avi_writer.h"
#include "synth.h"
#include "title_art.h"

namespace fg {

namespace {

constexpr int kVideoW = 640, kVideoH = 480, kFps = 25;

double smooth(double x) {
  x = std::clamp(x, 0.0, 1.0);
  return x * x * (3 - 2 * x);
}

TitleScene introAt(double t, double length) {
  TitleScene s;
  s.fade = std::min(smooth(t / 1.2), smooth((length - t) / 0.6));
  s.scroll = 160 * (1 - smooth(t / 4.0));
  // The ball rolls in and drops at the flag.
  const double roll = smooth((t - 1.0) / 2.6);
  s.ballX = t < 3.6 ? -20 + roll * (538 + 20) : -1;
  s.sparkle = t >= 3.6 && t < 4.4 ? (t - 3.6) / 0.8 : 0;
  const double fly = smooth((t - 3.8) / 1.2);
  s.titleScale = 1 + 2.5 * (1 - fly);
  s.titleAlpha = fly;
  s.subtitleAlpha = smooth((t - 5.2) / 0.8);
  return s;
}

Sound introSound(double length) {
  Sound s = Sound::silence(length);
  Tone roll;  // a soft rumble while the ball rolls
  roll.shape = Shape::Noise;
  roll.seconds = 2.6;
  roll.level = 0.15;
  roll.attack = 0.4;
  roll.release = 0.5;
  roll.seed = 7;
  Sound r = makeTone(roll);
  lowPass(r, 500);
  s.mix(r, 1.0);
  const int notes[] = {0, 4, 7, 12, 16};  // rising to the title
  for (int i = 0; i < 5; ++i) {
    Tone t;
    t.seconds = 0.8;
    t.freqStart = t.freqEnd = 523.25 * std::pow(2.0, notes[i] / 12.0);
    t.decay = 0.3;
    t.level = 0.5;
    s.mix(makeHarmonics(t.freqStart, 4, 1.5, t), 3.6 + 0.09 * i);
  }
  for (int n : {0, 4, 7, 12}) {
    Tone pad;
    pad.seconds = 3.2;
    pad.freqStart = pad.freqEnd = 261.63 * std::pow(2.0, n / 12.0);
    pad.attack = 0.3;
    pad.release = 1.0;
    pad.level = 0.22;
    s.mix(makeHarmonics(pad.freqStart, 5, 1.3, pad), 4.6);
  }
  echo(s, 0.21, 0.3, 3);
  s.samples.resize(static_cast<size_t>(length * s.rate));
  return s;
}

Sound makerSound(double length) {
  Sound s = Sound::silence(length);
  Tone drop;
  drop.seconds = 0.25;
  drop.freqStart = 600;
  drop.freqEnd = 1400;
  drop.decay = 0.06;
  drop.level = 0.6;
  s.mix(makeTone(drop), 0.5);
  Tone chime;
  chime.seconds = 1.8;
  chime.freqStart = chime.freqEnd = 659.25;
  chime.decay = 0.6;
  chime.level = 0.4;
  s.mix(makeHarmonics(659.25, 4, 1.6, chime), 0.8);
  echo(s, 0.25, 0.3, 3);
  s.samples.resize(static_cast<size_t>(length * s.rate));
  return s;
}

template <typename DrawFrame>
void writeVideo(const std::string& path, double length, const Sound& sound, DrawFrame draw) {
  AviWriter avi(path, kVideoW, kVideoH, kFps, kSampleRate);
  const std::vector<int16_t> pcm = pcm16Samples(toPcm16(sound, 0.6, 0.01));
  const int frames = static_cast<int>(std::lround(length * kFps));
  const size_t perFrame = kSampleRate / kFps;
  for (int f = 0; f < frames; ++f) {
    CairoImage img(kVideoW, kVideoH);
    draw(img.cr(), static_cast<double>(f) / kFps);
    avi.addFrame(toPicture(img));
    const size_t from = std::min(pcm.size(), f * perFrame);
    const size_t to = f + 1 == frames ? pcm.size() : std::min(pcm.size(), (f + 1) * perFrame);
    avi.addAudio(std::vector<int16_t>(pcm.begin() + from, pcm.begin() + to));
  }
  avi.finish();
}

}  // namespace

void writeLogo(const ContentContext& ctx) {
  CairoImage img(kVideoW, kVideoH);
  drawTitleScene(img.cr(), ctx, TitleScene{});
  const Picture logo = reduceTo256Colours(toPicture(img));
  ctx.preview("logo.png", logo);
  writeFileAtomically(ctx.out("logo.bmp"), encodeBitmapFile8(logo));
}

void writeVideos(const ContentContext& ctx) {
  constexpr double kMakerLength = 3.0, kIntroLength = 8.0;
  writeVideo(ctx.out("brackwater.avi"), kMakerLength, makerSound(kMakerLength),
             [&](cairo_t* cr, double t) { drawMakerLogo(cr, ctx, t, kMakerLength); });
  writeVideo(ctx.out("intro.avi"), kIntroLength, introSound(kIntroLength),
             [&](cairo_t* cr, double t) { drawTitleScene(cr, ctx, introAt(t, kIntroLength)); });
  if (!ctx.previewDir.empty()) {
    for (double t : {1.0, 2.5, 4.2, 7.0}) {
      CairoImage img(kVideoW, kVideoH);
      drawTitleScene(img.cr(), ctx, introAt(t, kIntroLength));
      ctx.preview("intro_" + std::to_string(static_cast<int>(t * 10)) + ".png", toPicture(img));
    }
    CairoImage img(kVideoW, kVideoH);
    drawMakerLogo(img.cr(), ctx, 2.0, kMakerLength);
    ctx.preview("brackwater_20.png", toPicture(img));
  }
}

}  // namespace fg
