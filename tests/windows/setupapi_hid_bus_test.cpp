// The Windows HID bus on the machine's own HID devices (under wine: its
// virtual mouse and keyboard), which are no adapter.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <cerrno>

#include "device/adapter_facts.h"
#include "device/discovery.h"
#include "device/windows/setupapi_hid_bus.h"

namespace vantor {
namespace {

std::string Lower(std::string text) {
  for (char& c : text) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return text;
}

TEST(SetupApiHidBusTest, ListsEveryCollectionWithItsOwnInterfacePath) {
  SetupApiHidBus bus;
  std::vector<HidCollectionInfo> collections;
  ASSERT_TRUE(bus.Enumerate(collections));
  // Every machine with a pointer has a mouse collection; wine's is
  // \\?\hid#vid_845e&pid_0001#...
  EXPECT_TRUE(std::any_of(collections.begin(), collections.end(), [](const HidCollectionInfo& c) {
    return c.UsagePage == kMouseUsagePage && c.Usage == kMouseUsage;
  }));
  for (const HidCollectionInfo& c : collections) {
    EXPECT_TRUE(Lower(c.Path).starts_with("\\\\?\\hid#")) << c.Path;
    EXPECT_TRUE(c.Path.ends_with("}")) << c.Path;  // the interface class, in braces
    EXPECT_NE(c.UsagePage, 0) << c.Path;
    EXPECT_EQ(std::count_if(collections.begin(), collections.end(),
                            [&](const HidCollectionInfo& other) { return other.Path == c.Path; }),
              1)
        << c.Path;
  }
}

TEST(SetupApiHidBusTest, OpensACollectionSharedAndAFeatureReportTheDeviceLacksFails) {
  SetupApiHidBus bus;
  std::vector<HidCollectionInfo> collections;
  ASSERT_TRUE(bus.Enumerate(collections));
  ASSERT_FALSE(collections.empty());
  int error = 0;
  const HidHandle first = bus.Open(collections[0].Path, &error);
  ASSERT_NE(first, kInvalidHandle) << error;
  // Never exclusive: a second open of the same collection works too.
  const HidHandle second = bus.Open(collections[0].Path, &error);
  EXPECT_NE(second, kInvalidHandle) << error;
  std::array<std::uint8_t, kSettingsReportSize> report{kSettingsReportId};
  EXPECT_EQ(bus.GetFeature(first, report), -1);
  bus.Close(second);
  bus.Close(first);
}

TEST(SetupApiHidBusTest, AMissingPathIsReportedAsMissing) {
  SetupApiHidBus bus;
  int error = 0;
  EXPECT_EQ(bus.Open("\\\\?\\hid#vid_0b9a&pid_016a#gone#{4d1e55b2-f16f-11cf-88cb-001111000030}", &error),
            kInvalidHandle);
  // The remedy for a node that is gone: plug the adapter in.
  EXPECT_EQ(error, ENOENT);
  std::array<std::uint8_t, kSettingsReportSize> report{kSettingsReportId};
  EXPECT_EQ(bus.GetFeature(kInvalidHandle, report), -1);
  EXPECT_FALSE(bus.SetFeature(kInvalidHandle, report));
}

TEST(SetupApiHidBusTest, DiscoveryOnDevicesThatAreNoAdapterEndsWithAnEmptyTable) {
  SetupApiHidBus bus;
  DeviceTable table;
  std::vector<DeviceProblem> problems;
  EXPECT_TRUE(DiscoverDevices(bus, table, &problems));
  EXPECT_EQ(table.Count, 0u);
  EXPECT_THAT(problems, testing::IsEmpty());
  FreeDeviceTable(bus, table);
}

}  // namespace
}  // namespace vantor
