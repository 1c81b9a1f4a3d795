#include <string_view>

#include "device/simulated_hid_bus.h"
#include "tools/vantorctl/cli.h"

namespace vantor::cli {

std::optional<GlobalOptions> ParseGlobalOptions(std::span<char*> args,
                                                std::string& error) {
  GlobalOptions options;
  std::size_t i = 0;
  for (; i < args.size(); ++i) {
    const std::string_view arg = args[i];
    if (arg.empty() || arg[0] != '-') break;
    const bool hasValue = i + 1 < args.size();
    if (arg == "--simulate") {
      if (!hasValue) return error = "--simulate needs a number of adapters", std::nullopt;
      options.Simulate = ParseSimulatedAdapterCount(args[++i]);
      if (!options.Simulate)
        return error = "--simulate takes a number of adapters from 0 to 8", std::nullopt;
    } else if (arg == "--state") {
      if (!hasValue) return error = "--state needs a file", std::nullopt;
      options.StateFile = args[++i];
    } else {
      return error = "unknown option " + std::string(arg), std::nullopt;
    }
  }
  if (!options.StateFile.empty() && !options.Simulate)
    return error = "--state goes with --simulate", std::nullopt;
  for (; i < args.size(); ++i) options.Command.emplace_back(args[i]);
  if (options.Command.empty()) return error = "no command given", std::nullopt;
  return options;
}

}  // namespace vantor::cli
