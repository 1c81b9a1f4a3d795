// "remap": turns the gun buttons of every listed adapter into key presses,
// without a desktop (emulator cabinets have none), until the user stops it.
#include <memory>
#include <ostream>
#include <vector>

#include "device/listed_adapters.h"
#include "device/settings_fields.h"
#include "input/device_list_view.h"
#include "input/input_router.h"
#include "input/key_table.h"
#include "tools/vantorctl/backends.h"
#include "tools/vantorctl/cli.h"

namespace vantor::cli {
namespace {

constexpr std::string_view kRunning =
    "Turning the gun buttons into keys; stop with Ctrl+C or SIGTERM.";
constexpr std::string_view kSimulatedNoInput =
    "Simulated adapters send no input here; waiting for the signal only.";
constexpr std::string_view kStopped = "Stopped.";

// The Keys Mapping page's captions of ButtonRemap1..6.
constexpr std::string_view kRemapCaptions[kRemapCount] = {
    "Button 1", "Button 2", "Button 3", "Button 4", "Button 5", "Wheel Up/Down"};

void PrintRemaps(const std::vector<GunDevice*>& adapters, std::ostream& out) {
  for (std::size_t i = 0; i < adapters.size(); ++i) {
    out << AdapterDisplayName(i + 1) << ':';
    for (std::size_t r = 0; r < kRemapCount; ++r)
      out << (r ? ", " : " ") << kRemapCaptions[r] << ' '
          << KeyNameFromCode(adapters[i]->Settings.*kButtonRemapFields[r]);
    out << '\n';
  }
}

}  // namespace

void TypeUntilStopped(RemapLoop& loop, MouseSource& mice, InputRouter& router, std::ostream& err) {
  loop.Run(mice, router, err);
  // The gun's buttons may still be down; their keys must not be.
  router.ReleaseHeldKeys();
}

int RunRemap(Session& session, std::span<const std::string> args, std::ostream& out,
             std::ostream& err) {
  if (!args.empty()) {
    err << "remap takes no arguments\n";
    return kExitUsage;
  }
  if (!session.RequireAdapters(err)) return kExitFailure;

  const std::unique_ptr<RemapLoop> loop = MakeRemapLoop(err);
  if (!loop) return kExitFailure;

  std::string keyboardProblem;
  const std::unique_ptr<KeySink> keyboard = MakeKeyboard(keyboardProblem);
  if (!keyboardProblem.empty()) err << keyboardProblem << '\n';

  const std::unique_ptr<MouseSource> mice = MakeMice(session.Simulated());
  const std::vector<GunDevice*>& adapters = session.Adapters();
  mice->WatchAdapters(adapters);
  for (const std::string& problem : mice->Problems()) err << problem << '\n';

  // Headless, the first adapter stands as the current device; there is no
  // pressed-button display to drive.
  FixedDeviceList list(adapters, adapters.front());
  InputRouter router(list, *keyboard);

  PrintRemaps(adapters, out);
  if (session.Simulated()) out << kSimulatedNoInput << '\n';
  out << kRunning << std::endl;
  TypeUntilStopped(*loop, *mice, router, err);
  out << kStopped << '\n';
  return kExitOk;
}

}  // namespace vantor::cli
