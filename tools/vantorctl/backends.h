// What vantorctl runs on: the platform's adapters, mice and keyboard, or
// simulated adapters with --simulate, and the wait of "remap". Made by the
// platform's files in linux/, the only ones that name a backend.
#pragma once

#include <iosfwd>
#include <memory>
#include <string>

#include "device/hid_bus.h"
#include "input/key_sink.h"
#include "input/mouse_report.h"
#include "input/mouse_source.h"
#include "tools/vantorctl/cli.h"

namespace vantor::cli {

std::unique_ptr<HidBus> MakeBus(const GlobalOptions& options);

// The adapters' mice; those of simulated adapters send nothing here.
std::unique_ptr<MouseSource> MakeMice(bool simulated);

// The keyboard the remapped keys are typed on; problem says why, when it
// cannot type them.
std::unique_ptr<KeySink> MakeKeyboard(std::string& problem);

class RemapLoop {
 public:
  virtual ~RemapLoop() = default;
  // Until the user stops the program, the mice's reports go to handler as
  // they come; a mouse that goes away is said on err.
  virtual void Run(MouseSource& mice, MouseReportHandler& handler, std::ostream& err) = 0;
};

// Takes over the ways the user stops the program (Ctrl+C, SIGTERM); null,
// with the reason on err, when it cannot.
std::unique_ptr<RemapLoop> MakeRemapLoop(std::ostream& err);

}  // namespace vantor::cli
