#include <charconv>
#include <string_view>

#include "device/adapter_facts.h"
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
      const std::string_view value = args[++i];
      std::size_t count = 0;
      const auto [end, ec] = std::from_chars(value.data(), value.data() + value.size(), count);
      // Two collections an adapter: more than four can never all be listed,
      // but up to eight are allowed so the entry limit can be seen.
      if (ec != std::errc() || end != value.data() + value.size() || count > kMaxEntries)
        return error = "--simulate takes a number of adapters from 0 to 8", std::nullopt;
      options.Simulate = count;
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
