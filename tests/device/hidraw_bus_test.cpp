#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cstring>

#include <filesystem>
#include <fstream>

#include "device/adapter_facts.h"
#include "device/discovery.h"
#include "device/linux/hidraw_bus.h"
#include "tests/support/failing_readdir.h"

namespace vantor {
namespace {

namespace fs = std::filesystem;
using testing::ElementsAre;
using testing::Field;
using testing::IsEmpty;

constexpr const char* kAdapterUevent =
    "DRIVER=hid-generic\nHID_ID=0003:00000B9A:0000016A\nHID_NAME=Light Gun\n";

// A sysfs and /dev pair in a temp dir, laid out as the kernel lays out
// /sys/class/hidraw/hidrawN/device/{uevent,report_descriptor}.
class FakeSysfs : public testing::Test {
 protected:
  void SetUp() override {
    root = fs::temp_directory_path() /
           ("vantor-sysfs-" + std::string(testing::UnitTest::GetInstance()->current_test_info()->name()));
    fs::remove_all(root);
    fs::create_directories(root / "dev");
  }
  void TearDown() override { fs::remove_all(root); }

  void AddNode(const std::string& name, const std::string& uevent,
               std::span<const std::uint8_t> descriptor,
               bool withDevNode = true) {
    const fs::path device = root / "sys/class/hidraw" / name / "device";
    fs::create_directories(device);
    std::ofstream(device / "uevent") << uevent;
    std::ofstream(device / "report_descriptor", std::ios::binary)
        .write(reinterpret_cast<const char*>(descriptor.data()),
               static_cast<std::streamsize>(descriptor.size()));
    if (withDevNode) std::ofstream(root / "dev" / name);
  }

  HidrawBus Bus() const { return HidrawBus(root / "sys", root / "dev"); }
  std::string Dev(const std::string& name) const { return (root / "dev" / name).string(); }

  std::vector<HidCollectionInfo> Enumerate() {
    std::vector<HidCollectionInfo> found;
    HidrawBus bus = Bus();
    EXPECT_TRUE(bus.Enumerate(found));
    return found;
  }

