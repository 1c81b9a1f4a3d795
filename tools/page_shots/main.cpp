// Shows each settings page, the AutoFire dialog and the About box on a
// simulated adapter and saves a picture of each, to check under Xvfb that
// nothing is clipped and for the README:
//   page_shots OUTDIR   ->  OUTDIR/pages-buttons-mapping.png, ...
#include <cstdio>
#include <cstdlib>
#include <string>

#include <wx/app.h>
#include <wx/frame.h>
#include <wx/init.h>
#include <wx/utils.h>

#include "device/discovery.h"
#include "device/listed_adapters.h"
#include "device/simulated_hid_bus.h"
#include "pages/pressed_buttons.h"
#include "pages/wx/about_dlg.h"
#include "pages/wx/app_icon.h"
#include "pages/wx/autofire_setting_dlg.h"
#include "pages/wx/property_tab_ctrl.h"

namespace vantor {
namespace {

void Settle() {
  for (int round = 0; round < 20; ++round) {
    wxTheApp->ProcessPendingEvents();
    wxYield();
    while (wxTheApp->ProcessIdle()) {
    }
    wxMilliSleep(15);
  }
}

// wx's screen DC under GTK 3 keeps showing the first picture it took, so
// the X server's own view of the screen is taken with ImageMagick.
bool Save(wxWindow& window, const std::string& path) {
  Settle();
  const wxRect area = window.GetScreenRect();
  const std::string command = "import -window root -crop " + std::to_string(area.width) + "x" +
                              std::to_string(area.height) + "+" + std::to_string(area.x) + "+" +
                              std::to_string(area.y) + " +repage '" + path + "'";
  const bool saved = std::system(command.c_str()) == 0;
  std::printf("%s %s (%dx%d)\n", saved ? "saved" : "FAILED", path.c_str(), area.width, area.height);
  return saved;
}

int Run(const std::string& folder) {
  SimulatedHidBus bus(1);
  DeviceTable devices;
  DiscoverDevices(bus, devices);
  devices.CurrentDevice = ListedAdapters(devices).at(0);

  auto* frame = new wxFrame(nullptr, wxID_ANY, "Vantor Control Panel");
  frame->SetIcon(AppIcon());
  auto* tabs = new CPropertyTabCtrl(frame, devices);
  tabs->CreatePages();
  tabs->InsertTabs();
  tabs->ShowSelectedPage();
  frame->SetClientSize(tabs->GetBestSize());
  frame->Move(0, 0);
  frame->Show();

  // Something to see: two buttons held, the first row's editor open.
  tabs->ButtonsMapPage().UpdatePressedButtons(ButtonFlags::Button1Down | ButtonFlags::Button5Down);
  tabs->ButtonsMapPage().Grid().SelectProperty(&tabs->ButtonsMapPage().Row(0));
  tabs->DriverOptionsPage().Grid().SelectProperty(&tabs->DriverOptionsPage().Item(2));

  const char* names[kPageCount] = {"buttons-mapping", "keys-mapping", "driver-options", "info"};
  bool ok = true;
  for (std::size_t i = 0; i < kPageCount; ++i) {
    tabs->ChangeSelection(i);
    tabs->ShowSelectedPage();
    ok &= Save(*frame, folder + "/pages-" + names[i] + ".png");
  }

  {
  CAutoFireSettingDlg autoFire(frame);
  autoFire.SetAutoFire(12);
  autoFire.Move(0, 0);
  autoFire.Show();
  ok &= Save(autoFire, folder + "/pages-autofire.png");
  autoFire.Hide();

  CAboutDlg about(frame);
  about.Move(0, 0);
  about.Show();
  ok &= Save(about, folder + "/pages-about.png");
  about.Hide();
  }

  frame->Destroy();
  Settle();
  FreeDeviceTable(bus, devices);
  return ok ? 0 : 1;
}

}  // namespace
}  // namespace vantor

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: page_shots OUTDIR\n");
    return 2;
  }
  const std::string folder = argv[1];
  // wx sees no arguments of ours.
  int wxArgc = 1;
  wxApp::SetInstance(new wxApp);
  if (!wxEntryStart(wxArgc, argv)) {
    std::fprintf(stderr, "page_shots: no display\n");
    return 1;
  }
  if (!wxTheApp->CallOnInit()) return 1;
  const int result = vantor::Run(folder);
  wxTheApp->OnExit();
  wxEntryCleanup();
  return result;
}
