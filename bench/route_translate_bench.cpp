// Every mouse report of the machine takes this way, so it has to stay
// cheap: one report through routing and translation with eight listed
// adapters, keys into a counting sink. The goal is at most 1 us and no heap
// allocation per report; allocations are counted by replacing the global
// operator new of this program.
#include <benchmark/benchmark.h>

#include <array>
#include <cstdlib>
#include <new>
#include <string>

#include "input/button_flags.h"
#include "input/device_list_view.h"
#include "input/input_router.h"

namespace {
std::size_t g_allocations = 0;
}  // namespace

// Not inlined, so that the compiler does not pair a malloc it sees with a
// delete expression it sees and warn about the mismatch.
[[gnu::noinline]] void* operator new(std::size_t size) {
  ++g_allocations;
  if (void* block = std::malloc(size ? size : 1)) return block;
  throw std::bad_alloc();
}
[[gnu::noinline]] void* operator new[](std::size_t size) { return operator new(size); }
[[gnu::noinline]] void* operator new(std::size_t size, const std::nothrow_t&) noexcept {
  ++g_allocations;
  return std::malloc(size ? size : 1);
}
[[gnu::noinline]] void* operator new[](std::size_t size, const std::nothrow_t& tag) noexcept {
  return operator new(size, tag);
}
[[gnu::noinline]] void operator delete(void* block) noexcept { std::free(block); }
[[gnu::noinline]] void operator delete[](void* block) noexcept { std::free(block); }
[[gnu::noinline]] void operator delete(void* block, std::size_t) noexcept { std::free(block); }
[[gnu::noinline]] void operator delete[](void* block, std::size_t) noexcept { std::free(block); }

namespace vantor {
namespace {

class CountingSink final : public KeySink {
 public:
  void SendKeyDown(std::uint16_t, std::uint16_t, bool) override { ++Transitions; }
  void SendKeyUp(std::uint16_t, std::uint16_t, bool) override { ++Transitions; }
  std::size_t Transitions = 0;
};

// Eight adapters on hidraw paths as Linux names them, each with keys on all
// buttons and the wheel; the first is current.
struct EightAdapters {
  EightAdapters() {
    for (std::size_t i = 0; i < Guns.size(); ++i) {
      Guns[i].DevicePath = "/dev/hidraw" + std::to_string(10 + i);
      GunSettings& s = Guns[i].Settings;
      s.ButtonRemap1 = 10;  // Space
      s.ButtonRemap2 = 35;  // a
      s.ButtonRemap3 = 8;   // Right ctrl
      s.ButtonRemap4 = 1;   // Up arrow
      s.ButtonRemap5 = 78;  // PageDown
      s.ButtonRemap6 = 60;  // z
      Listed.push_back(&Guns[i]);
    }
  }
  std::array<GunDevice, 8> Guns;
  std::vector<GunDevice*> Listed;
};

// Alternating press and release of two buttons, with wheel movement in the
// press: three key transitions a report.
constexpr std::array<std::uint16_t, 2> kReports = {
    ButtonFlags::Button1Down | ButtonFlags::Button3Down | ButtonFlags::Wheel,
    ButtonFlags::Button1Up | ButtonFlags::Button3Up};

void RouteReports(benchmark::State& state, std::size_t sender, bool foreign) {
  EightAdapters adapters;
  const FixedDeviceList list(adapters.Listed, adapters.Listed[0]);
  CountingSink keys;
  InputRouter router(list, keys);
  std::size_t displayed = 0;
  router.SetPressedButtonsDisplay([&displayed](std::uint16_t) { ++displayed; });
  const std::string source = foreign ? "/dev/hidraw99" : adapters.Guns[sender].DevicePath;

  // A zero below means something only if the counting works.
  const std::size_t probe = g_allocations;
  delete new std::string(64, 'x');
  if (g_allocations == probe) state.SkipWithError("allocations are not being counted");

  std::size_t i = 0;
  const std::size_t allocationsBefore = g_allocations;
  for (auto _ : state) {
    router.OnRawMouseInput({kReports[i++ & 1], source});
    benchmark::DoNotOptimize(keys.Transitions);
  }
  const double reports = static_cast<double>(state.iterations());
  state.counters["allocations/report"] =
      static_cast<double>(g_allocations - allocationsBefore) / reports;
  state.counters["keys/report"] = static_cast<double>(keys.Transitions) / reports;
  // Seconds per report, printed with its SI prefix ("450n" is 450 ns).
  state.counters["time/report"] =
      benchmark::Counter(reports, benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
  benchmark::DoNotOptimize(displayed);
}

void BM_CurrentAdapter(benchmark::State& state) { RouteReports(state, 0, false); }
void BM_LastListedAdapter(benchmark::State& state) { RouteReports(state, 7, false); }
void BM_OtherMouse(benchmark::State& state) { RouteReports(state, 0, true); }

BENCHMARK(BM_CurrentAdapter);
BENCHMARK(BM_LastListedAdapter);
BENCHMARK(BM_OtherMouse);

}  // namespace
}  // namespace vantor

BENCHMARK_MAIN();
