// menu.dxw: the launch window's looping menu music and its click.
#include <cmath>
#include <map>
#include <sstream>

#include "content_context.h"
#include "media/archive_writer.h"
#include "media/error.h"
#include "synth.h"

namespace fg {

Sound clickSound();

namespace {

struct Score {
  double tempo = 120;
  std::vector<std::string> chords;
  std::vector<std::pair<int, int>> melody;  // MIDI note (-1 rest), length in eighths
};

int midiOf(const std::string& name) {
  static const std::map<char, int> kSteps = {{'C', 0}, {'D', 2}, {'E', 4}, {'F', 5}, {'G', 7}, {'A', 9}, {'B', 11}};
  if (name == "-") return -1;
  if (name.size() < 2 || !kSteps.count(name[0])) throw GameError("Bad note \"" + name + "\" in music.txt");
  int n = kSteps.at(name[0]);
  size_t i = 1;
  if (name[i] == '#') ++n, ++i;
  return 12 * (std::stoi(name.substr(i)) + 1) + n;
}

Score readScore(const std::string& path) {
  Score s;
  std::istringstream in(readTextFile(path));
  std::string line;
  while (std::getline(in, line)) {
    if (line.empty() || line[0] == ';') continue;
    const size_t eq = line.find('=');
    if (eq == std::string::npos) continue;
    std::istringstream key(line.substr(0, eq)), values(line.substr(eq + 1));
    std::string k, token;
    key >> k;
    if (k == "tempo") values >> s.tempo;
    while (k == "chords" && values >> token) s.chords.push_back(token);
    while (k == "melody" && values >> token) {
      const size_t slash = token.find('/');
      if (slash == std::string::npos) throw GameError("Bad melody token \"" + token + "\" in music.txt");
      s.melody.emplace_back(midiOf(token.substr(0, slash)), std::stoi(token.substr(slash + 1)));
    }
  }
  if (s.chords.empty() || s.tempo < 40 || s.tempo > 300) throw GameError("music.txt needs chords and a tempo");
  return s;
}

double freq(int midi) { return 440.0 * std::pow(2.0, (midi - 69) / 12.0); }

// Chord tones (MIDI) of a chord name such as "Am" or "G", root in octave 3.
std::vector<int> chordTones(const std::string& name) {
  const int root = midiOf(std::string(1, name[0]) + "3");
  const bool minor = name.size() > 1 && name.back() == 'm';
  return {root, root + (minor ? 3 : 4), root + 7};
}

Tone voice(Shape shape, double seconds, double f, double level, double decay) {
  Tone t;
  t.shape = shape;
  t.seconds = seconds;
  t.freqStart = t.freqEnd = f;
  t.level = level;
  t.decay = decay;
  t.attack = 0.004;
  t.release = 0.03;
  return t;
}

void addDrums(Sound& out, double beat, int beats) {
  for (int b = 0; b < beats; ++b) {
    const double t = b * beat;
    if (b % 2 == 0) {
      Tone kick = voice(Shape::Sine, 0.25, 1, 0.9, 0.08);
      kick.freqStart = 140, kick.freqEnd = 45;
      out.mix(makeTone(kick), t);
    } else {
      Tone snare = voice(Shape::Noise, 0.18, 1, 0.35, 0.05);
      snare.seed = 900 + b;
      Sound s = makeTone(snare);
      highPass(s, 1200);
      out.mix(s, t);
    }
    for (int h = 0; h < 2; ++h) {
      Tone hat = voice(Shape::Noise, 0.05, 1, h ? 0.12 : 0.18, 0.012);
      hat.seed = 500 + 2 * b + h;
      Sound s = makeTone(hat);
      highPass(s, 6000);
      out.mix(s, t + h * beat / 2);
    }
  }
}

Sound renderLoop(const Score& sc) {
  const double beat = 60.0 / sc.tempo, bar = 4 * beat;
  const int bars = static_cast<int>(sc.chords.size());
  const double length = bars * bar;
  Sound out = Sound::silence(length + 3);
  for (int b = 0; b < bars; ++b) {
    const std::vector<int> tones = chordTones(sc.chords[b]);
    const double t0 = b * bar;
    Tone pad = voice(Shape::Sine, bar + 0.3, 1, 0.16, 0);
    pad.attack = 0.25;
    pad.release = 0.3;
    for (int n : tones) out.mix(makeHarmonics(freq(n + 12), 5, 1.4, pad), t0);
    for (int e = 0; e < 8; ++e) {  // bass in eighths: root, root, fifth, octave
      const int n = tones[0] - 12 + (e % 4 == 2 ? 7 : e % 4 == 3 ? 12 : 0);
      out.mix(makeTone(voice(Shape::Triangle, beat / 2, freq(n), 0.5, 0.15)), t0 + e * beat / 2);
    }
    for (int s = 0; s < 16; ++s) {  // arpeggio in sixteenths, two octaves up
      const int n = tones[s % 3] + 24 + (s % 6 >= 3 ? 12 : 0);
      Tone arp = voice(Shape::Square, beat / 4, freq(n), 0.09, 0.05);
      arp.duty = 0.25;
      Sound a = makeTone(arp);
      lowPass(a, 3500);
      out.mix(a, t0 + s * beat / 4);
    }
  }
  addDrums(out, beat, bars * 4);
  double t = 0;
  for (const auto& [n, eighths] : sc.melody) {
    const double d = eighths * beat / 2;
    if (n >= 0 && t < length) {
      Tone lead = voice(Shape::Square, d * 0.95, freq(n), 0.3, 0.6);
      lead.duty = 0.4;
      lead.vibratoHz = 5.5;
      lead.vibratoDepth = 0.006;
      Sound s = makeTone(lead);
      lowPass(s, 2600);
      out.mix(s, t);
    }
    t += d;
  }
  echo(out, beat * 0.75, 0.25, 2);
  // Fold everything that rings past the end back onto the start: the loop
  // then joins without a seam and needs no fade.
  const size_t n = static_cast<size_t>(std::lround(length * out.rate));
  for (size_t i = n; i < out.samples.size(); ++i) out.samples[i - n] += out.samples[i];
  out.samples.resize(n);
  return out;
}

}  // namespace

void writeMusicContent(const ContentContext& ctx) {
  std::vector<WaveItemDesc> items(2);
  items[0].name = "music";
  items[0].looped = true;
  items[0].wave = toWave16(renderLoop(readScore(ctx.recipe("music.txt"))), 0.7, 0.0);
  items[1].name = "click";
  items[1].wave = toWave16(clickSound(), 0.7);
  writeFileAtomically(ctx.out("menu.dxw"), writeWaveArchive(items));
}

}  // namespace fg
