// Every text the main panel shows, with its exact wording.
#pragma once

#include <string>
#include <string_view>

namespace vantor::panel_text {

inline constexpr std::string_view kCaption = "Vantor Control Panel";
inline constexpr std::string_view kAppName = "VantorPanel";
inline constexpr std::string_view kSimulatedSuffix = " (simulated)";
inline constexpr std::string_view kDeviceListLabel = "Vantor to Examine :";
inline constexpr std::string_view kProfilesLabel = "Profiles";
inline constexpr std::string_view kSubmitButton = "Submit Settings";
inline constexpr std::string_view kExitButton = "Exit";
inline constexpr std::string_view kRefreshButton = "Refresh";
inline constexpr std::string_view kSaveProfileButton = "Save Profile As";

inline constexpr std::string_view kNoDisplay =
    "VantorPanel needs a graphical display: DISPLAY or WAYLAND_DISPLAY is not set or cannot be "
    "opened.";
inline constexpr int kNoDisplayExitCode = 1;

inline constexpr std::string_view kTrayTooltip = "Vantor Control Panel";
inline constexpr std::string_view kTrayToggle = "Minimize/Maximize To Tray...";
inline constexpr std::string_view kTrayExit = "Exit";

inline constexpr std::string_view kNoDeviceCaption = "No Vantor";
inline constexpr std::string_view kNoDeviceText =
    "No Vantor device installed on this system, please check your\n"
    "device connection and click Refresh button";
inline constexpr std::string_view kSubmitErrorCaption = "Submit error";
inline constexpr std::string_view kSubmitErrorText =
    "Submit settings failed, please check your device connection\n"
    "and click Refresh button";
inline constexpr std::string_view kErrorCaption = "Error";
inline constexpr std::string_view kNoProfileDeviceText =
    "No device selected so no valid profile to save.";

// A profile that could not be written names the file and the reason.
inline std::string ProfileNotSaved(const std::string& file, const std::string& reason) {
  return "The profile " + file + " could not be saved: " + reason + ".";
}

inline constexpr std::string_view kSaveDialogTitle = "Save Profile As";
inline constexpr std::string_view kSaveDialogFilter = "Profile (*.ini)|*.ini";
inline std::string ReplaceQuestion(const std::string& fileName) {
  return fileName + " already exists.\nDo you want to replace it?";
}

}  // namespace vantor::panel_text
