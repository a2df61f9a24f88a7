// The message loop: click shaping and errors escaping a handler.
#include <gtest/gtest.h>

#include <cstdint>
#include <stdexcept>
#include <string>
#include <vector>

#include "media/application.h"
#include "platform/headless_platform.h"

namespace fg {
namespace {

class Recorder : public Window {
 public:
  std::vector<std::string> calls;
  void onMouseDown(MouseButton b, ShiftState, int, int) override {
    calls.push_back(b == MouseButton::Right ? "rdown" : "down");
  }
  void onMouseUp(MouseButton b, ShiftState, int, int) override {
    calls.push_back(b == MouseButton::Right ? "rup" : "up");
  }
  void onClick() override { calls.push_back("click"); }
  void onDblClick() override { calls.push_back("dbl"); }
  void onKeyDown(int key, ShiftState) override {
    if (key == 'X') throw std::runtime_error("Stream read error");
    calls.push_back("key");
  }
};

class ApplicationTest : public ::testing::Test {
 protected:
  ApplicationTest() : app(platform) { app.setTarget(&w); }
  void press(EventType t, int x, MouseButton b = MouseButton::Left) {
    InputEvent e;
    e.type = t;
    e.x = x;
    e.y = 10;
    e.button = b;
    platform.push(e);
  }
  HeadlessPlatform platform;
  Application app;
  Recorder w;
};

TEST_F(ApplicationTest, AClickIsPressClickRelease) {
  press(EventType::MouseDown, 5);
  press(EventType::MouseUp, 5);
  app.pumpMessages();
  EXPECT_EQ(w.calls, (std::vector<std::string>{"down", "click", "up"}));
}

TEST_F(ApplicationTest, ADoubleClickHasTheOrderTheHandlersRelyOn) {
  press(EventType::MouseDown, 5);
  press(EventType::MouseUp, 5);
  press(EventType::MouseDown, 6);
  press(EventType::MouseUp, 6);
  app.pumpMessages();
  EXPECT_EQ(w.calls, (std::vector<std::string>{"down", "click", "up", "dbl", "down", "up"}));
}

TEST_F(ApplicationTest, SlowOrDistantSecondPressesAreSingleClicks) {
  press(EventType::MouseDown, 5);
  press(EventType::MouseUp, 5);
  app.pumpMessages();
  platform.advance(600);  // past the double-click time
  press(EventType::MouseDown, 5);
  press(EventType::MouseUp, 5);
  press(EventType::MouseDown, 50);  // far from the last click
  press(EventType::MouseUp, 50);
  press(EventType::MouseDown, INT32_MAX);  // from a script: as far as positions go
  press(EventType::MouseUp, INT32_MAX);
  press(EventType::MouseDown, INT32_MIN);
  press(EventType::MouseUp, INT32_MIN);
  app.pumpMessages();
  std::vector<std::string> singles;
  for (int i = 0; i < 5; ++i) singles.insert(singles.end(), {"down", "click", "up"});
  EXPECT_EQ(w.calls, singles);
}

TEST_F(ApplicationTest, RightButtonMakesNoClick) {
  press(EventType::MouseDown, 5, MouseButton::Right);
  press(EventType::MouseUp, 5, MouseButton::Right);
  app.pumpMessages();
  EXPECT_EQ(w.calls, (std::vector<std::string>{"rdown", "rup"}));
}

TEST_F(ApplicationTest, AnErrorEndsTheHandlerAndTheProgramGoesOn) {
  platform.pushKey('X');
  platform.pushKey('A');
  EXPECT_TRUE(app.pumpMessages());
  ASSERT_EQ(platform.errors().size(), 1u);
  EXPECT_EQ(platform.errors()[0], "Stream read error");
  EXPECT_EQ(w.calls, (std::vector<std::string>{"key"}));
}

}  // namespace
}  // namespace fg
