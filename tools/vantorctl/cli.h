// The command line of vantorctl: global options, the adapter session every
// command works on, and the table of commands.
#pragma once

#include <cstddef>
#include <filesystem>
#include <iosfwd>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "device/discovery.h"
#include "device/gun_device.h"
#include "device/hid_bus.h"

namespace vantor {
class InputRouter;
class MouseSource;
}  // namespace vantor

namespace vantor::cli {

inline constexpr int kExitOk = 0;
inline constexpr int kExitFailure = 1;  // no adapter, a refused transfer, ...
inline constexpr int kExitUsage = 2;

struct GlobalOptions {
  std::optional<std::size_t> Simulate;  // number of simulated adapters
  std::filesystem::path StateFile;      // their memory, with --simulate
  std::vector<std::string> Command;     // the command word and its arguments
};

// Parses the options before the command word; nothing on error, with the
// reason in error.
std::optional<GlobalOptions> ParseGlobalOptions(std::span<char*> args,
                                                std::string& error);

// The bus the options ask for, the table discovery built on it, and the
// adapters as listed for the user.
class Session {
 public:
  explicit Session(const GlobalOptions& options);
  ~Session();
  Session(const Session&) = delete;
  Session& operator=(const Session&) = delete;

  HidBus& Bus() { return *m_bus; }
  DeviceTable& Table() { return m_table; }
  const std::vector<DeviceProblem>& Problems() const { return m_problems; }
  const std::vector<GunDevice*>& Adapters() const { return m_adapters; }
  bool Simulated() const { return m_simulated; }

  // Adapter number (1-based) as given on the command line, or null with a
  // message on err.
  GunDevice* AdapterByNumber(const std::string& text, std::ostream& err);

  // Prints the problems and the no-adapter sentence; false when none is
  // listed.
  bool RequireAdapters(std::ostream& err) const;

 private:
  std::unique_ptr<HidBus> m_bus;
  DeviceTable m_table;
  std::vector<DeviceProblem> m_problems;
  std::vector<GunDevice*> m_adapters;
  bool m_simulated = false;
};

struct Command {
  std::string_view Name;
  std::string_view Usage;  // the arguments after the name
  int (*Run)(Session& session, std::span<const std::string> args,
             std::ostream& out, std::ostream& err);
};

std::span<const Command> Commands();
void PrintUsage(std::ostream& err);

// Every setting on a line of its own, "ButtonMap1 = 1".
void PrintSettings(const GunSettings& settings, std::ostream& out);

// Per command: "list", "show N", "profile save|load|list" and "remap".
int RunList(Session&, std::span<const std::string>, std::ostream&, std::ostream&);
int RunShow(Session&, std::span<const std::string>, std::ostream&, std::ostream&);
int RunProfile(Session&, std::span<const std::string>, std::ostream&, std::ostream&);
int RunRemap(Session&, std::span<const std::string>, std::ostream&, std::ostream&);

class RemapLoop;

// The heart of "remap": the mice's reports go to router until the user
// stops the loop (Ctrl+C, SIGTERM); then every key still held goes up.
void TypeUntilStopped(RemapLoop& loop, MouseSource& mice, InputRouter& router, std::ostream& err);

}  // namespace vantor::cli
