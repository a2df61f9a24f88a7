#include "event_json.h"

#include "json.h"

namespace fg {

namespace {

std::string effectJson(const char* tag, const SimEvent& e, bool with_looping) {
  std::string s = "[\"";
  s += tag;
  s += "\"," + std::to_string(e.item) + "," + std::to_string(e.slot.x) + "," + std::to_string(e.slot.y) + "," +
       std::to_string(e.slot.image) + "," + std::to_string(e.slot.blend);
  if (with_looping) s += e.looping ? ",true" : ",false";
  return s + "]";
}

std::string particlesJson(const SimEvent& e) {
  const Particle& p = e.first;
  JsonLine common;
  common.field("x", p.x).field("y", p.y);
  if (e.has_z) common.field("z", p.z);
  else common.raw("z", "null");
  common.field("bounces", p.bounces)
      .field("colour", static_cast<int64_t>(p.colour))
      .field("shadow", p.shadow);
  if (e.has_dot) common.field("dot", p.dot);
  else common.raw("dot", "null");
  std::string s = "[\"particles\"," + std::to_string(e.item) + "," + std::to_string(e.count) + "," +
                  common.finish() + ",[";
  for (size_t i = 0; i < e.motions.size(); ++i) {
    if (i > 0) s += ',';
    s += "[" + std::to_string(e.motions[i].angle) + "," + jsonNumber(e.motions[i].speed) + "," +
         jsonNumber(e.motions[i].vspeed) + "]";
  }
  return s + "]]";
}

std::string eventJson(const SimEvent& e) {
  switch (e.kind) {
    case SimEvent::Kind::Sound: return "[\"sound\"," + std::to_string(e.item) + "]";
    case SimEvent::Kind::BgSound: return "[\"bgsound\"," + std::to_string(e.item) + "]";
    case SimEvent::Kind::Banner: return "[\"banner\"," + jsonString(e.text) + "]";
    case SimEvent::Kind::Effect: return effectJson("effect", e, false);
    case SimEvent::Kind::Slot: return effectJson("slot", e, true);
    case SimEvent::Kind::CursorCentre: return "[\"cursor_centre\"]";
    case SimEvent::Kind::Particles: return particlesJson(e);
  }
  return "null";
}

}  // namespace

std::string eventsJson(const std::vector<SimEvent>& events) {
  std::string s = "[";
  for (size_t i = 0; i < events.size(); ++i) {
    if (i > 0) s += ',';
    s += eventJson(events[i]);
  }
  return s + "]";
}

}  // namespace fg
