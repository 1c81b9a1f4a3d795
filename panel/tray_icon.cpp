#include "panel/tray_icon.h"

#include "panel/panel_messages.h"

namespace vantor {

CTrayIcon::CTrayIcon(std::function<void()> onToggle, std::function<void()> onShow,
                     std::function<void()> onExit)
    : m_onToggle(std::move(onToggle)), m_onShow(std::move(onShow)), m_onExit(std::move(onExit)) {
  Bind(wxEVT_MENU, &CTrayIcon::OnToggle, this, ID_TRAY_TOGGLE);
  Bind(wxEVT_MENU, &CTrayIcon::OnExit, this, ID_TRAY_EXIT);
  Bind(wxEVT_TASKBAR_LEFT_DCLICK, &CTrayIcon::OnIconClick, this);
}

wxMenu* CTrayIcon::CreatePopupMenu() {
  auto* menu = new wxMenu;
  menu->Append(ID_TRAY_TOGGLE, wxString::FromUTF8(panel_text::kTrayToggle.data(),
                                                  panel_text::kTrayToggle.size()));
  menu->AppendSeparator();
  menu->Append(ID_TRAY_EXIT, wxString::FromUTF8(panel_text::kTrayExit.data(),
                                                panel_text::kTrayExit.size()));
  return menu;
}

}  // namespace vantor
