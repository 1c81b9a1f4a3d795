// The vantor-emu program as a developer runs it: its own process on
// /dev/uhid, commands on stdin, its memory in a state file.
#include <fcntl.h>
#include <linux/input.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <optional>
#include <vector>

#include "device/discovery.h"
#include "device/linux/hidraw_bus.h"
#include "device/listed_adapters.h"
#include "device/settings_state_file.h"
#include "tests/vm/real_kernel.h"

extern char** environ;

namespace vantor {
namespace {

namespace fs = std::filesystem;
constexpr int kLineWaitMs = 3000;

std::string EmulatorProgram() {
  const char* path = std::getenv("VANTOR_EMU");
  return path ? path : "vantor-emu";
}

// One vantor-emu process with its stdin and stdout on pipes.
class EmulatorProcess {
 public:
  explicit EmulatorProcess(std::vector<std::string> args) {
    int in[2], out[2];
    if (::pipe2(in, O_CLOEXEC) != 0 || ::pipe2(out, O_CLOEXEC) != 0) return;
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, in[0], STDIN_FILENO);
    posix_spawn_file_actions_adddup2(&actions, out[1], STDOUT_FILENO);
    args.insert(args.begin(), EmulatorProgram());
    std::vector<char*> argv;
    for (std::string& a : args) argv.push_back(a.data());
    argv.push_back(nullptr);
    if (posix_spawnp(&m_pid, argv[0], &actions, nullptr, argv.data(), environ) != 0) m_pid = -1;
    posix_spawn_file_actions_destroy(&actions);
    ::close(in[0]);
    ::close(out[1]);
    m_in = in[1];
    m_out = out[0];
  }
  ~EmulatorProcess() {
    if (m_pid > 0) {
      ::kill(m_pid, SIGKILL);
      ::waitpid(m_pid, nullptr, 0);
    }
    CloseInput();
    ::close(m_out);
  }

  bool Started() const { return m_pid > 0; }

  // The next line it prints, or nothing within the time.
  std::optional<std::string> ReadLine() {
    for (;;) {
      if (const auto eol = m_buffer.find('\n'); eol != std::string::npos) {
        std::string line = m_buffer.substr(0, eol);
        m_buffer.erase(0, eol + 1);
        return line;
      }
      pollfd fd{m_out, POLLIN, 0};
      char chunk[256];
      if (::poll(&fd, 1, kLineWaitMs) <= 0) return std::nullopt;
      const ssize_t n = ::read(m_out, chunk, sizeof chunk);
      if (n <= 0) return std::nullopt;
      m_buffer.append(chunk, static_cast<std::size_t>(n));
    }
  }

  // The nodes from its "plugged in, settings at X, buttons at Y" line.
  std::optional<emu::AdapterNodes> WaitPluggedIn() {
    const auto line = ReadLine();
    const std::string settings = "settings at ", buttons = ", buttons at ";
    const std::size_t s = line ? line->find(settings) : std::string::npos;
    const std::size_t b = line ? line->find(buttons) : std::string::npos;
    if (s == std::string::npos || b == std::string::npos) return std::nullopt;
    return emu::AdapterNodes{line->substr(s + settings.size(), b - s - settings.size()),
                             line->substr(b + buttons.size())};
  }

  void Send(const std::string& commands) {
    [[maybe_unused]] auto n = ::write(m_in, commands.data(), commands.size());
  }
  void CloseInput() {
    if (m_in >= 0) ::close(m_in);
    m_in = -1;
  }
  // Exit status after the signal (or -1 when it did not end normally).
  int Stop(int signal) {
    if (signal) ::kill(m_pid, signal);
    int status = 0;
    ::waitpid(m_pid, &status, 0);
    m_pid = -1;
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  }

 private:
  pid_t m_pid = -1;
  int m_in = -1, m_out = -1;
  std::string m_buffer;
};

class EmulatorProgramTest : public testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(vm::WaitUntil(vm::NoHidrawNodes));
    dir = fs::temp_directory_path() /
          ("vantor-emu-" + std::string(testing::UnitTest::GetInstance()->current_test_info()->name()));
    fs::remove_all(dir);
    fs::create_directories(dir);
  }
  void TearDown() override {
    FreeDeviceTable(bus, table);
    fs::remove_all(dir);
  }
  HidrawBus bus;
  DeviceTable table;
  fs::path dir;
};

