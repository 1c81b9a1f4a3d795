// The device layer against the kernel's real hidraw: discovery, Submit and
// their failures, with emulated adapters plugged in through uhid.
#include <gtest/gtest.h>

#include <deque>

#include "device/discovery.h"
#include "device/linux/hidraw_bus.h"
#include "device/listed_adapters.h"
#include "device/settings_report.h"
#include "tests/vm/real_kernel.h"

namespace vantor {
namespace {

using vm::PlugAdapter;
using vm::PluggedAdapter;

// Report 2 with a different value in every field, and the same settings
// written out field by field: the pair pins the byte layout through the
// kernel without trusting the codec under test.
constexpr SettingsReport kDistinctReport = {
    2,    0x34, 0x12, 0x78, 0x56, 0x0B, 0x0A, 0x0D, 0x0C, 0x21, 0x43, 0x65, 0x87, 9,
    10,   9,    8,    7,    6,    5,    4,    3,    2,    1,    11,   12,   13,   14,
    15,   16,   17,   18,   19,   20,   0x06, 21,   22,   23,   24,   25,   26,   3};

GunSettings DistinctSettings() {
  GunSettings s;
  s.LeftEdge = 0x1234;
  s.RightEdge = 0x5678;
  s.UpEdge = 0x0A0B;
  s.DownEdge = 0x0C0D;
  s.XCenter = 0x4321;
  s.YCenter = 0x8765;
  s.Sensitivity = 9;
  s.ButtonMap1 = 10, s.ButtonMap2 = 9, s.ButtonMap3 = 8, s.ButtonMap4 = 7, s.ButtonMap5 = 6;
  s.ButtonMap6 = 5, s.ButtonMap7 = 4, s.ButtonMap8 = 3, s.ButtonMap9 = 2, s.ButtonMap10 = 1;
  s.AutoFire1 = 11, s.AutoFire2 = 12, s.AutoFire3 = 13, s.AutoFire4 = 14, s.AutoFire5 = 15;
  s.AutoFire6 = 16, s.AutoFire7 = 17, s.AutoFire8 = 18, s.AutoFire9 = 19, s.AutoFire10 = 20;
  s.UseCentering = 1;
  s.FreeMouseCursor = 1;
  s.ButtonRemap1 = 21, s.ButtonRemap2 = 22, s.ButtonRemap3 = 23;
  s.ButtonRemap4 = 24, s.ButtonRemap5 = 25, s.ButtonRemap6 = 26;
  s.SetOffScreenAs = 3;
  return s;
}

emu::EmulatorOptions HoldingReport(const SettingsReport& report) {
  emu::EmulatorOptions options;
  options.Initial = report;
  return options;
}

bool AdapterOnBus(HidBus& bus) {
  std::vector<HidCollectionInfo> collections;
  bus.Enumerate(collections);
  for (const HidCollectionInfo& c : collections)
    if (c.VendorID == kAdapterVendorId && c.ProductID == kAdapterProductId) return true;
  return false;
}

class RealHidrawTest : public testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(vm::WaitUntil(vm::NoHidrawNodes)) << "a hidraw node is left from before";
    descriptorsBefore = vm::OpenDescriptorCount();
  }
  void TearDown() override {
    FreeDeviceTable(bus, table);
    adapters.clear();
    EXPECT_TRUE(vm::WaitUntil(vm::NoHidrawNodes)) << "unplugged adapters left a node";
    EXPECT_EQ(vm::OpenDescriptorCount(), descriptorsBefore) << "a descriptor was left open";
  }
  PluggedAdapter& Plug(const emu::EmulatorOptions& options = {}) {
    adapters.push_back(PlugAdapter(options));
    return adapters.back();
  }

  HidrawBus bus;
  DeviceTable table;
  std::deque<PluggedAdapter> adapters;  // stable references across Plug
  int descriptorsBefore = 0;
};

