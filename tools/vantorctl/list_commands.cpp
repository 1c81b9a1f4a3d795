// "list" and "show N": the adapters and their settings.
#include <ostream>

#include "device/listed_adapters.h"
#include "device/settings_fields.h"
#include "tools/vantorctl/cli.h"

namespace vantor::cli {
namespace {

// All 36 fields on a few lines, grouped as the pages group them.
void PrintSettingsSummary(const GunSettings& s, std::ostream& out) {
  std::string_view group;
  for (const SettingsField& field : kSettingsFields) {
    // Fields numbered 1..N share a line under their common stem.
    const std::string_view name = field.Name;
    const std::size_t digits = name.find_first_of("0123456789");
    const std::string_view stem = name.substr(0, digits);
    if (digits != std::string_view::npos && stem == group) {
      out << ',' << field.Get(s);
      continue;
    }
    out << (group.empty() ? "  " : "\n  ") << stem << ": " << field.Get(s);
    group = digits != std::string_view::npos ? stem : std::string_view("-");
  }
  out << '\n';
}

}  // namespace

void PrintSettings(const GunSettings& settings, std::ostream& out) {
  for (const SettingsField& field : kSettingsFields)
    out << field.Name << " = " << field.Get(settings) << '\n';
}

int RunList(Session& session, std::span<const std::string> args,
            std::ostream& out, std::ostream& err) {
  if (!args.empty()) {
    err << "list takes no arguments\n";
    return kExitUsage;
  }
  if (!session.RequireAdapters(err)) return kExitFailure;
  const auto& adapters = session.Adapters();
  for (std::size_t i = 0; i < adapters.size(); ++i) {
    out << AdapterDisplayName(i + 1) << "  (" << adapters[i]->DevicePath
        << (session.Simulated() ? ", simulated" : "") << ")\n";
    PrintSettingsSummary(adapters[i]->Settings, out);
  }
  return kExitOk;
}

int RunShow(Session& session, std::span<const std::string> args,
            std::ostream& out, std::ostream& err) {
  if (args.size() != 1) {
    err << "show takes one adapter number\n";
    return kExitUsage;
  }
  if (!session.RequireAdapters(err)) return kExitFailure;
  GunDevice* adapter = session.AdapterByNumber(args[0], err);
  if (!adapter) return kExitFailure;
  PrintSettings(adapter->Settings, out);
  return kExitOk;
}

}  // namespace vantor::cli