TEST_F(EmulatorProgramTest, SubmittedSettingsSurviveARestartThroughTheStateFile) {
  const fs::path state = dir / "state";
  GunSettings submitted = ProfileDefaultSettings();
  submitted.LeftEdge = 0x0321;
  submitted.ButtonRemap6 = 17;
  {
    EmulatorProcess emulator({"--state", state.string()});
    ASSERT_TRUE(emulator.Started());
    ASSERT_TRUE(emulator.WaitPluggedIn());
    ASSERT_TRUE(DiscoverDevices(bus, table));
    GunDevice* gun = ListedAdapters(table).at(0);
    EXPECT_EQ(gun->Settings, ProfileDefaultSettings()) << "a first start holds the defaults";
    gun->Settings = submitted;
    ASSERT_TRUE(WriteSettingsReport(bus, *gun));
    FreeDeviceTable(bus, table);
    EXPECT_EQ(emulator.Stop(SIGTERM), 0);
  }
  const auto lines = ReadSettingsStateFile(state);
  ASSERT_EQ(lines.size(), 1u);
  ASSERT_TRUE(lines[0]);
  EXPECT_EQ((*lines[0])[1], 0x21);  // bytes 1-2: the left edge, low byte first
  EXPECT_EQ((*lines[0])[2], 0x03);
  ASSERT_TRUE(vm::WaitUntil(vm::NoHidrawNodes)) << "a stopped emulator leaves no node";

  EmulatorProcess again({"--state", state.string()});
  ASSERT_TRUE(again.WaitPluggedIn());
  ASSERT_TRUE(DiscoverDevices(bus, table));
  EXPECT_EQ(ListedAdapters(table).at(0)->Settings, submitted);
}

TEST_F(EmulatorProgramTest, RefusingEmulatorFailsDiscovery) {
  EmulatorProcess emulator({"--refuse", "get"});
  ASSERT_TRUE(emulator.WaitPluggedIn());
  EXPECT_FALSE(DiscoverDevices(bus, table));
  emulator.Send("refuse none\nshow\n");
  ASSERT_TRUE(emulator.ReadLine()) << "show answers once the refusal is lifted";
  EXPECT_TRUE(DiscoverDevices(bus, table));
}

struct KeyOrWheel {
  std::uint16_t Type, Code;
  std::int32_t Value;
  bool operator==(const KeyOrWheel&) const = default;
  friend std::ostream& operator<<(std::ostream& os, const KeyOrWheel& e) {
    return os << '{' << e.Type << ',' << e.Code << ',' << e.Value << '}';
  }
};

// Button and wheel events of the mouse node, until count have come or the
// node stays quiet; movement, sync and high-resolution wheel events are
// left out.
std::vector<KeyOrWheel> ReadButtonsAndWheel(int fd, std::size_t count) {
  std::vector<KeyOrWheel> events;
  while (events.size() < count) {
    pollfd p{fd, POLLIN, 0};
    if (::poll(&p, 1, kLineWaitMs) <= 0) break;
    input_event e;
    if (::read(fd, &e, sizeof e) != static_cast<ssize_t>(sizeof e)) break;
    if (e.type == EV_KEY || (e.type == EV_REL && e.code == REL_WHEEL))
      events.push_back({e.type, e.code, e.value});
  }
  return events;
}

TEST_F(EmulatorProgramTest, CommandsArriveAsButtonsAndWheelOnTheMouseNode) {
  EmulatorProcess emulator({});
  const auto nodes = emulator.WaitPluggedIn();
  ASSERT_TRUE(nodes);
  const int fd = ::open(nodes->Event.c_str(), O_RDONLY | O_CLOEXEC);
  ASSERT_GE(fd, 0);

  emulator.Send("press 1\nrelease 1\nwheel -1\nclick 5\npress 3 # held\n");
  const std::vector<KeyOrWheel> expected = {
      {EV_KEY, BTN_LEFT, 1},  {EV_KEY, BTN_LEFT, 0},  {EV_REL, REL_WHEEL, -1},
      {EV_KEY, BTN_EXTRA, 1}, {EV_KEY, BTN_EXTRA, 0}, {EV_KEY, BTN_MIDDLE, 1}};
  EXPECT_EQ(ReadButtonsAndWheel(fd, expected.size()), expected);

  // quit unplugs: the node reports its end instead of blocking.
  emulator.Send("quit\n");
  EXPECT_EQ(emulator.Stop(0), 0);
  char buffer[sizeof(input_event) * 8];
  ssize_t n = 0;
  while ((n = ::read(fd, buffer, sizeof buffer)) > 0) {}
  EXPECT_EQ(n, -1);
  EXPECT_EQ(errno, ENODEV);
  ::close(fd);
}

}  // namespace
}  // namespace vantor
