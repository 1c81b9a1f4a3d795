#include "panel/panel_options.h"

#include "device/simulated_hid_bus.h"

namespace vantor {

std::optional<PanelCommandLine> ParsePanelCommandLine(std::span<const std::string> args,
                                                      std::string& error) {
  PanelCommandLine options;
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& arg = args[i];
    const bool hasValue = i + 1 < args.size();
    if (arg == "--simulate" && hasValue) {
      options.Simulate = ParseSimulatedAdapterCount(args[++i]);
      if (!options.Simulate)
        return error = "--simulate takes a number of adapters from 0 to 8", std::nullopt;
    } else if (arg == "--state" && hasValue) {
      options.StateFile = args[++i];
    } else if (arg == "--exit-when-shown") {
      options.ExitWhenShown = true;
    } else {
      return error = "unknown or incomplete argument " + arg, std::nullopt;
    }
  }
  if (!options.StateFile.empty() && !options.Simulate)
    return error = "--state goes with --simulate", std::nullopt;
  return options;
}

}  // namespace vantor