TEST_F(RealHidrawTest, OneAdapterIsOneNodeTwoEntriesOneListedWithItsSettings) {
  PluggedAdapter& emulated = Plug(HoldingReport(kDistinctReport));
  ASSERT_TRUE(emulated.Adapter);

  std::vector<HidCollectionInfo> collections;
  ASSERT_TRUE(bus.Enumerate(collections));
  ASSERT_EQ(collections.size(), 2u);
  for (const HidCollectionInfo& c : collections) {
    EXPECT_EQ(c.Path, emulated.Nodes.Hidraw);
    EXPECT_EQ(c.VendorID, kAdapterVendorId);
    EXPECT_EQ(c.ProductID, kAdapterProductId);
  }

  ASSERT_TRUE(DiscoverDevices(bus, table));
  ASSERT_EQ(table.Count, 2u);
  const GunDevice& mouse = (*table.Entries)[0];
  EXPECT_EQ(mouse.Caps.UsagePage, kMouseUsagePage);
  EXPECT_EQ(mouse.Caps.Usage, kMouseUsage);
  EXPECT_EQ(mouse.Settings, GunSettings{});

  const std::vector<GunDevice*> listed = ListedAdapters(table);
  ASSERT_EQ(listed.size(), 1u);
  EXPECT_EQ(listed[0]->DevicePath, emulated.Nodes.Hidraw);
  EXPECT_EQ(listed[0]->Settings, DistinctSettings());
}

TEST_F(RealHidrawTest, TwoAdaptersAreListedInPlugOrderEachWithItsOwnSettings) {
  SettingsReport second = kDistinctReport;
  second[13] = 42;  // sensitivity
  PluggedAdapter& a = Plug(HoldingReport(kDistinctReport));
  PluggedAdapter& b = Plug(HoldingReport(second));
  ASSERT_TRUE(a.Adapter && b.Adapter);

  ASSERT_TRUE(DiscoverDevices(bus, table));
  EXPECT_EQ(table.Count, 4u);
  const std::vector<GunDevice*> listed = ListedAdapters(table);
  ASSERT_EQ(listed.size(), 2u);
  EXPECT_EQ(AdapterDisplayName(1), "Zel Vantor 1");
  EXPECT_EQ(AdapterDisplayName(2), "Zel Vantor 2");
  EXPECT_EQ(listed[0]->DevicePath, a.Nodes.Hidraw);
  EXPECT_EQ(listed[0]->Settings.Sensitivity, 9);
  EXPECT_EQ(listed[1]->DevicePath, b.Nodes.Hidraw);
  EXPECT_EQ(listed[1]->Settings.Sensitivity, 42);
}

struct ReadFault {
  const char* Name;
  emu::Faults Faults;
  friend void PrintTo(const ReadFault& f, std::ostream* os) { *os << f.Name; }
};

emu::Faults RefusingGet() { emu::Faults f; f.RefuseGet = true; return f; }
emu::Faults ReplyWithoutReportId() { emu::Faults f; f.ReplyLength = kSettingsReportSize - 1; return f; }
emu::Faults UnplugOnRequest() { emu::Faults f; f.UnplugOnNextRequest = true; return f; }

class SettingsReadFailure : public RealHidrawTest,
                            public testing::WithParamInterface<ReadFault> {};

// Whatever way the settings read fails, discovery fails whole and gives
// back every descriptor it opened (checked in TearDown).
TEST_P(SettingsReadFailure, FailsDiscoveryAndKeepsNoTable) {
  PluggedAdapter& emulated = Plug();
  ASSERT_TRUE(emulated.Adapter);
  emulated.Adapter->SetFaults(GetParam().Faults);
  EXPECT_FALSE(DiscoverDevices(bus, table));
  EXPECT_FALSE(table.Entries);
  EXPECT_EQ(table.Count, 0u);
}

