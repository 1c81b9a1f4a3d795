#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cerrno>
#include <filesystem>
#include <fstream>

#include "device/settings_report.h"
#include "device/simulated_hid_bus.h"
#include "input/button_flags.h"
#include "input/simulated_mouse_source.h"
#include "panel/instance_lock.h"
#include "panel/panel_controller.h"
#include "panel/panel_messages.h"
#include "profiles/profile_file.h"
#include "tests/panel/recording_view.h"

namespace vantor {
namespace {

using testing::ElementsAre;
using testing::IsEmpty;
using testing_support::RecordingView;

// Key transitions as "down 0x20" / "up 0x20" (virtual key).
class RecordingKeys : public KeySink {
 public:
  void SendKeyDown(std::uint16_t vk, std::uint16_t, bool) override { Record("down", vk); }
  void SendKeyUp(std::uint16_t vk, std::uint16_t, bool) override { Record("up", vk); }
  std::vector<std::string> events;

 private:
  void Record(const char* what, std::uint16_t vk) {
    char text[16];
    std::snprintf(text, sizeof text, "%s 0x%02x", what, vk);
    events.emplace_back(text);
  }
};

// A Profiles folder of the test's own, made afresh for each test.
class TempFolder {
 public:
  TempFolder()
      : m_path(std::filesystem::temp_directory_path() /
               ("vantor-panel-" + std::to_string(::getpid()) + "-" +
                testing::UnitTest::GetInstance()->current_test_info()->name())) {
    std::filesystem::remove_all(m_path);
  }
  ~TempFolder() { std::filesystem::remove_all(m_path); }
  const std::filesystem::path& Path() const { return m_path; }

 private:
  std::filesystem::path m_path;
};

class PanelControllerTest : public testing::Test {
 protected:
  explicit PanelControllerTest(std::size_t adapters = 2)
      : bus(adapters), controller(bus, mice, keys, view, profiles.Path() / "Profiles") {
    view.controller = &controller;
  }
  std::filesystem::path ProfilesFolder() const { return profiles.Path() / "Profiles"; }
  void WriteProfile(const std::string& name, const std::string& text) {
    std::filesystem::create_directories(ProfilesFolder());
    std::ofstream(ProfilesFolder() / name) << text;
  }
  void Start() {
    controller.Start();
    view.RefillPages();  // the pages read the current device as they are created
  }
  SettingsReport Stored(std::size_t adapter) { return bus.Adapters()[adapter].Stored; }

