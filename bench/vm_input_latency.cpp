// How long a gun button takes to become a key, on a real kernel (run inside
// the test VM): from the adapter's input report written to uhid to the key
// event readable on the panel's uinput keyboard, over 1,000 reports. The
// same run measures the bare kernel path the panel cannot avoid, uhid to
// evdev followed by uinput to evdev in one thread with nothing between
// them, and prints the panel's added latency over it
// (the goal is at most 1x). A timed program, not a test: it fails only when
// a report gets lost.
#include <fcntl.h>
#include <linux/input.h>
#include <poll.h>
#include <sys/eventfd.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <functional>
#include <string>
#include <thread>
#include <vector>

#include "device/discovery.h"
#include "device/linux/hidraw_bus.h"
#include "device/listed_adapters.h"
#include "input/device_list_view.h"
#include "input/input_router.h"
#include "input/key_table.h"
#include "input/linux/evdev_mouse_source.h"
#include "input/linux/uinput_keyboard.h"
#include "tools/vantor-emu/adapter_nodes.h"
#include "tools/vantor-emu/uhid_adapter.h"

namespace {

using namespace vantor;
using Clock = std::chrono::steady_clock;

constexpr int kReports = 1000;
// The paths take turns in rounds, so that a change in the host's load
// (qemu shares it) falls on all of them alike.
constexpr int kRounds = 10;
constexpr int kPerRound = kReports / kRounds;  // even: every round ends with the button up
// Reports not kept at the start of the run and of every round (a fresh
// reader thread and fresh nodes are slow the first time); even, like
// kPerRound.
constexpr int kWarmUp = 20, kRoundWarmUp = 4;
constexpr int kEventWaitMs = 1000;
constexpr auto kNodeWait = std::chrono::seconds(3);

struct Percentiles {
  double P50 = 0, P99 = 0;  // microseconds
  // Samples above 1 ms: qemu's CPU thread preempted on a busy host, which
  // the p99 of a few hundred microseconds cannot tell from our own delays.
  long Stalls = 0;
};

constexpr double kStallMicroseconds = 1000;

Percentiles Summarise(std::vector<double> samples) {
  std::sort(samples.begin(), samples.end());
  const long stalls = samples.end() - std::upper_bound(samples.begin(), samples.end(), kStallMicroseconds);
  return {samples[samples.size() / 2], samples[samples.size() * 99 / 100], stalls};
}

// Reads fd until the end of the next frame that carries an event of type
// and code; false when none comes in time.
bool AwaitFrameWith(int fd, std::uint16_t type, std::uint16_t code) {
  bool seen = false;
  for (;;) {
    pollfd p{fd, POLLIN, 0};
    if (::poll(&p, 1, kEventWaitMs) <= 0) return false;
    input_event e;
    while (::read(fd, &e, sizeof e) == static_cast<ssize_t>(sizeof e)) {
      if (e.type == type && e.code == code) seen = true;
      if (seen && e.type == EV_SYN && e.code == SYN_REPORT) return true;
    }
  }
}

// One way from a cause to an event readable on a node.
struct Path {
  const char* What;
  std::uint16_t Type, Code;  // of the event that ends a sample
  std::function<bool(int)> Cause;
  std::vector<double> Samples;  // microseconds
};

// Times path.Cause until fd shows its frame, count times; the first
// warmUp are not kept.
bool Measure(Path& path, int fd, int count, int warmUp = 0) {
  for (int i = 0; i < count; ++i) {
    const auto start = Clock::now();
    if (!path.Cause(i) || !AwaitFrameWith(fd, path.Type, path.Code)) {
      std::fprintf(stderr, "latency: %s: report %d got lost\n", path.What, i);
      return false;
    }
    if (i >= warmUp)
      path.Samples.push_back(std::chrono::duration<double, std::micro>(Clock::now() - start).count());
  }
  return true;
}

// The panel's input loop on its own thread, as in the panel's main loop:
// waits on the adapters' mice and routes what they report.
class PanelInputLoop {
 public:
  PanelInputLoop(DescriptorInput& mice, MouseReportHandler& router)
      : m_mice(mice), m_router(router), m_stop(::eventfd(0, EFD_CLOEXEC)),
        m_thread([this] { Run(); }) {}
  ~PanelInputLoop() {
    const std::uint64_t one = 1;
    [[maybe_unused]] auto n = ::write(m_stop, &one, sizeof one);
    m_thread.join();
    ::close(m_stop);
  }

 private:
  void Run() {
    for (;;) {
      std::vector<pollfd> fds{{m_stop, POLLIN, 0}};
      for (int fd : m_mice.Fds()) fds.push_back({fd, POLLIN, 0});
      if (::poll(fds.data(), fds.size(), -1) < 0) continue;
      if (fds[0].revents) return;
      for (std::size_t i = 1; i < fds.size(); ++i)
        if (fds[i].revents) m_mice.ReadReady(fds[i].fd, m_router);
    }
  }
  DescriptorInput& m_mice;
  MouseReportHandler& m_router;
  int m_stop;
  std::thread m_thread;
};

int OpenNode(const std::string& path) { return ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC); }

