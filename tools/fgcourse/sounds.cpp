#include "sounds.h"

#include <cmath>

#include "media/error.h"
#include "synth.h"
#include "value_noise.h"

namespace fg {
namespace {

constexpr double kLoopSeconds = 6;

// A short rising whistle with soft ends: one note of birdsong.
Sound chirp(double f0, double f1, double seconds) {
  Tone t;
  t.freqStart = f0;
  t.freqEnd = f1;
  t.seconds = seconds;
  t.attack = t.release = seconds / 2;
  return makeTone(t);
}

// Filtered noise that swells twice round the loop.
Sound windBed(double level, double cutoffHz, uint32_t seed) {
  Tone t;
  t.shape = Shape::Noise;
  t.seconds = kLoopSeconds;
  t.attack = t.release = 0;
  t.seed = seed;
  Sound s = makeTone(t);
  lowPassLoop(s, cutoffHz);
  const size_t n = s.samples.size();
  for (size_t i = 0; i < n; ++i)
    s.samples[i] *= static_cast<float>(level * (0.7 + 0.3 * std::sin(2 * M_PI * 2 * i / n)));
  return s;
}

// Applies f(time in seconds) as an added signal over the whole sound.
template <typename F>
void addOver(Sound& s, F f) {
  for (size_t i = 0; i < s.samples.size(); ++i)
    s.samples[i] += static_cast<float>(f(static_cast<double>(i) / s.rate));
}

Sound birdsong(bool forest) {
  Sound s = windBed(forest ? 2.5 : 1.5, 70, 1);
  for (uint32_t b = 0; b < 9; ++b) {
    const uint32_t h = hash32(b + (forest ? 100 : 0));
    const double f = 2600 + (h % 1400);
    for (int n = 0; n < 3; ++n) s.mixLooped(chirp(f, f * 1.25, 0.07), (h % 132300) / 22050.0 + n * 0.118, 0.35);
  }
  return s;
}

Sound ambience(const std::string& kind) {
  if (kind == "meadow" || kind == "forest") return birdsong(kind == "forest");
  if (kind == "lake") {  // lapping water
    Sound s = windBed(3.0, 300, 2);
    for (size_t i = 0; i < s.samples.size(); ++i)
      s.samples[i] *= static_cast<float>(0.6 + 0.4 * std::sin(2 * M_PI * 5 * i / s.samples.size()));
    s.mixLooped(chirp(3000, 3600, 0.08), 1.8, 0.2);
    return s;
  }
  if (kind == "night") {  // crickets: a chirping carrier gated in bursts
    Sound s = windBed(0.8, 35, 3);
    addOver(s, [](double t) {
      const double gate = std::fmod(t / 0.5, 1.0) < 0.25 ? 1.0 : 0.0;
      return 0.12 * gate * std::sin(2 * M_PI * 4500 * t) * (0.5 + 0.5 * std::sin(2 * M_PI * 60 * t));
    });
    return s;
  }
  if (kind == "harbour") {  // slow swell against the quay and a buoy's bell far out
    Sound s = windBed(2.2, 180, 6);
    for (size_t i = 0; i < s.samples.size(); ++i)
      s.samples[i] *= static_cast<float>(0.55 + 0.45 * std::sin(2 * M_PI * 3 * i / s.samples.size()));
    Tone bell;
    bell.seconds = 1.4;
    bell.attack = 0.004;
    bell.decay = 0.45;
    bell.release = 0.2;
    Sound ding = makeHarmonics(620, 4, 1.6, bell);
    s.mixLooped(ding, 1.0, 0.25);
    s.mixLooped(ding, 4.1, 0.18);
    return s;
  }
  if (kind == "space") {  // a drone, whole cycles of each tone in the loop
    Sound s = Sound::silence(kLoopSeconds);
    addOver(s, [](double t) {
      return 0.4 * std::sin(2 * M_PI * 55 * t) +
             0.25 * std::sin(2 * M_PI * 82.5 * t) * (0.5 + 0.5 * std::sin(2 * M_PI * t / kLoopSeconds)) +
             0.1 * std::sin(2 * M_PI * 220.5 * t);
    });
    return s;
  }
  if (kind == "site") {  // a distant generator and hammer taps far away
    Sound s = windBed(1.2, 105, 4);
    addOver(s, [](double t) { return 0.05 * (std::sin(2 * M_PI * 50 * t) + 0.5 * std::sin(2 * M_PI * 100 * t)); });
    Tone tap;
    tap.shape = Shape::Noise;
    tap.seconds = 0.018;
    tap.attack = 0;
    tap.decay = 0.003;
    tap.seed = 9;
    for (int k = 0; k < 4; ++k) s.mixLooped(makeTone(tap), (30000 + k * 8000) / 22050.0, 0.3);
    return s;
  }
  throw GameError("unknown ambience " + kind);
}

// A low, wobbling "hrrmmph": a rough saw through two low passes.
Sound grumble() {
  Tone t;
  t.shape = Shape::Saw;
  t.seconds = 1.1;
  t.freqStart = 95;
  t.freqEnd = 73;
  t.vibratoHz = 3;
  t.vibratoDepth = 0.16;
  t.attack = 0.05;
  t.release = 0.17;
  Sound s = makeTone(t);
  NoiseSource rough(5);
  float r = 0;
  for (size_t i = 0; i < s.samples.size(); ++i) {
    if (i % 40 == 0) r = 1 + 0.4f * rough.next();
    s.samples[i] *= r;
  }
  lowPass(s, 290);
  Sound deep = s;
  lowPass(deep, 105);
  s.gain(0.7);
  s.mix(deep, 0, 1.5);
  return s;
}

}  // namespace

std::vector<WaveItemDesc> holeSounds(const std::string& ambienceName) {
  std::vector<WaveItemDesc> w(2);
  w[0].name = "ambience";
  w[0].looped = true;
  w[0].wave = toWave16(ambience(ambienceName), 0.5, 0.0);  // a loop: no fades at the seam
  w[1].name = "grumble";
  w[1].maxPlayingCount = 1;
  w[1].wave = toWave16(grumble(), 0.5);
  return w;
}

}  // namespace fg
