// A PanelView that records what the panel logic shows, and stands in for
// the pages with one settings block: the "edits on the pages".
#pragma once

#include <deque>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "device/gun_settings.h"
#include "panel/panel_controller.h"
#include "panel/panel_view.h"

namespace vantor::testing_support {

class RecordingView : public PanelView {
 public:
  void ClearDeviceList() override { devices.clear(); selectedDevice = -1; }
  void AppendDevice(const std::string& name) override { devices.push_back(name); }
  void SelectDevice(int index) override { selectedDevice = index; }

  void StorePagesToDevice() override {
    ++stores;
    if (controller && controller->CurrentDevice()) controller->CurrentDevice()->Settings = pages;
  }
  void RefillPages() override {
    ++refills;
    if (controller && controller->CurrentDevice()) pages = controller->CurrentDevice()->Settings;
  }

  void ClearProfiles() override { profiles.clear(); selectedProfile = -1; }
  void AppendProfile(const std::string& name) override { profiles.push_back(name); }
  void SelectProfile(int index) override {
    selectedProfile = index < static_cast<int>(profiles.size()) ? index : -1;
  }

  void ShowMessage(const PanelMessage& message) override {
    messages.push_back(std::string(message.Caption));
    messageTexts.push_back(message.Text);
  }
  std::optional<std::filesystem::path> ChooseProfileToSave(
      const std::filesystem::path& folder) override {
    chooserFolders.push_back(folder);
    if (chosenFiles.empty()) return std::nullopt;
    auto chosen = chosenFiles.front();
    chosenFiles.pop_front();
    return chosen;
  }
  void ShowDiagnostics(const std::vector<std::string>& lines) override { diagnostics = lines; }

  PanelController* controller = nullptr;
  std::vector<std::string> devices;
  int selectedDevice = -1;
  GunSettings pages;
  int stores = 0, refills = 0;
  std::vector<std::string> profiles;
  int selectedProfile = -1;
  std::vector<std::string> messages, messageTexts;
  std::deque<std::optional<std::filesystem::path>> chosenFiles;
  std::vector<std::filesystem::path> chooserFolders;
  std::vector<std::string> diagnostics;
};

}  // namespace vantor::testing_support
