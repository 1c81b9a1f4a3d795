// "vantorctl remap" stops on SIGINT or SIGTERM; whatever the gun holds down
// at that moment must come up, or the keys stay down after the program.
#include <fcntl.h>
#include <signal.h>
#include <unistd.h>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <sstream>

#include "input/button_flags.h"
#include "input/device_list_view.h"
#include "input/input_router.h"
#include "input/mouse_source.h"
#include "tests/input/recording_key_sink.h"
#include "tools/vantorctl/backends.h"
#include "tools/vantorctl/cli.h"

namespace vantor {
namespace {

using namespace ButtonFlags;

// One adapter's mouse behind a pipe: each report written to it is read
// once the loop finds the pipe readable, and then Afterwards runs.
class PipeMice final : public MouseSource, public DescriptorInput {
 public:
  explicit PipeMice(std::string source) : m_source(std::move(source)) {
    if (::pipe2(m_pipe, O_NONBLOCK | O_CLOEXEC) == 0) m_fds = {m_pipe[0]};
  }
  ~PipeMice() override {
    ::close(m_pipe[0]);
    ::close(m_pipe[1]);
  }
  void WatchAdapters(std::span<GunDevice* const>) override {}
  DescriptorInput* Descriptors() override { return this; }
  const std::vector<int>& Fds() const override { return m_fds; }
  bool ReadReady(int fd, MouseReportHandler& handler) override {
    std::uint16_t flags = 0;
    while (::read(fd, &flags, sizeof flags) == static_cast<ssize_t>(sizeof flags)) {
      handler.OnRawMouseInput({flags, m_source});
      if (Afterwards) Afterwards();
    }
    return true;
  }
  const std::vector<std::string>& Problems() const override { return m_problems; }

  bool Send(std::uint16_t flags) {
    return ::write(m_pipe[1], &flags, sizeof flags) == static_cast<ssize_t>(sizeof flags);
  }
  std::function<void()> Afterwards;

 private:
  std::string m_source;
  int m_pipe[2] = {-1, -1};
  std::vector<int> m_fds;
  std::vector<std::string> m_problems;
};

TEST(RemapCommandTest, SigtermWhileKeysAreHeldReleasesThem) {
  GunDevice gun;
  gun.DevicePath = "/dev/hidraw3";
  gun.Settings.ButtonRemap1 = 10;  // Space
  gun.Settings.ButtonRemap6 = 1;   // Up arrow
  FixedDeviceList list({&gun}, &gun);
  RecordingKeySink keys;
  InputRouter router(list, keys);
  std::ostringstream err;
  // vantorctl's own wait: SIGTERM arrives through it for this test too.
  const std::unique_ptr<cli::RemapLoop> loop = cli::MakeRemapLoop(err);
  ASSERT_NE(loop, nullptr) << err.str();
  PipeMice mice(gun.DevicePath);
  ASSERT_TRUE(mice.Send(Button1Down | Wheel));
  mice.Afterwards = [] { ::kill(::getpid(), SIGTERM); };

  cli::TypeUntilStopped(*loop, mice, router, err);
  EXPECT_THAT(keys.Events, testing::ElementsAre(Down(0x20, 0x39), Down(0x26, 0x48, true),
                                                Up(0x20, 0x39), Up(0x26, 0x48, true)));
  EXPECT_TRUE(keys.Held.empty());
  EXPECT_EQ(err.str(), "");
}

}  // namespace
}  // namespace vantor
