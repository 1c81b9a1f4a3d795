// The emulator's command lines: what each means, what is refused and why,
// and what a session sends for them.
#include <gtest/gtest.h>

#include <sstream>

#include "tests/emu/fake_kernel.h"
#include "tools/vantor-emu/emu_script.h"

namespace vantor::emu {
namespace {

struct LineCase {
  const char* Line;
  std::optional<EmuCommand> Command;
  const char* Error;  // "" when the line is fine
  friend void PrintTo(const LineCase& c, std::ostream* os) { *os << '"' << c.Line << '"'; }
};

class CommandLines : public testing::TestWithParam<LineCase> {};

TEST_P(CommandLines, ParseToTheirCommandOrAReason) {
  std::string error;
  EXPECT_EQ(ParseEmuCommand(GetParam().Line, error), GetParam().Command);
  EXPECT_EQ(error, GetParam().Error);
}

using K = CommandKind;
INSTANTIATE_TEST_SUITE_P(
    Emulator, CommandLines,
    testing::Values(
        LineCase{"press 1", EmuCommand{K::Press, 1}, ""},
        LineCase{"  release   5  ", EmuCommand{K::Release, 5}, ""},
        LineCase{"click 3 # fire", EmuCommand{K::Click, 3}, ""},
        LineCase{"wheel -1", EmuCommand{K::Wheel, -1}, ""},
        LineCase{"wheel +127", EmuCommand{K::Wheel, 127}, ""},
        LineCase{"move -127 12", EmuCommand{K::Move, -127, 12}, ""},
        LineCase{"refuse all", EmuCommand{K::Refuse, kRefuseGet | kRefuseSet}, ""},
        LineCase{"refuse none", EmuCommand{K::Refuse, 0}, ""},
        LineCase{"wait 250", EmuCommand{K::Wait, 250}, ""},
        LineCase{"unplug", EmuCommand{K::Unplug}, ""},
        LineCase{"quit", EmuCommand{K::Quit}, ""},
        LineCase{"", std::nullopt, ""},
        LineCase{"   # only a comment", std::nullopt, ""},
        LineCase{"press 6", std::nullopt, "press takes numbers from 1 to 5: press N"},
        LineCase{"press 0", std::nullopt, "press takes numbers from 1 to 5: press N"},
        LineCase{"press one", std::nullopt, "press takes numbers from 1 to 5: press N"},
        LineCase{"wheel 128", std::nullopt, "wheel takes numbers from -127 to 127: wheel D"},
        LineCase{"move 1", std::nullopt, "usage: move DX DY"},
        LineCase{"quit now", std::nullopt, "usage: quit"},
        LineCase{"refuse maybe", std::nullopt, "usage: refuse get|set|all|none"},
        LineCase{"fire", std::nullopt, "unknown command \"fire\""}));

// A session against a socket that plays the kernel.
class SessionTest : public FakeKernel {
 protected:
  void SetUp() override {
    FakeKernel::SetUp();
    adapter = PlugAdapter();
    session = std::make_unique<EmuSession>(*adapter, out, err, [this](std::chrono::milliseconds ms) {
      waits.push_back(static_cast<int>(ms.count()));
      return true;
    });
  }
  void TearDown() override {
    session.reset();
    adapter.reset();
    FakeKernel::TearDown();
  }
  uhid_event NextEvent() {
    const auto e = Receive();
    EXPECT_TRUE(e);
    return e.value_or(uhid_event{});
  }
  // The button byte of the next input report.
  int NextButtons() {
    const uhid_event e = NextEvent();
    EXPECT_EQ(e.type, UHID_INPUT2);
    return e.u.input2.data[1];
  }
  bool Run(const char* line) {
    std::string error;
    const auto command = ParseEmuCommand(line, error);
    EXPECT_TRUE(command) << error;
    return session->Run(*command);
  }

  std::unique_ptr<UhidAdapter> adapter;
  std::ostringstream out, err;
  std::vector<int> waits;
  std::unique_ptr<EmuSession> session;
};

TEST_F(SessionTest, ButtonsStayHeldAcrossCommandsUntilReleased) {
  Run("press 1");
  EXPECT_EQ(NextButtons(), 0b00001);
  Run("press 4");
  EXPECT_EQ(NextButtons(), 0b01001);
  Run("click 2");
  EXPECT_EQ(NextButtons(), 0b01011);
  EXPECT_EQ(NextButtons(), 0b01001);
  Run("wheel 1");
  const uhid_event wheel = NextEvent();
  EXPECT_EQ(wheel.u.input2.data[1], 0b01001) << "held buttons stay in a wheel report";
  EXPECT_EQ(wheel.u.input2.data[4], 1);
  Run("release 1");
  EXPECT_EQ(NextButtons(), 0b01000);
}

TEST_F(SessionTest, WaitPausesAndQuitEndsTheSession) {
  EXPECT_TRUE(Run("wait 20"));
  EXPECT_EQ(waits, std::vector<int>{20});
  EXPECT_FALSE(Run("quit"));
}

TEST_F(SessionTest, ShowPrintsTheStoredReportInHex) {
  Run("show");
  EXPECT_EQ(out.str().substr(0, 12), "02 89 00 c7 ");
}

TEST_F(SessionTest, ButtonsOfAnUnpluggedAdapterAreReportedNotSent) {
  Run("unplug");
  EXPECT_EQ(NextEvent().type, UHID_DESTROY);
  EXPECT_TRUE(Run("press 1"));
  EXPECT_EQ(err.str(), "the adapter is unplugged\n");
  Run("plug");
  EXPECT_EQ(NextEvent().type, UHID_CREATE2);
  Run("press 2");
  EXPECT_EQ(NextButtons(), 0b00010) << "unplugging let go of every button";
}

}  // namespace
}  // namespace vantor::emu
