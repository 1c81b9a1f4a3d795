// The panel's window on simulated adapters: the flows a user drives, with
// message boxes and the Save As chooser answered by a recorder.
#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <signal.h>
#include <spawn.h>
#include <dlfcn.h>
#include <sys/wait.h>

#include <wx/app.h>
#include <wx/toplevel.h>

#include <cerrno>
#include <filesystem>
#include <fstream>

#include "device/settings_report.h"
#include "device/simulated_hid_bus.h"
#include "input/button_flags.h"
#include "input/simulated_mouse_source.h"
#include "pages/wx/property_tab_ctrl.h"
#include "panel/tray_icon.h"
#include "panel/vantor_panel_dlg.h"
#include "tests/input/recording_key_sink.h"
#include "tests/skip_outside_ci.h"
#include "wx_test_support.h"

extern char** environ;

namespace vantor {
namespace {

using testing::ElementsAre;
using testing::IsEmpty;

class RecordingDialogs : public DialogServices {
 public:
  void ShowMessage(wxWindow*, const PanelMessage& message) override {
    captions.emplace_back(message.Caption);
  }
  std::optional<std::filesystem::path> ChooseProfileToSave(wxWindow*,
                                                           const std::filesystem::path&) override {
    ++chooserRuns;
    return std::nullopt;
  }
  std::vector<std::string> captions;
  int chooserRuns = 0;
};

bool IsTopLevel(wxWindow* window) { return wxTopLevelWindows.Find(window) != nullptr; }

// An entry chosen in the combo's list as the user's click chooses it: through
// GTK, which tells wx only when the chosen entry changes (a choice made by
// wx itself sends nothing).
void ChooseInList(wxComboBox& combo, int index) {
  using SetActive = void (*)(void*, int);
  const auto setActive = reinterpret_cast<SetActive>(::dlsym(RTLD_DEFAULT, "gtk_combo_box_set_active"));
  ASSERT_NE(setActive, nullptr) << "the panel runs on GTK";
  setActive(combo.GetHandle(), index);
  PumpEvents();
}

class PanelWindowTest : public testing::Test {
 protected:
  explicit PanelWindowTest(std::size_t adapters = 2)
      : profiles(std::filesystem::temp_directory_path() /
                 ("vantor-panel-gui-" + std::to_string(::getpid()))),
        bus(adapters) {
    std::filesystem::remove_all(profiles);
  }
  ~PanelWindowTest() override {
    if (panel && IsTopLevel(panel)) panel->Destroy();
    PumpEvents();
    std::filesystem::remove_all(profiles);
  }

  CVantorPanelDlg& Open() {
    panel = new CVantorPanelDlg({bus, mice, keys, dialogs, profiles, {}, &mice});
    panel->Show();
    PumpEvents();
    return *panel;
  }
  void ClickButton(int id) { Click(*panel->FindWindow(id)); PumpEvents(); }
  void ChooseDevice(int index) {
    panel->DeviceListBox().SetSelection(index);
    wxCommandEvent event(wxEVT_LISTBOX, IDC_DEVICE_LIST);
    event.SetInt(index);
    panel->DeviceListBox().GetEventHandler()->ProcessEvent(event);
  }
  CKeysMapDlg& KeysPage() { return panel->PageTabs().KeysMapPage(); }

