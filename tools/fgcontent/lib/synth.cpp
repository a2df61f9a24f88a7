#include "synth.h"

#include <algorithm>
#include <cmath>

namespace fg {

Sound Sound::silence(double seconds, int rate) {
  Sound s;
  s.rate = rate;
  s.samples.assign(static_cast<size_t>(std::lround(seconds * rate)), 0.0f);
  return s;
}

void Sound::mix(const Sound& other, double atSeconds, double gainK) {
  const size_t at = static_cast<size_t>(std::max(0L, std::lround(atSeconds * rate)));
  if (samples.size() < at + other.samples.size()) samples.resize(at + other.samples.size(), 0.0f);
  for (size_t i = 0; i < other.samples.size(); ++i)
    samples[at + i] += static_cast<float>(other.samples[i] * gainK);
}

void Sound::mixLooped(const Sound& other, double atSeconds, double gainK) {
  if (samples.empty()) return;
  const size_t at = static_cast<size_t>(std::max(0L, std::lround(atSeconds * rate)));
  for (size_t i = 0; i < other.samples.size(); ++i)
    samples[(at + i) % samples.size()] += static_cast<float>(other.samples[i] * gainK);
}

void Sound::gain(double k) {
  for (float& v : samples) v = static_cast<float>(v * k);
}

float Sound::peak() const {
  float p = 0;
  for (float v : samples) p = std::max(p, std::fabs(v));
  return p;
}

float NoiseSource::next() {
  state_ = state_ * 1664525u + 1013904223u;
  return static_cast<float>(static_cast<int32_t>(state_) / 2147483648.0);
}

namespace {

double oscillator(Shape shape, double phase, double duty, NoiseSource& noise) {
  switch (shape) {
    case Shape::Sine: return std::sin(2 * M_PI * phase);
    case Shape::Square: return phase < duty ? 0.8 : -0.8;
    case Shape::Saw: return 2 * phase - 1;
    case Shape::Triangle: return phase < 0.5 ? 4 * phase - 1 : 3 - 4 * phase;
    case Shape::Noise: return noise.next();
  }
  return 0;
}

double envelopeAt(const Tone& t, double time) {
  double e = 1.0;
  if (t.attack > 0 && time < t.attack) e = time / t.attack;
  if (t.decay > 0) e *= std::exp(-std::max(0.0, time - t.attack) / t.decay);
  const double left = t.seconds - time;
  if (t.release > 0 && left < t.release) e *= std::max(0.0, left / t.release);
  return e;
}

}  // namespace

Sound makeTone(const Tone& t, int rate) {
  Sound s = Sound::silence(t.seconds, rate);
  NoiseSource noise(t.seed);
  double phase = 0;
  const size_t n = s.samples.size();
  const double ratio = t.freqEnd / t.freqStart;
  for (size_t i = 0; i < n; ++i) {
    const double time = static_cast<double>(i) / rate;
    const double progress = n > 1 ? static_cast<double>(i) / (n - 1) : 0;
    double f = ratio == 1.0 ? t.freqStart : t.freqStart * std::pow(ratio, progress);
    if (t.vibratoHz > 0) f *= 1 + t.vibratoDepth * std::sin(2 * M_PI * t.vibratoHz * time);
    s.samples[i] = static_cast<float>(oscillator(t.shape, phase, t.duty, noise) * envelopeAt(t, time) * t.level);
    phase += f / rate;
    phase -= std::floor(phase);
  }
  return s;
}

Sound makeHarmonics(double freq, int count, double tilt, const Tone& envelope, int rate) {
  Sound out = Sound::silence(envelope.seconds, rate);
  for (int k = 1; k <= count; ++k) {
    Tone t = envelope;
    t.shape = Shape::Sine;
    t.freqStart = freq * k;
    t.freqEnd = envelope.freqEnd / envelope.freqStart * freq * k;
    t.level = envelope.level / std::pow(k, tilt);
    t.decay = envelope.decay > 0 ? envelope.decay / (1 + 0.4 * (k - 1)) : 0;  // high partials die first
    if (t.freqStart * 2 >= rate) break;
    out.mix(makeTone(t, rate), 0);
  }
  return out;
}

void lowPass(Sound& s, double cutoffHz) {
  const double a = 1 - std::exp(-2 * M_PI * cutoffHz / s.rate);
  double y = 0;
  for (float& v : s.samples) {
    y += a * (v - y);
    v = static_cast<float>(y);
  }
}

void lowPassLoop(Sound& s, double cutoffHz) {
  const double a = 1 - std::exp(-2 * M_PI * cutoffHz / s.rate);
  double y = 0;
  for (const float v : s.samples) y += a * (v - y);
  for (float& v : s.samples) {
    y += a * (v - y);
    v = static_cast<float>(y);
  }
}

void highPass(Sound& s, double cutoffHz) {
  const double a = 1 - std::exp(-2 * M_PI * cutoffHz / s.rate);
  double low = 0;
  for (float& v : s.samples) {
    low += a * (v - low);
    v = static_cast<float>(v - low);
  }
}

void echo(Sound& s, double delaySeconds, double feedback, int repeats) {
  const Sound dry = s;
  double g = feedback;
  for (int i = 1; i <= repeats; ++i, g *= feedback) s.mix(dry, delaySeconds * i, g);
}

void saturate(Sound& s, double drive) {
  const double norm = std::tanh(drive);
  for (float& v : s.samples) v = static_cast<float>(std::tanh(v * drive) / norm);
}

std::vector<uint8_t> toPcm16(const Sound& s, double peak, double fadeSeconds) {
  const float p = s.peak();
  const double k = p > 0 ? peak / p : 0;
  const size_t n = s.samples.size();
  const size_t fade = std::min(n / 2, static_cast<size_t>(std::lround(fadeSeconds * s.rate)));
  std::vector<uint8_t> out(n * 2);
  for (size_t i = 0; i < n; ++i) {
    double v = s.samples[i] * k;
    if (fade > 0 && i < fade) v *= static_cast<double>(i) / fade;
    if (fade > 0 && n - 1 - i < fade) v *= static_cast<double>(n - 1 - i) / fade;
    const long q = std::clamp(std::lround(v * 32767.0), -32767L, 32767L);
    out[2 * i] = static_cast<uint8_t>(q & 0xFF);
    out[2 * i + 1] = static_cast<uint8_t>((q >> 8) & 0xFF);
  }
  return out;
}

Wave toWave16(const Sound& s, double peak, double fadeSeconds) {
  return makePcmWave(s.rate, 16, 1, toPcm16(s, peak, fadeSeconds));
}

std::vector<int16_t> pcm16Samples(const std::vector<uint8_t>& bytes) {
  std::vector<int16_t> out(bytes.size() / 2);
  for (size_t i = 0; i < out.size(); ++i)
    out[i] = static_cast<int16_t>(bytes[2 * i] | (bytes[2 * i + 1] << 8));
  return out;
}

}  // namespace fg
