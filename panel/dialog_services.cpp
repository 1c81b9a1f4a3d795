#include "panel/dialog_services.h"

#include <wx/filedlg.h>
#include <wx/msgdlg.h>

#include "panel/panel_messages.h"
#include "pages/wx/wx_text.h"

namespace vantor {

void WxDialogServices::ShowMessage(wxWindow* owner, const PanelMessage& message) {
  const long icon = message.Icon == MessageIcon::Stop ? wxICON_ERROR : wxICON_EXCLAMATION;
  wxMessageBox(WxText(message.Text), WxText(message.Caption), wxOK | icon, owner);
}

std::optional<std::filesystem::path> WxDialogServices::ChooseProfileToSave(
    wxWindow* owner, const std::filesystem::path& folder) {
  wxFileDialog chooser(owner, WxText(panel_text::kSaveDialogTitle), WxText(folder.string()),
                       wxEmptyString, WxText(panel_text::kSaveDialogFilter),
                       wxFD_SAVE | wxFD_OVERWRITE_PROMPT);
  if (chooser.ShowModal() != wxID_OK) return std::nullopt;
  std::filesystem::path chosen(chooser.GetPath().utf8_string());
  // GTK's chooser adds no extension of its own; the overwrite prompt has
  // then asked about the name as typed, so ask again for the real target.
  if (!chosen.has_extension()) {
    chosen += ".ini";
    if (std::filesystem::exists(chosen) &&
        wxMessageBox(WxText(panel_text::ReplaceQuestion(chosen.filename().string())),
                     WxText(panel_text::kSaveDialogTitle), wxYES_NO | wxICON_WARNING,
                     owner) != wxYES)
      return std::nullopt;
  }
  return chosen;
}

}  // namespace vantor
