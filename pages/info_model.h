// The Info page and the About box: the panel's name and version, and the
// ways to reach the adapter's maker.
#pragma once

#include <array>
#include <string>
#include <string_view>

#include "pages/dialog_template.h"

namespace vantor {

inline constexpr std::string_view kVersionText = "Vantor Control Panel ver 1.0";
inline constexpr std::string_view kFeedbackText =
    "For any inquiry or feedback, please kindly inform us.";
inline constexpr std::string_view kWebSiteLabel = "Official site : ";
inline constexpr std::string_view kEmailLabel = "Email : ";
// GTK windows have no system menu to carry the About command, so the Info
// page offers it as a button with the menu item's text.
inline constexpr std::string_view kAboutCommandText = "&About VantorPanel...";

inline constexpr int kIdVersionText = 1029;
inline constexpr int kIdWebSiteLink = 1027;
inline constexpr int kIdEmailLink = 1028;
inline constexpr int kIdAboutButton = 1031;

// The link texts are filled in from the build options.
inline constexpr std::array<TemplateControl, 7> kInfoControls = {{
    {kIdVersionText, ControlKind::Label, kVersionText, {30, 33, 221, 24}},
    {kNoId, ControlKind::Label, kFeedbackText, {30, 61, 204, 8}},
    {kNoId, ControlKind::Label, kWebSiteLabel, {30, 82, 41, 8}},
    {kNoId, ControlKind::Label, kEmailLabel, {30, 101, 39, 8}},
    {kIdWebSiteLink, ControlKind::Custom, "", {78, 82, 96, 8}},
    {kIdEmailLink, ControlKind::Custom, "", {78, 101, 59, 8}},
    {kIdAboutButton, ControlKind::Button, kAboutCommandText, {30, 125, 90, 14}},
}};
inline constexpr DialogTemplate kInfoTemplate{"", 265, 180, kInfoControls};

inline constexpr std::string_view kAboutVersionText = "VantorPanel Version 1.0";
inline constexpr int kIdAboutIcon = 1040;
inline constexpr int kIdAboutNotice = 1041;

inline constexpr std::array<TemplateControl, 4> kAboutControls = {{
    {kIdAboutIcon, ControlKind::Custom, "", {11, 17, 20, 20}},
    {kNoId, ControlKind::Label, kAboutVersionText, {40, 10, 119, 8}},
    {kIdAboutNotice, ControlKind::Label, "", {40, 25, 119, 8}},
    {kIdOk, ControlKind::DefaultButton, "OK", {178, 7, 50, 16}},
}};
inline constexpr DialogTemplate kAboutTemplate{"About VantorPanel", 235, 55, kAboutControls};

// The title font is the menu font at 1.6 times its size, truncated toward
// zero, in bold.
constexpr int TitleFontSize(int menuFontSize) {
  return static_cast<int>(menuFontSize * 1.6);
}

// The link targets: the web site as given, or with "http://" in front when
// it names no scheme; the address behind "mailto:".
std::string WebSiteTarget(std::string_view site);
std::string EmailTarget(std::string_view address);

}  // namespace vantor
