// "profile save|load|list": an adapter's settings to and from profile files.
// Loading changes the settings in memory only; they reach the adapter with
// --submit, as with the panel's Submit Settings.
#include <algorithm>
#include <optional>
#include <ostream>

#include "device/listed_adapters.h"
#include "device/settings_report.h"
#include "profiles/profile_file.h"
#include "profiles/profile_folder.h"
#include "tools/vantorctl/cli.h"

namespace vantor::cli {
namespace {

struct ProfileArgs {
  std::string File;
  std::string Adapter = "1";
  bool Submit = false;
};

// FILE and the options of "save" and "load", in any order; nothing, with the
// reason on err, when they do not parse.
std::optional<ProfileArgs> ParseProfileArgs(std::span<const std::string> args,
                                            bool submitAllowed, std::ostream& err) {
  ProfileArgs parsed;
  bool haveFile = false;
  for (std::size_t i = 0; i < args.size(); ++i) {
    if (args[i] == "--adapter" && i + 1 < args.size()) {
      parsed.Adapter = args[++i];
    } else if (args[i] == "--submit" && submitAllowed) {
      parsed.Submit = true;
    } else if (!haveFile && !args[i].starts_with("--")) {
      parsed.File = args[i];
      haveFile = true;
    } else {
      err << "profile: unexpected argument " << args[i] << '\n';
      return std::nullopt;
    }
  }
  if (!haveFile) {
    err << "profile: a FILE is needed\n";
    return std::nullopt;
  }
  return parsed;
}

// "Zel Vantor N" of a listed adapter.
std::string NameOf(const Session& session, const GunDevice* adapter) {
  const auto& listed = session.Adapters();
  const auto at = std::find(listed.begin(), listed.end(), adapter);
  return AdapterDisplayName(static_cast<std::size_t>(at - listed.begin()) + 1);
}

int RunProfileSave(Session& session, const ProfileArgs& args, std::ostream& out,
                   std::ostream& err) {
  if (!session.RequireAdapters(err)) return kExitFailure;
  GunDevice* adapter = session.AdapterByNumber(args.Adapter, err);
  if (!adapter) return kExitFailure;
  std::string reason;
  if (!SaveProfile(args.File, adapter->Settings, &reason)) {
    err << "Profile " << args.File << " could not be saved: " << reason << '\n';
    return kExitFailure;
  }
  out << "Saved the settings of " << NameOf(session, adapter) << " to "
      << args.File << ".\n";
  return kExitOk;
}

int RunProfileLoad(Session& session, const ProfileArgs& args, std::ostream& out,
                   std::ostream& err) {
  if (!session.RequireAdapters(err)) return kExitFailure;
  GunDevice* adapter = session.AdapterByNumber(args.Adapter, err);
  if (!adapter) return kExitFailure;
  // A file that cannot be read would load as all defaults; on the command
  // line a mistyped name must not reach the adapter as factory settings.
  GunSettings loaded;
  std::string reason;
  if (!LoadProfile(args.File, loaded, &reason)) {
    err << "Profile " << args.File << " could not be read: " << reason << '\n';
    return kExitFailure;
  }
  adapter->Settings = loaded;
  PrintSettings(adapter->Settings, out);
  const std::string name = NameOf(session, adapter);
  if (!args.Submit) {
    out << "Not sent to " << name << "; add --submit to send.\n";
    return kExitOk;
  }
  if (!WriteSettingsReport(session.Bus(), *adapter)) {
    err << "Submit error: " << name << " did not accept the settings.\n";
    return kExitFailure;
  }
  out << "Sent to " << name << ".\n";
  return kExitOk;
}

int RunProfileList(std::ostream& out, std::ostream& err) {
  const auto folder = GetProfilesFolder();
  if (!folder) {
    err << "There is no Profiles folder: neither VANTOR_PROFILES_DIR nor HOME is set.\n";
    return kExitFailure;
  }
  if (!ProfilesFolderExists(*folder)) {
    out << "Profiles folder " << folder->string() << " does not exist yet.\n";
    return kExitOk;
  }
  const std::vector<std::string> names = ListProfiles(*folder);
  out << "Profiles in " << folder->string() << ":" << (names.empty() ? " none" : "") << '\n';
  for (const std::string& name : names) out << "  " << name << '\n';
  return kExitOk;
}

}  // namespace

int RunProfile(Session& session, std::span<const std::string> args, std::ostream& out,
               std::ostream& err) {
  const std::string_view action = args.empty() ? "" : std::string_view(args[0]);
  const auto rest = args.empty() ? args : args.subspan(1);
  if (action == "list") {
    if (!rest.empty()) {
      err << "profile list takes no arguments\n";
      return kExitUsage;
    }
    return RunProfileList(out, err);
  }
  if (action != "save" && action != "load") {
    err << "profile: say save, load or list\n";
    return kExitUsage;
  }
  const auto parsed = ParseProfileArgs(rest, action == "load", err);
  if (!parsed) return kExitUsage;
  return action == "save" ? RunProfileSave(session, *parsed, out, err)
                          : RunProfileLoad(session, *parsed, out, err);
}

}  // namespace vantor::cli
