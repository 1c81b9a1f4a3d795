#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "device/discovery.h"
#include "device/listed_adapters.h"
#include "device/simulated_hid_bus.h"

namespace vantor {
namespace {

namespace fs = std::filesystem;

class SimulatedStateTest : public testing::Test {
 protected:
  void SetUp() override {
    dir = fs::temp_directory_path() /
          ("vantor-sim-" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) +
           testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::remove_all(dir);
    fs::create_directories(dir);
    state = dir / "state";
  }
  void TearDown() override { fs::remove_all(dir); }
  fs::path dir, state;
};

TEST_F(SimulatedStateTest, SubmitsSurviveARestart) {
  GunSettings submitted = ProfileDefaultSettings();
  submitted.RightEdge = 999;
  {
    SimulatedHidBus bus(2, state);
    DeviceTable table;
    ASSERT_TRUE(DiscoverDevices(bus, table));
    GunDevice* second = ListedAdapters(table)[1];
    second->Settings = submitted;
    ASSERT_TRUE(WriteSettingsReport(bus, *second));
    FreeDeviceTable(bus, table);
  }
  SimulatedHidBus bus(2, state);
  DeviceTable table;
  ASSERT_TRUE(DiscoverDevices(bus, table));
  EXPECT_EQ(ListedAdapters(table)[0]->Settings, ProfileDefaultSettings());
  EXPECT_EQ(ListedAdapters(table)[1]->Settings, submitted);
  FreeDeviceTable(bus, table);
}

TEST_F(SimulatedStateTest, DamagedStateLinesKeepTheDefaults) {
  std::ofstream(state) << "not hex\n02zz\n";
  SimulatedHidBus bus(2, state);
  for (const SimulatedAdapter& adapter : bus.Adapters())
    EXPECT_EQ(adapter.Stored, EncodeSettingsReport(ProfileDefaultSettings()));
}

TEST_F(SimulatedStateTest, UnwritableStateFileIsReportedNotFatal) {
  SimulatedHidBus bus(1, dir / "missing-folder" / "state");
  const HidHandle h = bus.Open(bus.Adapters()[0].Path, nullptr);
  EXPECT_TRUE(bus.SetFeature(h, EncodeSettingsReport(GunSettings{})));
  EXPECT_FALSE(bus.StateError().empty());
}

TEST(SimulatedHidBusTest, RejectsReportsOfTheWrongIdOrSize) {
  SimulatedHidBus bus(1);
  const HidHandle h = bus.Open(bus.Adapters()[0].Path, nullptr);
  SettingsReport wrongId = EncodeSettingsReport(GunSettings{});
  wrongId[0] = 3;
  EXPECT_FALSE(bus.SetFeature(h, wrongId));
  std::uint8_t shortReport[10] = {2};
  EXPECT_FALSE(bus.SetFeature(h, shortReport));
  EXPECT_FALSE(bus.SetFeature(kInvalidHandle, EncodeSettingsReport(GunSettings{})));
}

}  // namespace
}  // namespace vantor
