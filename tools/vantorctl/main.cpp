#include <cstddef>
#include <iostream>
#include <span>

#include "tools/vantorctl/cli.h"

int main(int argc, char** argv) {
  using namespace vantor::cli;
  std::string error;
  // A program started without even its own name (argc 0) has no arguments.
  const std::span<char*> arguments =
      argc > 1 ? std::span<char*>(argv + 1, static_cast<std::size_t>(argc - 1)) : std::span<char*>();
  const auto options = ParseGlobalOptions(arguments, error);
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
