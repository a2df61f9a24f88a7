#include "sounds.h"

#include <algorithm>
#include <cmath>

#include "media/error.h"
#include "paint.h"

namespace fg {
namespace {

constexpr int kLoopSeconds = 6;

// White noise from the hash, so the same build always writes the same bytes.
double noiseAt(uint32_t i, uint32_t salt) { return (hash32(i * 2654435761U ^ salt) & 0xffff) / 32768.0 - 1.0; }

// One-pole low-pass over the whole buffer, run twice round the loop so the
// filter state at the start equals the state at the end.
void lowPassLoop(std::vector<double>& s, double k) {
  double y = 0;
  for (int pass = 0; pass < 2; ++pass)
    for (double& v : s) {
      y += k * (v - y);
      if (pass == 1) v = y;
    }
}

void chirp(std::vector<double>& s, size_t at, double f0, double f1, double dur, double amp) {
  size_t n = static_cast<size_t>(dur * kSoundRate);
  double ph = 0;
  for (size_t i = 0; i < n; ++i) {
    double t = static_cast<double>(i) / n;
    ph += 2 * M_PI * (f0 + (f1 - f0) * t) / kSoundRate;
    s[(at + i) % s.size()] += amp * std::sin(ph) * std::sin(M_PI * t);
  }
}

std::vector<double> windBed(double level, double k, uint32_t salt) {
  std::vector<double> s(kLoopSeconds * kSoundRate);
  for (size_t i = 0; i < s.size(); ++i) s[i] = noiseAt(static_cast<uint32_t>(i), salt);
  lowPassLoop(s, k);
  // A slow swell, whole cycles in the loop.
  for (size_t i = 0; i < s.size(); ++i)
    s[i] *= level * (0.7 + 0.3 * std::sin(2 * M_PI * 2 * i / s.size()));
  return s;
}

std::vector<int16_t> toPcm(const std::vector<double>& s) {
  double peak = 1e-9;
  for (double v : s) peak = std::max(peak, std::fabs(v));
  double g = std::min(1.0, 0.5 / peak) * 32767;
  std::vector<int16_t> out(s.size());
  for (size_t i = 0; i < s.size(); ++i) out[i] = static_cast<int16_t>(std::lround(s[i] * g));
  return out;
}

}  // namespace

std::vector<int16_t> ambienceLoop(const std::string& kind) {
  if (kind == "meadow" || kind == "forest") {
    auto s = windBed(kind == "forest" ? 2.5 : 1.5, 0.02, 1);
    for (int b = 0; b < 9; ++b) {  // birdsong
      uint32_t h = hash32(b + (kind == "forest" ? 100 : 0));
      double f = 2600 + (h % 1400);
      for (int n = 0; n < 3; ++n)
        chirp(s, (h % s.size()) + n * 2600, f, f * 1.25, 0.07, 0.35);
    }
    return toPcm(s);
  }
  if (kind == "lake") {
    auto s = windBed(3.0, 0.08, 2);  // lapping water
    for (size_t i = 0; i < s.size(); ++i) s[i] *= 0.6 + 0.4 * std::sin(2 * M_PI * 5 * i / s.size());
    chirp(s, 40000, 3000, 3600, 0.08, 0.2);
    return toPcm(s);
  }
  if (kind == "night") {
    auto s = windBed(0.8, 0.01, 3);
    for (size_t i = 0; i < s.size(); ++i) {  // crickets: a chirping carrier gated in bursts
      double gate = std::fmod(i / (kSoundRate * 0.5), 1.0) < 0.25 ? 1.0 : 0.0;
      s[i] += 0.12 * gate * std::sin(2 * M_PI * 4500.0 * i / kSoundRate) * (0.5 + 0.5 * std::sin(2 * M_PI * 60.0 * i / kSoundRate));
    }
    return toPcm(s);
  }
  if (kind == "space") {
    std::vector<double> s(kLoopSeconds * kSoundRate);
    for (size_t i = 0; i < s.size(); ++i) {  // whole cycles of each drone tone
      double t = static_cast<double>(i) / kSoundRate;
      s[i] = 0.4 * std::sin(2 * M_PI * 55 * t) + 0.25 * std::sin(2 * M_PI * 82.5 * t) *
             (0.5 + 0.5 * std::sin(2 * M_PI * t / kLoopSeconds)) + 0.1 * std::sin(2 * M_PI * 220.5 * t);
    }
    return toPcm(s);
  }
  if (kind == "site") {
    auto s = windBed(1.2, 0.03, 4);
    for (size_t i = 0; i < s.size(); ++i) {  // a distant generator
      double t = static_cast<double>(i) / kSoundRate;
      s[i] += 0.05 * (std::sin(2 * M_PI * 50 * t) + 0.5 * std::sin(2 * M_PI * 100 * t));
    }
    for (int k = 0; k < 4; ++k)  // hammer taps far away
      for (int j = 0; j < 400; ++j) s[(30000 + k * 8000 + j) % s.size()] += 0.3 * std::exp(-j / 60.0) * noiseAt(j, 9);
    return toPcm(s);
  }
  throw GameError("unknown ambience " + kind);
}

std::vector<int16_t> grumble() {
  size_t n = kSoundRate * 11 / 10;
  std::vector<double> s(n);
  double ph = 0, lp1 = 0, lp2 = 0;
  for (size_t i = 0; i < n; ++i) {
    double t = static_cast<double>(i) / kSoundRate;
    double f = 95 + 15 * std::sin(2 * M_PI * 3 * t) - 20 * t;  // a low, wobbling "hrrmmph"
    ph += f / kSoundRate;
    double saw = 2 * (ph - std::floor(ph)) - 1;
    double rough = 1 + 0.4 * noiseAt(static_cast<uint32_t>(i / 40), 5);
    lp1 += 0.08 * (saw * rough - lp1);
    lp2 += 0.03 * (lp1 - lp2);
    double env = std::min(1.0, t * 20) * std::min(1.0, (1.1 - t) * 6);
    s[i] = (lp1 * 0.7 + lp2 * 1.5) * env;
  }
  return toPcm(s);
}

std::vector<WaveItemDesc> holeSounds(const std::string& ambience) {
  auto wave = [](const std::vector<int16_t>& pcm) {
    std::vector<uint8_t> bytes(pcm.size() * 2);
    for (size_t i = 0; i < pcm.size(); ++i) {
      bytes[2 * i] = static_cast<uint8_t>(pcm[i] & 0xff);
      bytes[2 * i + 1] = static_cast<uint8_t>((static_cast<uint16_t>(pcm[i]) >> 8) & 0xff);
    }
    return makePcmWave(kSoundRate, 16, 1, std::move(bytes));
  };
  std::vector<WaveItemDesc> w(2);
  w[0].name = "ambience";
  w[0].looped = true;
  w[0].wave = wave(ambienceLoop(ambience));
  w[1].name = "grumble";
  w[1].maxPlayingCount = 1;
  w[1].wave = wave(grumble());
  return w;
}

}  // namespace fg
