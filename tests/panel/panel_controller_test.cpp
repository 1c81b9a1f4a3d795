#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "device/settings_report.h"
#include "device/simulated_hid_bus.h"
#include "panel/instance_lock.h"
#include "panel/panel_controller.h"
#include "panel/panel_messages.h"
#include "tests/panel/recording_view.h"

namespace vantor {
namespace {

using testing::ElementsAre;
using testing::IsEmpty;
using testing_support::RecordingView;

class PanelControllerTest : public testing::Test {
 protected:
  explicit PanelControllerTest(std::size_t adapters = 2) : bus(adapters), controller(bus, view) {
    view.controller = &controller;
  }
  void Start() {
    controller.Start();
    view.RefillPages();  // the pages read the current device as they are created
  }
  SettingsReport Stored(std::size_t adapter) { return bus.Adapters()[adapter].Stored; }

  SimulatedHidBus bus;
  RecordingView view;
  PanelController controller;
};

TEST_F(PanelControllerTest, ListsAdaptersFromOneAndSelectsTheFirst) {
  Start();
  EXPECT_THAT(view.devices, ElementsAre("Zel Vantor 1", "Zel Vantor 2"));
  EXPECT_EQ(view.selectedDevice, 0);
  EXPECT_EQ(controller.CurrentDevice(), controller.DeviceList()[0]);
  EXPECT_THAT(view.diagnostics, IsEmpty());
}

TEST_F(PanelControllerTest, EditsFollowTheirAdapterAcrossSwitches) {
  Start();
  view.pages.Sensitivity = 7;  // edit adapter 1 on the pages
  controller.OnSelchangeDeviceList(1);
  EXPECT_EQ(view.pages, ProfileDefaultSettings()) << "adapter 2 is shown";
  controller.OnSelchangeDeviceList(0);
  EXPECT_EQ(view.pages.Sensitivity, 7) << "the edit was kept in adapter 1's memory";
  EXPECT_EQ(Stored(0), EncodeSettingsReport(ProfileDefaultSettings())) << "nothing was written";
}

TEST_F(PanelControllerTest, ReselectingTheCurrentAdapterStoresButDoesNotRefill) {
  Start();
  const int refills = view.refills;
  view.pages.XCenter = 12;
  controller.OnSelchangeDeviceList(0);
  EXPECT_EQ(view.refills, refills);
  EXPECT_EQ(controller.CurrentDevice()->Settings.XCenter, 12);
  controller.OnSelchangeDeviceList(-1);  // no selection: nothing happens
  controller.OnSelchangeDeviceList(5);
  EXPECT_EQ(controller.CurrentDevice(), controller.DeviceList()[0]);
}

TEST_F(PanelControllerTest, SubmitWritesExactlyTheSelectedAdapter) {
  Start();
  controller.OnSelchangeDeviceList(1);
  view.pages.ButtonMap6 = MouseAction::Reload;
  controller.OnSubmitSettings();
  GunSettings expected = ProfileDefaultSettings();
  expected.ButtonMap6 = MouseAction::Reload;
  EXPECT_EQ(Stored(1), EncodeSettingsReport(expected));
  EXPECT_EQ(Stored(1)[19], MouseAction::Reload);
  EXPECT_EQ(Stored(0), EncodeSettingsReport(ProfileDefaultSettings()));
  EXPECT_THAT(view.messages, IsEmpty());
}

TEST_F(PanelControllerTest, RefusedSubmitShowsSubmitErrorAndKeepsEdits) {
  Start();
  bus.Adapters()[0].RefuseSet = true;
  view.pages.UpEdge = 40;
  controller.OnSubmitSettings();
  EXPECT_THAT(view.messages, ElementsAre("Submit error"));
  EXPECT_EQ(view.messageTexts[0], panel_text::kSubmitErrorText);
  EXPECT_EQ(controller.CurrentDevice()->Settings.UpEdge, 40);
}

TEST_F(PanelControllerTest, RefreshDropsEditsAndRereadsTheAdapters) {
  Start();
  controller.OnSelchangeDeviceList(1);
  view.pages.LeftEdge = 1;
  controller.OnSelchangeDeviceList(0);  // adapter 2's edit is in memory only
  controller.OnRefresh();
  EXPECT_THAT(view.devices, ElementsAre("Zel Vantor 1", "Zel Vantor 2"));
  EXPECT_EQ(view.selectedDevice, 0);
  EXPECT_EQ(controller.DeviceList()[1]->Settings, ProfileDefaultSettings());
  EXPECT_EQ(view.pages, ProfileDefaultSettings());
  EXPECT_EQ(bus.OpenHandleCount(), 4u) << "the old handles were closed";
}

class NoAdapterTest : public PanelControllerTest {
 protected:
  NoAdapterTest() : PanelControllerTest(0) {}
};

TEST_F(NoAdapterTest, SubmitSaysNoVantorAndRefreshFindsAPluggedAdapter) {
  Start();
  EXPECT_THAT(view.devices, IsEmpty());
  EXPECT_EQ(controller.CurrentDevice(), nullptr);
  controller.OnSubmitSettings();
  EXPECT_THAT(view.messages, ElementsAre("No Vantor"));
  EXPECT_EQ(view.messageTexts[0], panel_text::kNoDeviceText);

  view.pages.Sensitivity = 3;  // what the pages happen to show
  SimulatedAdapter plugged;
  plugged.Path = "sim://plugged";
  plugged.Stored = EncodeSettingsReport(ProfileDefaultSettings());
  bus.Adapters().push_back(plugged);
  controller.OnRefresh();
  EXPECT_THAT(view.devices, ElementsAre("Zel Vantor 1"));
  EXPECT_EQ(view.pages, ProfileDefaultSettings());
}

TEST_F(PanelControllerTest, UnopenableAdapterIsShownAsADiagnostic) {
  bus.Adapters()[1].OpenFailure = "Permission denied";
  controller.SetStandingDiagnostics({"Key presses are off."});
  Start();
  EXPECT_THAT(view.devices, IsEmpty());
  EXPECT_THAT(view.diagnostics,
              ElementsAre("Adapter at sim://adapter2 cannot be opened: Permission denied. "
                          "Install the udev rule (see README).",
                          "Key presses are off."));
  bus.Adapters()[1].OpenFailure.clear();
  controller.OnRefresh();
  EXPECT_THAT(view.diagnostics, ElementsAre("Key presses are off."));
}

TEST(InstanceLockTest, SecondHolderIsRefusedUntilTheFirstLetsGo) {
  const std::string name = "vantor_test_lock_" + std::to_string(::getpid());
  auto first = AcquireInstanceLock(name);
  ASSERT_NE(first, nullptr);
  EXPECT_EQ(AcquireInstanceLock(name), nullptr);
  first.reset();
  EXPECT_NE(AcquireInstanceLock(name), nullptr);
}

}  // namespace
}  // namespace vantor
