#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cerrno>
#include <type_traits>

#include "device/discovery.h"
#include "device/listed_adapters.h"
#include "device/simulated_hid_bus.h"

namespace vantor {
namespace {

using testing::ElementsAre;
using testing::IsEmpty;

std::size_t TimesOpened(const SimulatedHidBus& bus, const std::string& path) {
  return static_cast<std::size_t>(
      std::count(bus.OpenedPaths().begin(), bus.OpenedPaths().end(), path));
}

TEST(DiscoveryTest, NoInterfaceGivesAnEmptyTable) {
  SimulatedHidBus bus(0);
  DeviceTable table;
  EXPECT_TRUE(DiscoverDevices(bus, table));
  EXPECT_NE(table.Entries, nullptr);
  EXPECT_EQ(table.Count, 0u);
  EXPECT_THAT(ListedAdapters(table), IsEmpty());
}

TEST(DiscoveryTest, OneAdapterFillsMouseThenSettingsCollection) {
  SimulatedHidBus bus(1);
  bus.AddCollection({"/dev/hidraw9", 0x046D, 0xC077, 1, 2});  // someone's mouse
  DeviceTable table;
  ASSERT_TRUE(DiscoverDevices(bus, table));
  ASSERT_EQ(table.Count, 2u);
  const GunDevice& mouse = (*table.Entries)[0];
  const GunDevice& settings = (*table.Entries)[1];
  EXPECT_FALSE(IsSettingsCollection(mouse));
  EXPECT_NE(mouse.DeviceHandle, kInvalidHandle);
  EXPECT_EQ(mouse.Settings, GunSettings{});
  EXPECT_TRUE(IsSettingsCollection(settings));
  EXPECT_EQ(settings.Settings, ProfileDefaultSettings());
  EXPECT_EQ(settings.DevicePath, mouse.DevicePath);
  EXPECT_EQ(settings.Attributes.VendorID, kAdapterVendorId);
  EXPECT_EQ(ListedAdapters(table), std::vector<GunDevice*>{&(*table.Entries)[1]});
  EXPECT_EQ(TimesOpened(bus, "/dev/hidraw9"), 0u) << "foreign devices are never opened";
  FreeDeviceTable(bus, table);
}

TEST(DiscoveryTest, StopsAtEightEntriesAndNeverOpensTheRest) {
  SimulatedHidBus bus(5);
  DeviceTable table;
  ASSERT_TRUE(DiscoverDevices(bus, table));
  EXPECT_EQ(table.Count, 8u);
  EXPECT_EQ(ListedAdapters(table).size(), 4u);
  EXPECT_EQ(TimesOpened(bus, bus.Adapters()[4].Path), 0u);
  EXPECT_EQ(bus.OpenHandleCount(), 8u);
  FreeDeviceTable(bus, table);
}

TEST(DiscoveryTest, NinthMatchingCollectionIsNeverOpened) {
  SimulatedHidBus bus(4);
  bus.AddCollection({"/dev/hidraw20", kAdapterVendorId, kAdapterProductId, 1, 6});
  DeviceTable table;
  ASSERT_TRUE(DiscoverDevices(bus, table));
  EXPECT_EQ(table.Count, 8u);
  EXPECT_EQ(TimesOpened(bus, "/dev/hidraw20"), 0u);
  FreeDeviceTable(bus, table);
}

// Every way discovery can fail leaves no table and no handle open.
struct FailureCase {
  const char* name;
  void (*inject)(SimulatedHidBus&);
  bool problemReported;
  friend void PrintTo(const FailureCase& c, std::ostream* os) { *os << c.name; }
};

class DiscoveryFailure : public testing::TestWithParam<FailureCase> {};

TEST_P(DiscoveryFailure, LeavesNoTableAndClosesEverything) {
  SimulatedHidBus bus(2);
  GetParam().inject(bus);
  DeviceTable table;
  std::vector<DeviceProblem> problems;
  EXPECT_FALSE(DiscoverDevices(bus, table, &problems));
  EXPECT_EQ(table.Entries, nullptr);
  EXPECT_EQ(table.Count, 0u);
  EXPECT_EQ(bus.OpenHandleCount(), 0u);
  EXPECT_EQ(problems.size(), GetParam().problemReported ? 1u : 0u);
}

INSTANTIATE_TEST_SUITE_P(
    Faults, DiscoveryFailure,
    testing::Values(
        FailureCase{"EnumerationFails", [](SimulatedHidBus& b) { b.SetEnumerationFails(true); }, false},
        FailureCase{"SettingsRefused", [](SimulatedHidBus& b) { b.Adapters()[1].RefuseGet = true; }, false},
        FailureCase{"ShortReply", [](SimulatedHidBus& b) { b.Adapters()[0].ReplyLength = 41; }, false},
        FailureCase{"OpenFails", [](SimulatedHidBus& b) { b.Adapters()[1].OpenFailure = EACCES; }, true}),
    [](const auto& tc) { return std::string(tc.param.name); });

TEST(DiscoveryTest, ProblemSentenceNamesPathReasonAndRemedy) {
  EXPECT_EQ(DescribeProblem({"/dev/hidraw3", EACCES}),
            "Adapter at /dev/hidraw3 cannot be opened: Permission denied. "
            "Install the udev rule (see README).");
}

TEST(DiscoveryTest, ReleaseInvalidatesEveryHandle) {
  SimulatedHidBus bus(2);
  DeviceTable table;
  ASSERT_TRUE(DiscoverDevices(bus, table));
  table.CurrentDevice = ListedAdapters(table).front();
  ReleaseDevices(bus, table);
  for (std::size_t i = 0; i < table.Count; ++i) {
    EXPECT_EQ((*table.Entries)[i].DeviceHandle, kInvalidHandle);
    EXPECT_TRUE((*table.Entries)[i].DevicePath.empty());
  }
  EXPECT_EQ(bus.OpenHandleCount(), 0u);
  EXPECT_EQ(table.Count, 4u) << "the caller frees the block";
  EXPECT_NE(table.CurrentDevice, nullptr) << "the caller resets the current device";

  FreeDeviceTable(bus, table);
  EXPECT_EQ(table.Entries, nullptr);
  EXPECT_EQ(table.Count, 0u);
  EXPECT_EQ(table.CurrentDevice, nullptr);
  ReleaseDevices(bus, table);  // no table: nothing to do
}

// An entry's handle is closed once, by the release of its table.
static_assert(!std::is_copy_constructible_v<GunDevice> && !std::is_copy_assignable_v<GunDevice>);

TEST(DiscoveryTest, DiscoveryOverAHeldTableClosesItAndForgetsTheCurrentDevice) {
  SimulatedHidBus bus(2);
  DeviceTable table;
  ASSERT_TRUE(DiscoverDevices(bus, table));
  table.CurrentDevice = ListedAdapters(table).back();
  ASSERT_TRUE(DiscoverDevices(bus, table));
  EXPECT_EQ(bus.OpenHandleCount(), 4u) << "the first table's handles are closed";
  EXPECT_EQ(table.Count, 4u);
  EXPECT_EQ(table.CurrentDevice, nullptr) << "nothing points into the old block";

  table.CurrentDevice = ListedAdapters(table).front();
  bus.SetEnumerationFails(true);
  EXPECT_FALSE(DiscoverDevices(bus, table));
  EXPECT_EQ(bus.OpenHandleCount(), 0u);
  EXPECT_EQ(table.Entries, nullptr);
  EXPECT_EQ(table.CurrentDevice, nullptr);
}

TEST(DiscoveryTest, ListedAdaptersAreNamedFromOne) {
  EXPECT_EQ(AdapterDisplayName(1), "Zel Vantor 1");
  EXPECT_EQ(AdapterDisplayName(4), "Zel Vantor 4");
}

}  // namespace
}  // namespace vantor