  fs::path root;
};

TEST_F(FakeSysfs, OneNodeYieldsBothCollectionsOnOnePath) {
  AddNode("hidraw0", kAdapterUevent, kAdapterReportDescriptor);
  const auto found = Enumerate();
  ASSERT_EQ(found.size(), 2u);
  for (const auto& c : found) {
    EXPECT_EQ(c.Path, Dev("hidraw0"));
    EXPECT_EQ(c.VendorID, kAdapterVendorId);
    EXPECT_EQ(c.ProductID, kAdapterProductId);
  }
  EXPECT_EQ(found[0].UsagePage, kMouseUsagePage);
  EXPECT_EQ(found[0].Usage, kMouseUsage);
  EXPECT_EQ(found[1].UsagePage, kSettingsUsagePage);
  EXPECT_EQ(found[1].Usage, kSettingsUsage);

  HidrawBus bus = Bus();
  int error = 0;
  const HidHandle a = bus.Open(found[0].Path, &error);
  const HidHandle b = bus.Open(found[1].Path, &error);
  EXPECT_NE(a, kInvalidHandle) << std::strerror(error);
  EXPECT_NE(b, kInvalidHandle) << "each collection opens its own descriptor";
  EXPECT_NE(a, b);
  bus.Close(a);
  bus.Close(b);
}

TEST_F(FakeSysfs, NodesComeInNumericOrderAndForeignIdsAreKept) {
  AddNode("hidraw10", kAdapterUevent, kAdapterReportDescriptor);
  AddNode("hidraw2", kAdapterUevent, kAdapterReportDescriptor);
  const std::uint8_t keyboard[] = {0x05, 0x01, 0x09, 0x06, 0xA1, 0x01, 0xC0};
  AddNode("hidraw1", "HID_ID=0003:0000046D:0000C31C\n", keyboard, /*withDevNode=*/false);
  fs::create_directories(root / "sys/class/hidraw/notanode/device");

  const auto found = Enumerate();
  ASSERT_EQ(found.size(), 5u);
  EXPECT_EQ(found[0].Path, Dev("hidraw1"));
  EXPECT_EQ(found[0].VendorID, 0x046D);
  EXPECT_EQ(found[1].Path, Dev("hidraw2"));
  EXPECT_EQ(found[2].Path, Dev("hidraw2"));
  EXPECT_EQ(found[3].Path, Dev("hidraw10"));
}

TEST_F(FakeSysfs, AListingThatFailsHalfWayFailsTheEnumeration) {
  for (const char* name : {"hidraw0", "hidraw1", "hidraw2"})
    AddNode(name, kAdapterUevent, kAdapterReportDescriptor);
  HidrawBus bus = Bus();
  std::vector<HidCollectionInfo> found;
  bool enumerated = true;
  {
    // Three of the five entries, so at least one node comes before the error.
    const ReaddirFailure failure(3);
    EXPECT_NO_THROW(enumerated = bus.Enumerate(found));
    EXPECT_GT(failure.Failures(), 0u);
  }
  EXPECT_FALSE(enumerated);
  EXPECT_THAT(found, IsEmpty());
}

TEST_F(FakeSysfs, TruncatedDescriptorAndMissingIdentityAreSafe) {
  const std::vector<std::uint8_t> cut(kAdapterReportDescriptor.begin(),
                                      kAdapterReportDescriptor.begin() + 57);  // inside the vendor page item
  AddNode("hidraw0", kAdapterUevent, cut);
  AddNode("hidraw1", "DRIVER=hid-generic\n", kAdapterReportDescriptor);
  const auto found = Enumerate();
  ASSERT_EQ(found.size(), 1u);
  EXPECT_EQ(found[0].UsagePage, kMouseUsagePage);
}

TEST_F(FakeSysfs, MissingHidrawClassIsAnEmptyList) {
  EXPECT_THAT(Enumerate(), IsEmpty());
}

TEST_F(FakeSysfs, AdapterNodeThatCannotBeOpenedIsReported) {
  AddNode("hidraw3", kAdapterUevent, kAdapterReportDescriptor, /*withDevNode=*/false);
  HidrawBus bus = Bus();
  DeviceTable table;
  std::vector<DeviceProblem> problems;
  EXPECT_FALSE(DiscoverDevices(bus, table, &problems));
  ASSERT_EQ(problems.size(), 1u);
  EXPECT_EQ(DescribeProblem(problems[0]),
            "Adapter at " + Dev("hidraw3") +
                " cannot be opened: No such file or directory. The adapter is gone: plug it in and press "
                "Refresh.");
}

TEST_F(FakeSysfs, NodeThatIsNotHidrawFailsTheSettingsRead) {
  AddNode("hidraw0", kAdapterUevent, kAdapterReportDescriptor);  // a plain file
  HidrawBus bus = Bus();
  DeviceTable table;
  EXPECT_FALSE(DiscoverDevices(bus, table));
  EXPECT_EQ(table.Entries, nullptr);
}

struct HidIdCase {
  const char* uevent;
  bool ok;
  std::uint16_t vendor, product;
};

TEST(ParseHidIdTest, ReadsVendorAndProduct) {
  const HidIdCase cases[] = {
      {"HID_ID=0003:00000B9A:0000016A\n", true, 0x0B9A, 0x016A},
      {"DRIVER=x\nHID_ID=0005:00000b9a:0000016a\nHID_NAME=y", true, 0x0B9A, 0x016A},
      {"HID_ID=0003:00010B9A:0000016A\n", false, 0, 0},  // not a 16-bit vendor
      {"HID_ID=0003\n", false, 0, 0},
      {"HID_NAME=HID_ID=0003:00000B9A:0000016A\n", false, 0, 0},
      {"", false, 0, 0},
  };
  for (const HidIdCase& c : cases) {
    std::uint16_t vendor = 0, product = 0;
    EXPECT_EQ(ParseHidId(c.uevent, vendor, product), c.ok) << c.uevent;
    EXPECT_EQ(vendor, c.vendor) << c.uevent;
    EXPECT_EQ(product, c.product) << c.uevent;
  }
}

}  // namespace
}  // namespace vantor
