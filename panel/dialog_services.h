// The modal pieces of the panel: message boxes and the Save As chooser. The
// panel reaches them through this interface so GUI tests can answer them
// without a modal loop.
#pragma once

#include <wx/window.h>

#include <filesystem>
#include <optional>

#include "panel/panel_view.h"

namespace vantor {

class DialogServices {
 public:
  virtual ~DialogServices() = default;
  virtual void ShowMessage(wxWindow* owner, const PanelMessage& message) = 0;
  virtual std::optional<std::filesystem::path> ChooseProfileToSave(
      wxWindow* owner, const std::filesystem::path& folder) = 0;
};

// The real ones: wxMessageBox and wxFileDialog.
class WxDialogServices final : public DialogServices {
 public:
  void ShowMessage(wxWindow* owner, const PanelMessage& message) override;
  // Starts in folder, offers "*.ini", asks before overwriting, and appends
  // ".ini" to a name given without an extension.
  std::optional<std::filesystem::path> ChooseProfileToSave(
      wxWindow* owner, const std::filesystem::path& folder) override;
};

}  // namespace vantor
