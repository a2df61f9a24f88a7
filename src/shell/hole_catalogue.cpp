#include "shell/hole_catalogue.h"

#include <algorithm>
#include <filesystem>

#include "media/image_list.h"
#include "sim/hole_file.h"
#include "sim/round_card.h"

namespace fg {

namespace {

// "course10" after "course9": runs of digits compare by value.
bool naturalLess(const std::string& a, const std::string& b) {
  size_t i = 0, j = 0;
  while (i < a.size() && j < b.size()) {
    if (std::isdigit(static_cast<unsigned char>(a[i])) && std::isdigit(static_cast<unsigned char>(b[j]))) {
      size_t ei = i, ej = j;
      while (ei < a.size() && std::isdigit(static_cast<unsigned char>(a[ei]))) ++ei;
      while (ej < b.size() && std::isdigit(static_cast<unsigned char>(b[ej]))) ++ej;
      std::string_view na(a.data() + i, ei - i), nb(b.data() + j, ej - j);
      while (na.size() > 1 && na[0] == '0') na.remove_prefix(1);
      while (nb.size() > 1 && nb[0] == '0') nb.remove_prefix(1);
      if (na.size() != nb.size()) return na.size() < nb.size();
      if (na != nb) return na < nb;
      i = ei;
      j = ej;
      continue;
    }
    if (a[i] != b[j]) return a[i] < b[j];
    ++i;
    ++j;
  }
  return a.size() - i < b.size() - j;
}

std::string courseTitle(const std::string& course) {
  if (course.rfind("course", 0) == 0 && course.size() > 6) return "Course " + course.substr(6);
  if (course == "training") return "Training";
  return course;
}

}  // namespace

std::vector<CatalogueHole> findHoles(const std::string& dir) {
  std::vector<CatalogueHole> holes;
  std::error_code ec;
  for (std::filesystem::directory_iterator it(dir, ec), end; !ec && it != end; it.increment(ec)) {
    const std::filesystem::path& p = it->path();
    if (p.extension() != ".hole" || !it->is_regular_file(ec)) continue;
    CatalogueHole h;
    h.name = p.stem().string();
    HoleName n = splitHoleName(h.name);
    h.course = n.course;
    h.number = n.number;
    GameState scratch;
    ReadHoleFile(scratch, dir, h.name + ".hole");
    h.par = scratch.course_par;
    holes.push_back(std::move(h));
    if (holes.size() >= kMaxHoles) break;
  }
  std::sort(holes.begin(), holes.end(), [](const CatalogueHole& a, const CatalogueHole& b) {
    if (a.course != b.course) return naturalLess(a.course, b.course);
    if (a.number != b.number) return a.number < b.number;
    return a.name < b.name;
  });
  return holes;
}

std::string holeTitle(const CatalogueHole& h) {
  if (h.number <= 0) return h.name;
  return courseTitle(h.course) + " - Hole " + std::to_string(h.number);
}

Picture holePreview(const std::string& dir, const std::string& hole, int w, int h) {
  Picture out;
  try {
    ImageList list;
    list.loadFromFile(dir + hole + ".dxg");
    if (list.count() == 0) return out;
    const Picture& src = list.item(0).picture;
    if (src.empty() || w <= 0 || h <= 0 || src.rgb.size() < static_cast<size_t>(src.width) * src.height * 3) return out;
    out.width = w;
    out.height = h;
    out.rgb.resize(static_cast<size_t>(w) * h * 3);
    // Each pixel the average of the block of the course picture it covers.
    for (int y = 0; y < h; ++y) {
      const int y0 = y * src.height / h, y1 = std::max(y0 + 1, (y + 1) * src.height / h);
      for (int x = 0; x < w; ++x) {
        const int x0 = x * src.width / w, x1 = std::max(x0 + 1, (x + 1) * src.width / w);
        uint64_t sum[3] = {0, 0, 0};
        for (int sy = y0; sy < y1; ++sy)
          for (int sx = x0; sx < x1; ++sx)
            for (int c = 0; c < 3; ++c) sum[c] += src.rgb[(static_cast<size_t>(sy) * src.width + sx) * 3 + c];
        const uint64_t n = static_cast<uint64_t>(y1 - y0) * (x1 - x0);
        for (int c = 0; c < 3; ++c) out.rgb[(static_cast<size_t>(y) * w + x) * 3 + c] = static_cast<uint8_t>(sum[c] / n);
      }
    }
  } catch (const std::exception&) {
    return {};
  }
  return out;
}

std::string bestsSummary(const PersonalBests& bests, const std::string& player, const std::vector<CatalogueHole>& holes) {
  std::string out;
  std::string course;
  for (const CatalogueHole& h : holes) {
    // Training never counts for the bests.
    if (h.number <= 0 || h.course == "training") continue;
    if (h.course != course) {
      course = h.course;
      auto round = bests.best(BestKind::Round, player, course);
      out += (out.empty() ? "" : "\n") + courseTitle(course) + " best: " + (round ? std::to_string(*round) : "-") +
             "  holes";
    }
    auto best = bests.best(BestKind::Hole, player, h.name);
    out += " " + (best ? std::to_string(*best) : "-");
  }
  return out;
}

}  // namespace fg
