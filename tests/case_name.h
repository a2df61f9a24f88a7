#pragma once
// Names for the cases of a TEST_P table, so a failing case names itself
// ("Cases/EndOfGame.GameOverOnlyAtRestOutsideTraining/two_over_at_rest")
// instead of showing the bytes of its parameter.
#include <gtest/gtest.h>

#include <string>
#include <string_view>

namespace fg::test {

// Letters and digits stay; a minus before a digit reads "neg" and a point
// between digits "p" (-2.5 is neg2p5); every run of other characters becomes
// one '_'.
inline std::string caseName(std::string_view words) {
  auto digit = [&](size_t i) { return i < words.size() && words[i] >= '0' && words[i] <= '9'; };
  std::string name;
  for (size_t i = 0; i < words.size(); ++i) {
    const char c = words[i];
    const bool plain = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || digit(i);
    if (plain) name += c;
    else if (c == '-' && digit(i + 1)) name += "neg";
    else if (c == '.' && i > 0 && digit(i - 1) && digit(i + 1)) name += 'p';
    else if (!name.empty() && name.back() != '_') name += '_';
  }
  while (!name.empty() && name.back() == '_') name.pop_back();
  return name.empty() ? "_" : name;
}

// Names a case by how GoogleTest prints its parameter (numbers, strings, and
// structs that have a PrintTo or operator<<).
struct PrintedName {
  template <class P>
  std::string operator()(const ::testing::TestParamInfo<P>& info) const {
    return caseName(::testing::PrintToString(info.param));
  }
};

// Names a case by one of its text fields: NamedBy(&Case::label).
template <class P, class F>
auto NamedBy(F P::*field) {
  return [field](const ::testing::TestParamInfo<P>& info) { return caseName(info.param.*field); };
}

}  // namespace fg::test
