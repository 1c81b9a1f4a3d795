#include <ostream>

#include "tools/vantorctl/cli.h"

namespace vantor::cli {

namespace {
constexpr Command kCommands[] = {
    {"list", "", RunList},
    {"show", "N", RunShow},
    {"profile", "save FILE [--adapter N] | load FILE [--adapter N] [--submit] | list",
     RunProfile},
    {"remap", "", RunRemap},
};
}  // namespace

std::span<const Command> Commands() { return kCommands; }

void PrintUsage(std::ostream& err) {
  err << "usage: vantorctl [--simulate N [--state FILE]] COMMAND [ARGS]\n"
         "commands:\n";
  for (const Command& command : kCommands)
    err << "  " << command.Name << (command.Usage.empty() ? "" : " ") << command.Usage << '\n';
  err << "--simulate N uses N simulated adapters instead of the real ones;\n"
         "--state FILE keeps their settings across runs.\n";
}

}  // namespace vantor::cli