INSTANTIATE_TEST_SUITE_P(Faults, SettingsReadFailure,
                         testing::Values(ReadFault{"refused", RefusingGet()},
                                         ReadFault{"short_reply", ReplyWithoutReportId()},
                                         ReadFault{"unplugged", UnplugOnRequest()}),
                         [](const auto& c) { return std::string(c.param.Name); });

TEST_F(RealHidrawTest, SubmitDeliversExactlyTheEncodedReport) {
  PluggedAdapter& emulated = Plug();
  ASSERT_TRUE(emulated.Adapter);
  ASSERT_TRUE(DiscoverDevices(bus, table));
  GunDevice* gun = ListedAdapters(table).at(0);
  EXPECT_EQ(gun->Settings, ProfileDefaultSettings());

  gun->Settings = DistinctSettings();
  ASSERT_TRUE(WriteSettingsReport(bus, *gun));
  const auto received = emulated.Adapter->ReceivedSubmits();
  ASSERT_EQ(received.size(), 1u);
  EXPECT_EQ(received[0], std::vector<std::uint8_t>(kDistinctReport.begin(), kDistinctReport.end()));

  // Read back through a fresh discovery, as Refresh does.
  FreeDeviceTable(bus, table);
  ASSERT_TRUE(DiscoverDevices(bus, table));
  EXPECT_EQ(ListedAdapters(table).at(0)->Settings, DistinctSettings());
}

TEST_F(RealHidrawTest, RefusedSubmitFailsAndTheAdapterKeepsItsSettings) {
  PluggedAdapter& emulated = Plug();
  ASSERT_TRUE(emulated.Adapter);
  ASSERT_TRUE(DiscoverDevices(bus, table));
  GunDevice* gun = ListedAdapters(table).at(0);
  emu::Faults refuse;
  refuse.RefuseSet = true;
  emulated.Adapter->SetFaults(refuse);

  gun->Settings = DistinctSettings();
  EXPECT_FALSE(WriteSettingsReport(bus, *gun));
  EXPECT_EQ(emulated.Adapter->Stored(), EncodeSettingsReport(ProfileDefaultSettings()));
  EXPECT_EQ(gun->Settings, DistinctSettings()) << "the user's edits stay in memory";
}

TEST_F(RealHidrawTest, UnplugDuringSubmitFailsCleanlyAndTheNodeGoes) {
  PluggedAdapter& emulated = Plug();
  ASSERT_TRUE(emulated.Adapter);
  ASSERT_TRUE(DiscoverDevices(bus, table));
  GunDevice* gun = ListedAdapters(table).at(0);
  emulated.Adapter->SetFaults(UnplugOnRequest());

  gun->Settings = DistinctSettings();
  EXPECT_FALSE(WriteSettingsReport(bus, *gun));
  EXPECT_TRUE(vm::WaitUntil([&] { return !AdapterOnBus(bus); }));
  EXPECT_FALSE(WriteSettingsReport(bus, *gun)) << "the stale node must not accept a report";
  FreeDeviceTable(bus, table);
  EXPECT_TRUE(DiscoverDevices(bus, table));
  EXPECT_EQ(table.Count, 0u);
}

// Without the udev rule the node belongs to root: an ordinary user learns
// which node and why, in one sentence.
TEST_F(RealHidrawTest, UnprivilegedUserIsToldWhyTheAdapterCannotBeOpened) {
  PluggedAdapter& emulated = Plug();
  ASSERT_TRUE(emulated.Adapter);
  const auto sentence = vm::RunAsNobody([] {
    HidrawBus userBus;
    DeviceTable userTable;
    std::vector<DeviceProblem> problems;
    if (DiscoverDevices(userBus, userTable, &problems)) return std::string("discovery succeeded");
    if (problems.size() != 1) return std::to_string(problems.size()) + " problems";
    return DescribeProblem(problems[0]);
  });
  EXPECT_EQ(sentence, "Adapter at " + emulated.Nodes.Hidraw +
                          " cannot be opened: Permission denied. Install the udev rule (see README).");
}

}  // namespace
}  // namespace vantor