  std::filesystem::path profiles;
  SimulatedHidBus bus;
  SimulatedMouseSource mice;
  RecordingKeySink keys;
  RecordingDialogs dialogs;
  CVantorPanelDlg* panel = nullptr;
};

TEST_F(PanelWindowTest, ListsTheAdaptersWithTheFirstSelected) {
  Open();
  EXPECT_EQ(panel->GetTitle(), "Vantor Control Panel (simulated)");
  ASSERT_EQ(panel->DeviceListBox().GetCount(), 2u);
  EXPECT_EQ(panel->DeviceListBox().GetString(0), "Zel Vantor 1");
  EXPECT_EQ(panel->DeviceListBox().GetString(1), "Zel Vantor 2");
  EXPECT_EQ(panel->DeviceListBox().GetSelection(), 0);
  EXPECT_EQ(panel->PageTabs().GetSelection(), 0);
  EXPECT_FALSE(panel->Diagnostics().IsShown());
}

TEST_F(PanelWindowTest, SubmitWritesTheSelectedAdapterWithThePagesEdits) {
  Open();
  ChooseDevice(1);
  KeysPage().Grid().ChangePropertyValue(&KeysPage().Row(0), 10);  // "Space"
  ClickButton(IDC_SUBMIT_SETTINGS);
  GunSettings expected = ProfileDefaultSettings();
  expected.ButtonRemap1 = 10;
  EXPECT_EQ(bus.Adapters()[1].Stored, EncodeSettingsReport(expected));
  EXPECT_EQ(bus.Adapters()[0].Stored, EncodeSettingsReport(ProfileDefaultSettings()));
  EXPECT_THAT(dialogs.captions, IsEmpty());

  bus.Adapters()[1].RefuseSet = true;
  ClickButton(IDC_SUBMIT_SETTINGS);
  EXPECT_THAT(dialogs.captions, ElementsAre("Submit error"));
}

TEST_F(PanelWindowTest, EditsSurviveASwitchAndRefreshDropsThemKeepingTabAndCombo) {
  std::filesystem::create_directories(profiles);
  std::ofstream(profiles / "Arcade.ini") << "[GunProfile]\r\nUpEdge=40\r\n";
  Open();
  KeysPage().Grid().ChangePropertyValue(&KeysPage().Row(1), 6);  // "Enter"
  ChooseDevice(1);
  ChooseDevice(0);
  EXPECT_EQ(KeysPage().Row(1).GetValueAsString(), "Enter");
  panel->PageTabs().SetSelection(1);
  ClickButton(IDC_REFRESH);
  EXPECT_EQ(KeysPage().Row(1).GetValueAsString(), "nil");
  EXPECT_EQ(panel->PageTabs().GetSelection(), 1);
  EXPECT_EQ(panel->ProfileCombo().GetValue(), "Arcade");
  EXPECT_EQ(panel->DeviceListBox().GetSelection(), 0);
}

TEST_F(PanelWindowTest, ChoosingAProfileChangesMemoryNotTheAdapter) {
  std::filesystem::create_directories(profiles);
  std::ofstream(profiles / "Arcade.ini") << "[GunProfile]\r\nButtonRemap2=35\r\n";
  Open();
  EXPECT_EQ(panel->Logic().CurrentDevice()->Settings.ButtonRemap2, 0) << "shown, not loaded";
  panel->ProfileCombo().SetSelection(0);
  wxCommandEvent chosen(wxEVT_COMBOBOX, IDC_PROFILE_COMBO);
  chosen.SetInt(0);
  panel->ProfileCombo().GetEventHandler()->ProcessEvent(chosen);
  EXPECT_EQ(panel->Logic().CurrentDevice()->Settings.ButtonRemap2, 35);
  EXPECT_EQ(KeysPage().Row(1).GetValueAsString(), "a");
  EXPECT_EQ(bus.Adapters()[0].Stored, EncodeSettingsReport(ProfileDefaultSettings()));
}

TEST_F(PanelWindowTest, ChoosingTheShownProfileLoadsItAndChoosingItAgainReloads) {
  std::filesystem::create_directories(profiles);
  std::ofstream(profiles / "Arcade.ini") << "[GunProfile]\r\nButtonRemap2=35\r\n";
  std::ofstream(profiles / "Zoo.ini") << "[GunProfile]\r\nButtonRemap2=10\r\n";
  Open();
  ASSERT_EQ(panel->ProfileCombo().GetValue(), "Arcade");
  EXPECT_EQ(panel->Logic().CurrentDevice()->Settings.ButtonRemap2, 0) << "shown, not loaded";
  ChooseInList(panel->ProfileCombo(), 0);
  EXPECT_EQ(panel->Logic().CurrentDevice()->Settings.ButtonRemap2, 35);
  EXPECT_EQ(KeysPage().Row(1).GetValueAsString(), "a");
  EXPECT_EQ(panel->ProfileCombo().GetValue(), "Arcade");

  KeysPage().Grid().ChangePropertyValue(&KeysPage().Row(1), 6);  // "Enter", not stored
  ChooseInList(panel->ProfileCombo(), 0);
  EXPECT_EQ(KeysPage().Row(1).GetValueAsString(), "a") << "the same profile again";
  ChooseInList(panel->ProfileCombo(), 1);
  EXPECT_EQ(panel->Logic().CurrentDevice()->Settings.ButtonRemap2, 10);
  EXPECT_EQ(panel->ProfileCombo().GetValue(), "Zoo");
}

TEST_F(PanelWindowTest, EnterAndEscapeDoNothing) {
  Open();
  for (int key : {WXK_RETURN, WXK_ESCAPE}) {
    PressKey(panel->DeviceListBox(), key);
    PumpEvents();
    EXPECT_TRUE(IsTopLevel(panel) && panel->IsShown()) << key;
  }
  EXPECT_THAT(dialogs.captions, IsEmpty());
  EXPECT_EQ(bus.Adapters()[0].Stored, EncodeSettingsReport(ProfileDefaultSettings()));
}

TEST_F(PanelWindowTest, SimulatedGunLightsThePressedButtons) {
  Open();
  const auto& pressed = panel->PageTabs().ButtonsMapPage().Model().Pressed();
  panel->SendSimulatedReport(ButtonFlags::Button1Down);
  EXPECT_TRUE(pressed.IsLit(0));
  ChooseDevice(1);
  panel->SendSimulatedReport(ButtonFlags::Button1Up);  // adapter 2 is current now
  EXPECT_FALSE(pressed.IsLit(0));
}

TEST_F(PanelWindowTest, ExitEndsThePanel) {
  Open();
  ClickButton(IDC_EXIT);
  PumpEvents();
  EXPECT_FALSE(IsTopLevel(panel));
  panel = nullptr;
}

// The window goes only once the loop is idle again; the keys go at once,
// and the gun types nothing in between.
TEST_F(PanelWindowTest, ExitLetsGoOfTheKeysTheGunHolds) {
  Open();
  GunSettings& settings = panel->Logic().CurrentDevice()->Settings;
  settings.ButtonRemap1 = 10;  // Space
  settings.ButtonRemap6 = 1;   // Up arrow
  panel->SendSimulatedReport(ButtonFlags::Button1Down | ButtonFlags::Wheel);
  ASSERT_EQ(keys.Held.size(), 2u);
  Click(*panel->FindWindow(IDC_EXIT));
  EXPECT_TRUE(keys.Held.empty());
  panel->SendSimulatedReport(ButtonFlags::Button1Down);
  EXPECT_TRUE(keys.Held.empty());
  PumpEvents();
  EXPECT_FALSE(IsTopLevel(panel));
  panel = nullptr;
  EXPECT_EQ(keys.Events.size(), 4u);
}

// The pages hold the controller's device table: when the window goes they
// go first, while the table still has its entries.
TEST_F(PanelWindowTest, PagesGoBeforeTheDeviceTableTheyRead) {
  Open();
  std::optional<std::size_t> entriesWhenPagesWent;
  panel->PageTabs().Bind(wxEVT_DESTROY, [this, &entriesWhenPagesWent](wxWindowDestroyEvent& event) {
    if (event.GetEventObject() == &panel->PageTabs() && !entriesWhenPagesWent)
      entriesWhenPagesWent = panel->Logic().Table().Count;
    event.Skip();
  });
  panel->Destroy();
  PumpEvents();
  panel = nullptr;
  EXPECT_EQ(entriesWhenPagesWent, 4u) << "two adapters, a mouse and a settings collection each";
}

// Without a notification area a hidden panel could never come back.
TEST_F(PanelWindowTest, CloseWithoutNotificationAreaKeepsThePanelReachable) {
  if (CTrayIcon::HostAvailable()) SKIP_OUTSIDE_CI() << "a notification area is running";
  Open();
  panel->Close();
  PumpEvents();
  EXPECT_TRUE(panel->InTray());
  EXPECT_TRUE(IsTopLevel(panel) && panel->IsShown());
  panel->OnTrayToggle();
  EXPECT_FALSE(panel->InTray());
}

// Restored from the taskbar by the window manager, the panel goes away again
// on the very next click of the close box.
TEST_F(PanelWindowTest, CloseAfterARestoreFromTheTaskbarPutsThePanelAwayAgain) {
  Open();
  panel->Close();
  PumpEvents();
  ASSERT_TRUE(panel->InTray());
  wxIconizeEvent restored(panel->GetId(), false);
  restored.SetEventObject(panel);
  panel->GetEventHandler()->ProcessEvent(restored);
  EXPECT_FALSE(panel->InTray());
  panel->Close();
  PumpEvents();
  EXPECT_TRUE(panel->InTray()) << "one click is enough";
}

// trayer is a notification area; the test starts its own and stops it.
class WithTrayHost : public PanelWindowTest {
 protected:
  void SetUp() override {
    if (CTrayIcon::HostAvailable()) SKIP_OUTSIDE_CI() << "another notification area is running";
    char trayer[] = "trayer";
    char* argv[] = {trayer, nullptr};
    ASSERT_EQ(posix_spawnp(&m_trayer, "trayer", nullptr, nullptr, argv, environ), 0);
    ASSERT_TRUE(PumpUntil([] { return CTrayIcon::HostAvailable(); }, std::chrono::seconds(10)))
        << "trayer gave no notification area";
  }
  void TearDown() override {
    if (m_trayer > 0) {
      ::kill(m_trayer, SIGTERM);
      ::waitpid(m_trayer, nullptr, 0);
    }
  }
  pid_t m_trayer = -1;
};

TEST_F(WithTrayHost, CloseHidesToTheNotificationAreaAndToggleBringsItBack) {
  Open();
  panel->Close();
  PumpEvents();
  EXPECT_TRUE(panel->InTray());
  EXPECT_FALSE(panel->IsShown());
  EXPECT_TRUE(IsTopLevel(panel)) << "closing never ends the panel";
  panel->OnTrayToggle();
  PumpEvents();
  EXPECT_TRUE(panel->IsShown());
}

// GTK reports both clicks of a double click on the icon; each shows the
// panel, so it ends up shown, not hidden again.
TEST_F(WithTrayHost, EveryClickOnTheIconShowsThePanel) {
  Open();
  panel->Close();
  PumpEvents();
  ASSERT_FALSE(panel->IsShown());
  for (int click = 0; click < 2; ++click) {
    wxTaskBarIconEvent event(wxEVT_TASKBAR_LEFT_DCLICK, &panel->TrayIcon());
    panel->TrayIcon().ProcessEvent(event);
  }
  PumpEvents();
  EXPECT_TRUE(panel->IsShown());
  EXPECT_FALSE(panel->InTray());
}

class NoAdapterWindowTest : public PanelWindowTest {
 protected:
  NoAdapterWindowTest() : PanelWindowTest(0) {}
};

TEST_F(NoAdapterWindowTest, SubmitAndSaveAsSayThereIsNoAdapter) {
  Open();
  EXPECT_EQ(panel->DeviceListBox().GetCount(), 0u);
  ClickButton(IDC_SUBMIT_SETTINGS);
  ClickButton(IDC_SAVE_PROFILE_AS);
  EXPECT_THAT(dialogs.captions, ElementsAre("No Vantor", "Error"));
  EXPECT_EQ(dialogs.chooserRuns, 0);
}

TEST_F(NoAdapterWindowTest, AnUnopenableAdapterIsShownUnderTheList) {
  bus.Adapters().resize(1);
  bus.Adapters()[0].Path = "sim://adapter1";
  bus.Adapters()[0].Stored = EncodeSettingsReport(ProfileDefaultSettings());
  bus.Adapters()[0].OpenFailure = EACCES;
  Open();
  EXPECT_TRUE(panel->Diagnostics().IsShown());
  EXPECT_THAT(panel->Diagnostics().GetLabel().utf8_string(),
              testing::HasSubstr("cannot be opened: Permission denied"));
  const wxRect text = panel->Diagnostics().GetRect();
  EXPECT_LE(text.GetBottom(), panel->GetClientSize().y) << "inside the window";
}

// Each layout used to add the sentence's height again.
TEST_F(NoAdapterWindowTest, RefreshWithAProblemShownKeepsTheWindowSize) {
  bus.Adapters().resize(1);
  bus.Adapters()[0].Path = "sim://adapter1";
  bus.Adapters()[0].Stored = EncodeSettingsReport(ProfileDefaultSettings());
  bus.Adapters()[0].OpenFailure = EACCES;
  Open();
  const wxSize before = panel->GetClientSize();
  for (int i = 0; i < 7; ++i) ClickButton(IDC_REFRESH);
  PumpEvents();
  EXPECT_EQ(panel->GetClientSize(), before);
  ASSERT_TRUE(panel->Diagnostics().IsShown());
  EXPECT_LE(panel->Diagnostics().GetRect().GetBottom(), panel->GetClientSize().y);

  bus.Adapters()[0].OpenFailure = 0;  // the sentence goes, and its room with it
  ClickButton(IDC_REFRESH);
  PumpEvents();
  EXPECT_FALSE(panel->Diagnostics().IsShown());
  EXPECT_LT(panel->GetClientSize().y, before.y);
}

// Raw Input sends its reports to a window, not to a loop: a source of that
// kind is told the panel's window and gets every message of it. Here a
// message 0x00FF (WM_INPUT) carries the watched adapter's index in wParam
// and the button flags in lParam.
class MessageDrivenMice final : public MouseSource, public WindowMessageInput {
 public:
  static constexpr std::uint32_t kInput = 0x00FF;

