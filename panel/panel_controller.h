// The main panel's behaviour without its window: the device list and the
// current device, Submit Settings, Refresh, the profile commands, and the
// gun's mouse reports. The wx dialog forwards its events here and
// implements PanelView.
#pragma once

#include <filesystem>
#include <functional>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "device/discovery.h"
#include "device/gun_device.h"
#include "device/hid_bus.h"
#include "input/device_list_view.h"
#include "input/input_router.h"
#include "input/key_sink.h"
#include "input/mouse_source.h"
#include "panel/panel_view.h"

namespace vantor {

class PanelController final : public DeviceListView {
 public:
  // mice are listened to for the listed adapters, keys get their remapped
  // key presses. profilesFolder is where profiles are listed, loaded and
  // saved; nothing when this machine gives no such place (the combo stays
  // empty).
  PanelController(HidBus& bus, MouseSource& mice, KeySink& keys, PanelView& view,
                  std::optional<std::filesystem::path> profilesFolder);
  // Releases the held keys and the devices, as the window's destruction
  // does.
  ~PanelController();
  PanelController(const PanelController&) = delete;
  PanelController& operator=(const PanelController&) = delete;

  // Discovery, the device list with its first adapter current, the
  // profile combo, the diagnostics. The pages are created afterwards and read the current
  // device as they initialise.
  void Start();

  void OnSelchangeDeviceList(int selected);
  void OnSubmitSettings();
  // Drops every unsubmitted edit and reads the adapters afresh; the profile
  // combo and the current tab stay as they are. The keys the adapters held
  // go up first.
  void OnRefresh();
  // Exit: the adapters' mice are no longer listened to and every key still
  // held for them goes up. The window goes afterwards.
  void OnExit();

  // Loads the chosen profile into the current device and shows it; the
  // adapter is written only by Submit Settings.
  void OnSelchangeProfile(int selected);
  // Collects the pages and saves the current device's settings under a name
  // the user chooses, then lists the profiles again.
  void OnSaveProfileAs();

  DeviceTable& Table() { return m_table; }
  // The listed adapters in list order; what each list line stands for.
  const std::vector<GunDevice*>& DeviceList() const { return m_deviceList; }
  std::span<GunDevice* const> ListedDevices() const override { return m_deviceList; }
  GunDevice* CurrentDevice() const override { return m_table.CurrentDevice; }

  // Where the mouse source hands each report of a listened-to mouse.
  MouseReportHandler& InputHandler() { return m_router; }
  // The Buttons Mapping page's pressed-button display.
  void SetPressedButtonsDisplay(std::function<void(std::uint16_t flags)> display) {
    m_router.SetPressedButtonsDisplay(std::move(display));
  }

  // Sentences that stay shown under the device list besides the adapter
  // problems of the last discovery (e.g. why key presses are off).
  void SetStandingDiagnostics(std::vector<std::string> lines);
  // Runs after every rebuild of the device list (start and Refresh), once
  // the mouse source listens to the new list, and at Exit, once it listens
  // to none: the window watches the source's descriptors afresh there.
  void SetDeviceListObserver(std::function<void()> observer) { m_onDeviceList = std::move(observer); }

 private:
  void Discover();
  void FillDeviceList();
  void ListenTo(std::span<GunDevice* const> adapters);
  void EmptyDeviceList();
  void ReleaseTable();
  void ShowDiagnostics();
  void FillProfileCombo();
  void EnsureProfilesFolder();

  HidBus& m_bus;
  MouseSource& m_mice;
  PanelView& m_view;
  DeviceTable m_table;
  std::vector<GunDevice*> m_deviceList;
  // Holds m_deviceLock, taken while the device list is built, emptied or
  // consulted and while the current device changes.
  InputRouter m_router;
  std::vector<DeviceProblem> m_problems;
  std::vector<std::string> m_standingDiagnostics;
  std::function<void()> m_onDeviceList;
  std::optional<std::filesystem::path> m_profilesFolder;
  std::vector<std::string> m_profileNames;  // file names, in combo order
};

}  // namespace vantor
