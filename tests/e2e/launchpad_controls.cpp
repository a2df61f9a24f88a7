// Prints the launch window's control table for the Xvfb run, one control a
// line: name, caption and the middle of its place in back-buffer pixels,
// separated by tabs. The run clicks where the table says, so moving a
// control never leaves it clicking the wrong one.
#include <iostream>

#include "frontend/launchpad_layout.h"

int main() {
  for (const fg::Control& c : fg::launchpadControlTable()) {
    std::cout << c.name << '\t' << c.caption << '\t' << (c.rect.left + c.rect.right) / 2 << '\t'
              << (c.rect.top + c.rect.bottom) / 2 << '\n';
  }
  return 0;
}