void PrintRow(const char* what, const Percentiles& p, bool withStalls = true) {
  std::printf("latency: %-36s %8.0f %8.0f", what, p.P50, p.P99);
  if (withStalls) std::printf(" %8ld", p.Stalls);
  std::printf("\n");
}

}  // namespace

int main() {
  std::string error;
  const int uhid = emu::OpenUhid(error);
  if (uhid < 0) return std::fprintf(stderr, "latency: %s\n", error.c_str()), 1;
  GunSettings settings = ProfileDefaultSettings();
  settings.ButtonRemap1 = KeyCodeFromName("Space");
  emu::EmulatorOptions options;
  options.Initial = EncodeSettingsReport(settings);
  emu::UhidAdapter adapter(uhid, options);
  if (!adapter.Plug(error)) return std::fprintf(stderr, "latency: %s\n", error.c_str()), 1;
  const auto nodes = emu::WaitForAdapterNodes(adapter.Uniq(), kNodeWait);
  UinputKeyboard keyboard;
  const auto keyboardPath = emu::WaitForInputNodeNamed(kVirtualKeyboardName, kNodeWait);
  if (!nodes || !keyboard.KeyPressesOn() || !keyboardPath)
    return std::fprintf(stderr, "latency: no adapter or keyboard node\n"), 1;
  const int keyboardNode = OpenNode(*keyboardPath);

  // Button 1 goes down and up in turn, so every report changes something.
  auto toggleButton = [&](int i) {
    return adapter.SendMouse({static_cast<std::uint8_t>(i % 2 == 0 ? 1 : 0)});
  };
  const auto space = KeystrokeForCode(settings.ButtonRemap1);

  auto typeSpace = [&](int i) {
    if (i % 2 == 0) keyboard.SendKeyDown(space->VirtualKey, space->ScanCode, space->Extended);
    else keyboard.SendKeyUp(space->VirtualKey, space->ScanCode, space->Extended);
    return true;
  };

  Path uhidToEvdev{"uhid -> evdev", EV_KEY, BTN_LEFT, toggleButton, {}};
  Path uinputToEvdev{"uinput -> evdev", EV_KEY, KEY_SPACE, typeSpace, {}};
  Path bare{"bare path", EV_KEY, KEY_SPACE, nullptr, {}};
  Path panel{"uhid -> panel -> uinput", EV_KEY, KEY_SPACE, toggleButton, {}};

  HidrawBus bus;
  DeviceTable table;
  bool ok = DiscoverDevices(bus, table);
  const std::vector<GunDevice*> listed = ListedAdapters(table);
  ok = ok && listed.size() == 1;
  for (int round = 0; ok && round < kRounds; ++round) {
    const int warmUp = round == 0 ? kWarmUp : kRoundWarmUp;
    {
      const int mouseNode = OpenNode(nodes->Event);
      // Both in a row, as a program with no work of its own between them.
      bare.Cause = [&](int i) {
        return toggleButton(i) && AwaitFrameWith(mouseNode, EV_KEY, BTN_LEFT) && typeSpace(i);
      };
      ok = Measure(uhidToEvdev, mouseNode, kPerRound + warmUp, warmUp) &&
           Measure(uinputToEvdev, keyboardNode, kPerRound + warmUp, warmUp) &&
           Measure(bare, keyboardNode, kPerRound + warmUp, warmUp);
      ::close(mouseNode);
    }
    // The panel listens only now, so it adds no work to the bare path.
    EvdevMouseSource mice;
    mice.WatchAdapters(listed);
    FixedDeviceList list(listed, listed.front());
    InputRouter router(list, keyboard);
    PanelInputLoop loop(mice, router);
    ok = ok && Measure(panel, keyboardNode, kPerRound + warmUp, warmUp);
  }
  FreeDeviceTable(bus, table);
  ::close(keyboardNode);
  if (!ok) return 1;

  const Percentiles barePath = Summarise(bare.Samples), panelPath = Summarise(panel.Samples);
  const Percentiles added{panelPath.P50 - barePath.P50, panelPath.P99 - barePath.P99};
  std::printf("latency: %-36s %8s %8s %8s\n",
              (std::to_string(kReports) + " reports, microseconds").c_str(), "p50", "p99", ">1 ms");
  PrintRow("uhid write -> evdev read", Summarise(uhidToEvdev.Samples));
  PrintRow("uinput write -> evdev read", Summarise(uinputToEvdev.Samples));
  PrintRow("bare path: both in a row", barePath);
  PrintRow("uhid -> panel -> uinput key read", panelPath);
  PrintRow("added by the panel", added, false);
  const bool met = added.P50 <= barePath.P50 && added.P99 <= barePath.P99;
  std::printf("latency: added over bare: p50 %.2fx, p99 %.2fx (goal <= 1x: %s)\n",
              added.P50 / barePath.P50, added.P99 / barePath.P99, met ? "met" : "not met");
  return 0;
}
