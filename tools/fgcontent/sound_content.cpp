// sound.dxw: the game's sound effects, synthesised.
#include <cmath>
#include <functional>

#include "cairo_picture.h"
#include "content_context.h"
#include "media/archive_writer.h"
#include "synth.h"

namespace fg {

namespace {

Tone tone(Shape shape, double seconds, double f0, double f1, double decay, double level = 1.0) {
  Tone t;
  t.shape = shape;
  t.seconds = seconds;
  t.freqStart = f0;
  t.freqEnd = f1;
  t.decay = decay;
  t.level = level;
  t.attack = 0.002;
  t.release = std::min(0.02, seconds / 4);
  return t;
}

Sound noiseBurst(double seconds, double decay, double lowCut, double highCut, uint32_t seed, double level = 1) {
  Tone t = tone(Shape::Noise, seconds, 1, 1, decay, level);
  t.seed = seed;
  Sound s = makeTone(t);
  if (highCut > 0) lowPass(s, highCut);
  if (lowCut > 0) highPass(s, lowCut);
  return s;
}

// A knock on something hollow: a falling sine with a short noise click.
Sound knock(double freq, double seconds, double decay, uint32_t seed) {
  Sound s = makeTone(tone(Shape::Sine, seconds, freq * 1.3, freq, decay));
  s.mix(makeTone(tone(Shape::Sine, seconds, freq * 2.7, freq * 2.4, decay / 3, 0.35)), 0);
  s.mix(noiseBurst(0.015, 0.004, 800, 6000, seed, 0.6), 0);
  return s;
}

Sound putt() {
  Sound s = knock(820, 0.16, 0.035, 3);
  s.mix(noiseBurst(0.03, 0.006, 2000, 9000, 4, 0.5), 0);
  return s;
}

Sound wallKnock() { return knock(330, 0.2, 0.045, 5); }

Sound landing() {
  Sound s = makeTone(tone(Shape::Sine, 0.25, 150, 70, 0.07));
  s.mix(noiseBurst(0.12, 0.03, 0, 900, 6, 0.5), 0);
  return s;
}

Sound cupDrop() {
  Sound s = Sound::silence(0.6);
  const double times[] = {0, 0.11, 0.19, 0.245, 0.285};
  for (int i = 0; i < 5; ++i) s.mix(knock(1300 - i * 60, 0.12, 0.02, 10 + i), times[i], 1.0 - i * 0.15);
  s.mix(makeTone(tone(Shape::Sine, 0.3, 240, 180, 0.08, 0.9)), 0.3);
  return s;
}

Sound click() {
  Sound s = makeTone(tone(Shape::Square, 0.035, 2200, 1800, 0.008, 0.6));
  lowPass(s, 5000);
  return s;
}

Sound shimmer() {  // hole start, teleport, drop-in
  Tone t = tone(Shape::Sine, 0.7, 300, 1500, 0, 1);
  t.attack = 0.05;
  t.release = 0.3;
  t.vibratoHz = 18;
  t.vibratoDepth = 0.03;
  Sound s = makeTone(t);
  Tone u = t;
  u.freqStart = 450, u.freqEnd = 2250, u.level = 0.5;
  s.mix(makeTone(u), 0.04);
  Sound air = noiseBurst(0.7, 0.25, 3000, 9000, 21, 0.25);
  s.mix(air, 0);
  echo(s, 0.09, 0.35, 3);
  return s;
}

Sound launcher() {
  Tone t = tone(Shape::Square, 0.5, 120, 700, 0, 0.7);
  t.duty = 0.3;
  t.vibratoHz = 24;
  t.vibratoDepth = 0.08;
  t.release = 0.15;
  Sound s = makeTone(t);
  lowPass(s, 3000);
  s.mix(noiseBurst(0.4, 0.15, 1500, 7000, 31, 0.4), 0.05);
  return s;
}

Sound melody(const std::vector<double>& notes, double step, Shape shape, double length, double decay) {
  Sound s;
  for (size_t i = 0; i < notes.size(); ++i) {
    Tone t = tone(shape, length, notes[i], notes[i], decay, 0.8);
    t.attack = 0.01;
    t.release = 0.05;
    s.mix(makeTone(t), step * i);
  }
  return s;
}

double note(int semitonesFromA4) { return 440.0 * std::pow(2.0, semitonesFromA4 / 12.0); }

Sound gameOver() {
  Sound s = melody({note(-2), note(-6), note(-9)}, 0.32, Shape::Triangle, 0.45, 0.25);
  Tone last = tone(Shape::Triangle, 1.1, note(-14), note(-15), 0.5, 0.9);
  last.vibratoHz = 5;
  last.vibratoDepth = 0.01;
  s.mix(makeTone(last), 0.96);
  lowPass(s, 2500);
  echo(s, 0.14, 0.25, 2);
  return s;
}

Sound forceField() {
  Tone t = tone(Shape::Saw, 0.5, 110, 95, 0, 0.6);
  t.release = 0.2;
  t.vibratoHz = 30;
  t.vibratoDepth = 0.05;
  Sound s = makeTone(t);
  lowPass(s, 1800);
  Tone z = tone(Shape::Sine, 0.5, 2400, 900, 0.15, 0.35);
  z.vibratoHz = 60;
  z.vibratoDepth = 0.04;
  s.mix(makeTone(z), 0);
  return s;
}

Sound explosion() {
  Sound s = noiseBurst(1.3, 0.3, 0, 1200, 41, 1.0);
  Sound crack = noiseBurst(0.15, 0.03, 1000, 8000, 42, 0.6);
  s.mix(crack, 0);
  s.mix(makeTone(tone(Shape::Sine, 0.6, 90, 35, 0.2, 1.0)), 0);
  saturate(s, 1.5);
  return s;
}

Sound splash() {
  Sound s = noiseBurst(0.6, 0.12, 900, 7000, 51, 0.9);
  for (int i = 0; i < 6; ++i) {  // bubbles: short rising chirps
    Tone b = tone(Shape::Sine, 0.06, 500 + 130 * (i % 3), 1100 + 150 * i, 0.025, 0.45);
    s.mix(makeTone(b), 0.12 + i * 0.07);
  }
  return s;
}

Sound switchClack() {
  Sound s = knock(1800, 0.06, 0.01, 61);
  s.mix(knock(1400, 0.06, 0.01, 62), 0.07);
  s.mix(makeTone(tone(Shape::Square, 0.15, 600, 1200, 0.06, 0.35)), 0.1);
  lowPass(s, 6000);
  return s;
}

Sound bump(double freq, uint32_t seed) {
  Sound s = makeTone(tone(Shape::Sine, 0.1, freq * 1.4, freq, 0.03));
  s.mix(noiseBurst(0.05, 0.012, 200, 2500, seed, 0.4), 0);
  return s;
}

Sound tunnelExit() {
  Sound s = makeTone(tone(Shape::Sine, 0.12, 300, 900, 0.05, 0.9));
  Sound whoosh = noiseBurst(0.45, 0, 400, 3000, 71, 0.7);
  for (size_t i = 0; i < whoosh.samples.size(); ++i) {  // swell and fade
    const double x = static_cast<double>(i) / whoosh.samples.size();
    whoosh.samples[i] *= static_cast<float>(std::sin(M_PI * x));
  }
  s.mix(whoosh, 0.03);
  return s;
}

Sound courseCompleted() {
  Sound s = melody({note(3), note(7), note(10), note(15)}, 0.16, Shape::Square, 0.3, 0.2);
  lowPass(s, 3500);
  Tone chord = tone(Shape::Triangle, 1.6, 1, 1, 0.7, 0.6);
  chord.attack = 0.02;
  chord.release = 0.4;
  for (int n : {3, 7, 10, 15}) {
    chord.freqStart = chord.freqEnd = note(n);
    s.mix(makeTone(chord), 0.66, 0.5);
  }
  echo(s, 0.18, 0.3, 3);
  return s;
}

Sound bonusStroke() {
  Sound s;
  const int notes[] = {15, 19, 22, 27};
  for (int i = 0; i < 4; ++i) {
    Tone t = tone(Shape::Sine, 0.5, note(notes[i]), note(notes[i]), 0.16, 0.8);
    s.mix(makeHarmonics(note(notes[i]), 4, 1.6, t), 0.08 * i);
  }
  echo(s, 0.11, 0.3, 2);
  return s;
}

// One strip per sound: its waveform over 2 seconds, for judging envelopes.
Picture soundSheet(const std::vector<Sound>& sounds) {
  constexpr int kWidth = 600, kStrip = 30;
  CairoImage img(kWidth, kStrip * static_cast<int>(sounds.size()));
  cairo_t* cr = img.cr();
  for (size_t i = 0; i < sounds.size(); ++i) {
    const double mid = kStrip * (i + 0.5), peak = std::max(1e-6f, sounds[i].peak());
    cairo_set_source_rgb(cr, i % 2 ? 0.1 : 0.15, 0.15, 0.2);
    cairo_rectangle(cr, 0, kStrip * i, kWidth, kStrip);
    cairo_fill(cr);
    const size_t perColumn = static_cast<size_t>(2.0 * kSampleRate / kWidth);
    for (int x = 0; x < kWidth; ++x) {
      float lo = 0, hi = 0;
      for (size_t k = x * perColumn; k < (x + 1) * perColumn && k < sounds[i].samples.size(); ++k)
        lo = std::min(lo, sounds[i].samples[k]), hi = std::max(hi, sounds[i].samples[k]);
      cairo_rectangle(cr, x, mid - hi / peak * 13, 1, (hi - lo) / peak * 13 + 0.5);
    }
    cairo_set_source_rgb(cr, 0.5, 0.95, 0.6);
    cairo_fill(cr);
  }
  return toPicture(img);
}

}  // namespace

// The click is shared with the launch window's wave archive.
Sound clickSound() { return click(); }

void writeSoundContent(const ContentContext& ctx) {
  const std::vector<std::function<Sound()>> makers = {
      putt, wallKnock, landing, cupDrop, nullptr, click, nullptr, shimmer, nullptr, launcher, gameOver,
      forceField, explosion, splash, switchClack, [] { return bump(180, 81); }, [] { return bump(135, 82); },
      tunnelExit, courseCompleted, nullptr, nullptr, bonusStroke};
  // Peak levels: the click and the bumps come often and stay in the
  // background; the big events may be louder.
  const double kLevels[] = {0.7, 0.6, 0.6, 0.65, 0.5, 0.45, 0.5, 0.6, 0.5, 0.6, 0.65,
                            0.55, 0.75, 0.65, 0.55, 0.45, 0.45, 0.6, 0.7, 0.5, 0.5, 0.65};
  const char* names[] = {"putt", "wall", "landing", "cup", "unused", "click", "unused", "teleport",
                         "unused", "launcher", "gameover", "forcefield", "explosion", "splash", "switch",
                         "bump1", "bump2", "tunnelexit", "completed", "unused", "unused", "bonus"};
  std::vector<WaveItemDesc> items;
  std::vector<Sound> made;
  for (size_t i = 0; i < makers.size(); ++i) {
    WaveItemDesc d;
    d.name = names[i];
    // Unused places stay as short silences so the numbering holds.
    made.push_back(makers[i] ? makers[i]() : Sound::silence(0.05));
    d.wave = toWave16(made.back(), kLevels[i]);
    items.push_back(std::move(d));
  }
  if (!ctx.previewDir.empty()) ctx.preview("sounds.png", soundSheet(made));
  writeFileAtomically(ctx.out("sound.dxw"), writeWaveArchive(items));
}

}  // namespace fg
