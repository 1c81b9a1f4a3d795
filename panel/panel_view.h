// What the main panel's logic asks of its window. The wx dialog implements
// it by forwarding to its controls; tests implement it with a recorder, so
// every flow runs without a display and without blocking on a dialog.
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vantor {

enum class MessageIcon { Exclamation, Stop };

struct PanelMessage {
  std::string_view Caption;
  std::string Text;
  MessageIcon Icon = MessageIcon::Exclamation;
};

class PanelView {
 public:
  virtual ~PanelView() = default;

  // The device list; index i of the view is index i of the logic's list.
  virtual void ClearDeviceList() = 0;
  virtual void AppendDevice(const std::string& name) = 0;
  virtual void SelectDevice(int index) = 0;

  // The pages: collect their contents into the current device, and show the
  // current device's settings on them.
  virtual void StorePagesToDevice() = 0;
  virtual void RefillPages() = 0;

  // The profile combo. Selecting from here never loads a profile.
  virtual void ClearProfiles() = 0;
  virtual void AppendProfile(const std::string& name) = 0;
  virtual void SelectProfile(int index) = 0;

  // A modal message with one OK button.
  virtual void ShowMessage(const PanelMessage& message) = 0;

  // The Save As chooser, starting in folder; nothing when cancelled.
  virtual std::optional<std::filesystem::path> ChooseProfileToSave(
      const std::filesystem::path& folder) = 0;

  // Sentences about adapters or key presses the user can do something
  // about (permissions); empty when all is well.
  virtual void ShowDiagnostics(const std::vector<std::string>& lines) = 0;
};

}  // namespace vantor
