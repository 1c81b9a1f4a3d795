// The panel's icon in the notification area, with its two-command menu. A
// click on the icon brings the panel back (GTK reports every click of a
// double click, so toggling there would hide it again at once); the menu's
// first command toggles.
#pragma once

#include <wx/menu.h>
#include <wx/taskbar.h>

#include <functional>

namespace vantor {

class CTrayIcon final : public wxTaskBarIcon {
 public:
  // Our own ids for the menu's two commands.
  enum { ID_TRAY_TOGGLE = wxID_HIGHEST + 775, ID_TRAY_EXIT = wxID_HIGHEST + 776 };

  CTrayIcon(std::function<void()> onToggle, std::function<void()> onShow,
            std::function<void()> onExit);

  // A notification area to put the icon in exists now.
  static bool HostAvailable() { return wxTaskBarIcon::IsAvailable(); }

  // The popup menu, also for tests that check its items.
  wxMenu* CreatePopupMenu() override;

 private:
  void OnToggle(wxCommandEvent&) { m_onToggle(); }
  void OnExit(wxCommandEvent&) { m_onExit(); }
  void OnIconClick(wxTaskBarIconEvent&) { m_onShow(); }

  std::function<void()> m_onToggle;
  std::function<void()> m_onShow;
  std::function<void()> m_onExit;
};

}  // namespace vantor