  TempFolder profiles;
  SimulatedHidBus bus;
  SimulatedMouseSource mice;
  RecordingKeys keys;
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
  bus.Adapters()[1].OpenFailure = EACCES;
  controller.SetStandingDiagnostics({"Key presses are off."});
  Start();
  EXPECT_THAT(view.devices, IsEmpty());
  EXPECT_THAT(view.diagnostics,
              ElementsAre("Adapter at sim://adapter2 cannot be opened: Permission denied. "
                          "Install the udev rule (see README).",
                          "Key presses are off."));
  bus.Adapters()[1].OpenFailure = 0;
  controller.OnRefresh();
  EXPECT_THAT(view.diagnostics, ElementsAre("Key presses are off."));
}

TEST_F(PanelControllerTest, ComboShowsTheFirstProfileWithoutLoadingIt) {
  WriteProfile("zeta.ini", "[GunProfile]\r\nUpEdge=1\r\n");
  WriteProfile("Arcade.INI", "[GunProfile]\r\nUpEdge=40\r\n");
  WriteProfile("notes.txt", "");
  Start();
  EXPECT_THAT(view.profiles, ElementsAre("Arcade", "zeta"));
  EXPECT_EQ(view.selectedProfile, 0);
  EXPECT_EQ(controller.CurrentDevice()->Settings, ProfileDefaultSettings());
}

TEST_F(PanelControllerTest, ChoosingAProfileChangesPagesAndMemoryNotTheAdapter) {
  WriteProfile("Arcade.ini", "[GunProfile]\r\nUpEdge=40\r\n");
  Start();
  view.pages.Sensitivity = 9;  // an unstored edit is replaced by the profile
  controller.OnSelchangeProfile(0);
  GunSettings expected = ProfileDefaultSettings();
  expected.UpEdge = 40;
  EXPECT_EQ(controller.CurrentDevice()->Settings, expected);
  EXPECT_EQ(view.pages, expected);
  EXPECT_EQ(Stored(0), EncodeSettingsReport(ProfileDefaultSettings()));
  controller.OnSelchangeProfile(1);  // past the list: nothing
  controller.OnSelchangeProfile(-1);
  EXPECT_EQ(controller.CurrentDevice()->Settings, expected);
}

TEST_F(PanelControllerTest, SaveProfileAsStoresThePagesAndListsAgain) {
  Start();
  EXPECT_TRUE(std::filesystem::is_directory(ProfilesFolder())) << "made at start";
  view.chosenFiles.push_back(std::nullopt);  // cancelled: not even the store
  controller.OnSaveProfileAs();
  EXPECT_EQ(view.stores, 0);

  view.pages.XCenter = 321;
  view.chosenFiles.push_back(ProfilesFolder() / "Mine.ini");
  controller.OnSaveProfileAs();
  EXPECT_THAT(view.chooserFolders, ElementsAre(ProfilesFolder(), ProfilesFolder()));
  EXPECT_THAT(view.profiles, ElementsAre("Mine"));
  EXPECT_EQ(view.selectedProfile, 0);
  GunSettings loaded;
  ASSERT_TRUE(LoadProfile(ProfilesFolder() / "Mine.ini", loaded));
  EXPECT_EQ(loaded.XCenter, 321);
  EXPECT_THAT(view.messages, IsEmpty());
}

TEST_F(PanelControllerTest, FailedSaveSaysSoAndStillListsAgain) {
  WriteProfile("Old.ini", "[GunProfile]\r\n");
  Start();
  view.chosenFiles.push_back(ProfilesFolder() / "missing-folder" / "New.ini");
  controller.OnSaveProfileAs();
  ASSERT_THAT(view.messages, ElementsAre("Error"));
  EXPECT_THAT(view.messageTexts[0], testing::HasSubstr("New.ini could not be saved: "));
  EXPECT_THAT(view.profiles, ElementsAre("Old"));
}

TEST_F(NoAdapterTest, ProfilesNeedAnAdapter) {
  WriteProfile("Arcade.ini", "[GunProfile]\r\nUpEdge=40\r\n");
  Start();
  view.chosenFiles.push_back(ProfilesFolder() / "x.ini");
  controller.OnSaveProfileAs();
  EXPECT_THAT(view.messages, ElementsAre("Error"));
  EXPECT_EQ(view.messageTexts[0], panel_text::kNoProfileDeviceText);
  EXPECT_THAT(view.chooserFolders, IsEmpty());
  controller.OnSelchangeProfile(0);
  EXPECT_EQ(view.refills, 1) << "only the refill when the pages were made";
}

TEST_F(PanelControllerTest, EachAdaptersReportsUseItsOwnRemapsAndOnlyTheCurrentLights) {
  Start();
  std::vector<std::uint16_t> lit;
  controller.SetPressedButtonsDisplay([&](std::uint16_t flags) {
    lit.push_back(flags);
    keys.events.push_back("display");
  });
  controller.DeviceList()[0]->Settings.ButtonRemap1 = 10;  // Space
  controller.DeviceList()[1]->Settings.ButtonRemap1 = 35;  // a
  const auto path = [&](std::size_t i) { return controller.DeviceList()[i]->DevicePath; };

  ASSERT_TRUE(mice.Inject(path(1), ButtonFlags::Button1Down, controller.InputHandler()));
  ASSERT_TRUE(mice.Inject(path(0), ButtonFlags::Button1Down, controller.InputHandler()));
  EXPECT_FALSE(mice.Inject("/dev/hidraw9", ButtonFlags::Button1Down, controller.InputHandler()));
  EXPECT_THAT(keys.events, ElementsAre("down 0x41", "display", "down 0x20"));
  EXPECT_THAT(lit, ElementsAre(ButtonFlags::Button1Down));
}

TEST_F(PanelControllerTest, RefreshListensToTheNewListAndDropsTheOld) {
  Start();
  const std::string first = controller.DeviceList()[0]->DevicePath;
  bus.Adapters().pop_back();
  controller.OnRefresh();
  controller.DeviceList()[0]->Settings.ButtonRemap2 = 6;  // Enter
  EXPECT_TRUE(mice.Inject(first, ButtonFlags::Button2Down, controller.InputHandler()));
  EXPECT_FALSE(mice.Inject("sim://adapter2", ButtonFlags::Button2Down, controller.InputHandler()));
  EXPECT_THAT(keys.events, ElementsAre("down 0x0d"));
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