  void WatchAdapters(std::span<GunDevice* const> listed) override {
    watched.assign(listed.begin(), listed.end());
  }
  const std::vector<std::string>& Problems() const override { return noProblems; }
  WindowMessageInput* WindowMessages() override { return this; }

  void ListenOn(void* window) override { listenedOn = window; }
  bool OnWindowMessage(std::uint32_t message, std::uintptr_t wParam, std::intptr_t lParam,
                       MouseReportHandler& handler) override {
    if (message != kInput) return false;
    if (wParam < watched.size() && watched[wParam])
      handler.OnRawMouseInput({static_cast<std::uint16_t>(lParam), watched[wParam]->DevicePath});
    return true;
  }

  std::vector<GunDevice*> watched;
  void* listenedOn = nullptr;
  std::vector<std::string> noProblems;
};

TEST_F(PanelWindowTest, MessageDrivenMiceGetTheWindowAndEveryMessage) {
  GunSettings first = ProfileDefaultSettings(), second = ProfileDefaultSettings();
  first.ButtonRemap1 = 10;   // "Space", set-1 scan code 0x39
  second.ButtonRemap1 = 35;  // "a", 0x1E
  bus.Adapters()[0].Stored = EncodeSettingsReport(first);
  bus.Adapters()[1].Stored = EncodeSettingsReport(second);
  MessageDrivenMice messageMice;
  panel = new CVantorPanelDlg({bus, messageMice, keys, dialogs, profiles, {}, nullptr});
  panel->Show();
  PumpEvents();
  EXPECT_EQ(messageMice.listenedOn, static_cast<void*>(panel->GetHandle()));
  ASSERT_EQ(messageMice.watched.size(), 2u);

  const auto& pressed = panel->PageTabs().ButtonsMapPage().Model().Pressed();
  panel->OnWindowMessage(MessageDrivenMice::kInput, 0, ButtonFlags::Button1Down);
  EXPECT_TRUE(pressed.IsLit(0)) << "the current adapter drives the display";
  panel->OnWindowMessage(MessageDrivenMice::kInput, 1, ButtonFlags::Button1Down);
  panel->OnWindowMessage(0x0200, 1, ButtonFlags::Button1Down);  // WM_MOUSEMOVE: not a report
  EXPECT_THAT(keys.Events, ElementsAre(Down(0x20, 0x39), Down(0x41, 0x1E)))
      << "each adapter with its own remap";
}

}  // namespace
}  // namespace vantor
