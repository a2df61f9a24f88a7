// The line reader shared by the text formats the game plays back (input
// scripts and recorded rounds): one command a line, '#' starts a comment,
// blank lines are skipped and Windows line ends are accepted.
#pragma once

#include <sstream>
#include <string>

namespace fg {

// Calls each(lineNo, firstWord, restOfLine) for every line that has a first
// word and is not a comment; lines are counted from 1.
template <class Each>
void forEachScriptLine(const std::string& text, Each&& each) {
  std::istringstream lines(text);
  std::string raw;
  int lineNo = 0;
  while (std::getline(lines, raw)) {
    ++lineNo;
    if (!raw.empty() && raw.back() == '\r') raw.pop_back();
    std::istringstream in(raw);
    std::string word;
    if (!(in >> word) || word[0] == '#') continue;
    each(lineNo, word, in);
  }
}

}  // namespace fg
