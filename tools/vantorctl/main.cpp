#include <iostream>

#include "tools/vantorctl/cli.h"

int main(int argc, char** argv) {
  using namespace vantor::cli;
  std::string error;
  const auto options = ParseGlobalOptions(std::span<char*>(argv + 1, argc - 1), error);
  if (!options) {
    std::cerr << "vantorctl: " << error << '\n';
    PrintUsage(std::cerr);
    return kExitUsage;
  }
  const std::string& name = options->Command.front();
  for (const Command& command : Commands()) {
    if (command.Name != name) continue;
    Session session(*options);
    const std::span<const std::string> args(options->Command.begin() + 1,
                                            options->Command.end());
    const int code = command.Run(session, args, std::cout, std::cerr);
    if (code == kExitUsage) PrintUsage(std::cerr);
    return code;
  }
  std::cerr << "vantorctl: unknown command " << name << '\n';
  PrintUsage(std::cerr);
  return kExitUsage;
}
