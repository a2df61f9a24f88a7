#pragma once
// A small sound synthesiser for the game's effects and music: oscillators
// with pitch glides, noise, envelopes, one-pole filters and mixing, all on
// float samples, then written as clean 16-bit PCM (normalised below full
// scale, faded in and out so nothing clicks).
#include <cstdint>
#include <vector>

#include "media/wave_list.h"

namespace fg {

constexpr int kSampleRate = 22050;

enum class Shape { Sine, Square, Saw, Triangle, Noise };

struct Sound {
  int rate = kSampleRate;
  std::vector<float> samples;

  static Sound silence(double seconds, int rate = kSampleRate);
  double seconds() const { return static_cast<double>(samples.size()) / rate; }
  // Adds `other` starting at `atSeconds`, growing this sound when needed.
  void mix(const Sound& other, double atSeconds, double gain = 1.0);
  // As mix, but what runs past the end goes on from the start: for loops.
  void mixLooped(const Sound& other, double atSeconds, double gain = 1.0);
  void gain(double k);
  float peak() const;
};

struct Tone {
  Shape shape = Shape::Sine;
  double seconds = 0.2;
  double freqStart = 440, freqEnd = 440;  // exponential glide from start to end
  double attack = 0.005;                  // linear rise, seconds
  double decay = 0.0;                     // exponential time constant, 0 = hold
  double release = 0.01;                  // linear fall at the end, seconds
  double duty = 0.5;                      // square waves
  double vibratoHz = 0, vibratoDepth = 0; // depth as a frequency ratio, e.g. 0.01
  double level = 1.0;
  uint32_t seed = 1;                      // noise
};

Sound makeTone(const Tone& t, int rate = kSampleRate);
// Sum of harmonics 1..n of a base frequency with amplitudes 1/k^tilt: soft bells and pads.
Sound makeHarmonics(double freq, int count, double tilt, const Tone& envelope, int rate = kSampleRate);

void lowPass(Sound& s, double cutoffHz);
// A low pass for a loop: run twice round so the filter's state where the
// loop starts equals its state where it ends, and the seam does not click.
void lowPassLoop(Sound& s, double cutoffHz);
void highPass(Sound& s, double cutoffHz);
// A feedback delay for a touch of room.
void echo(Sound& s, double delaySeconds, double feedback, int repeats);
// Soft clipping, keeps loud mixes round rather than harsh.
void saturate(Sound& s, double drive);

// Deterministic white noise source (the same numbers every run).
class NoiseSource {
 public:
  explicit NoiseSource(uint32_t seed) : state_(seed ? seed : 1) {}
  float next();  // -1..1

 private:
  uint32_t state_;
};

// Normalises to `peak` (of full scale), fades `fadeSeconds` at both ends and
// writes mono 16-bit little-endian samples.
std::vector<uint8_t> toPcm16(const Sound& s, double peak = 0.8, double fadeSeconds = 0.003);
Wave toWave16(const Sound& s, double peak = 0.8, double fadeSeconds = 0.003);
// 16-bit sample bytes (as toPcm16 makes them) as signed samples.
std::vector<int16_t> pcm16Samples(const std::vector<uint8_t>& bytes);

}  // namespace fg
