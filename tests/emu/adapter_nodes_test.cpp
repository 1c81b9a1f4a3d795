// Finding an emulated adapter's nodes in a sysfs tree laid out as the
// kernel lays it out.
#include <gtest/gtest.h>
#include <unistd.h>

#include <fstream>

#include "tools/vantor-emu/adapter_nodes.h"

namespace vantor::emu {
namespace {

namespace fs = std::filesystem;

class AdapterNodesTest : public testing::Test {
 protected:
  void SetUp() override {
    root = fs::temp_directory_path() / ("vantor-nodes-" + std::to_string(::getpid()));
    fs::remove_all(root);
    fs::create_directories(root / "dev" / "input");
  }
  void TearDown() override { fs::remove_all(root); }

  // hidrawN of a HID device with this uniq, its mouse as inputM/eventM.
  void AddDevice(int n, const std::string& uniq, bool withEvent, bool withDevNodes = true) {
    const fs::path device = root / "sys" / "class" / "hidraw" / ("hidraw" + std::to_string(n)) / "device";
    fs::create_directories(device / "input" / ("input" + std::to_string(n)));
    std::ofstream(device / "uevent") << "DRIVER=hid-generic\nHID_ID=0003:00000B9A:0000016A\n"
                                     << "HID_UNIQ=" << uniq << "\nMODALIAS=hid:x\n";
    if (withEvent)
      fs::create_directories(device / "input" / ("input" + std::to_string(n)) / ("event" + std::to_string(n)));
    if (withDevNodes) {
      std::ofstream(root / "dev" / ("hidraw" + std::to_string(n)));
      std::ofstream(root / "dev" / "input" / ("event" + std::to_string(n)));
    }
  }
  std::optional<AdapterNodes> Find(const std::string& uniq) {
    return FindAdapterNodes(uniq, root / "sys", root / "dev");
  }
  fs::path root;
};

TEST_F(AdapterNodesTest, FindsTheNodesOfTheDeviceWithThatUniq) {
  AddDevice(0, "vantor-emu-1-1", true);
  AddDevice(3, "vantor-emu-1-2", true);
  const auto nodes = Find("vantor-emu-1-2");
  ASSERT_TRUE(nodes);
  EXPECT_EQ(nodes->Hidraw, (root / "dev" / "hidraw3").string());
  EXPECT_EQ(nodes->Event, (root / "dev" / "input" / "event3").string());
}

TEST_F(AdapterNodesTest, NothingUntilBothNodesExist) {
  EXPECT_FALSE(Find("vantor-emu-1-1")) << "no hidraw class at all";
  AddDevice(0, "vantor-emu-1-1", false);
  EXPECT_FALSE(Find("vantor-emu-1-1")) << "the input node is not there yet";
  AddDevice(1, "vantor-emu-1-2", true, false);
  EXPECT_FALSE(Find("vantor-emu-1-2")) << "sysfs has it, dev not yet";
  EXPECT_FALSE(Find("vantor-emu-1")) << "a prefix of a uniq is not that uniq";
}

TEST_F(AdapterNodesTest, WaitGivesUpAfterItsTime) {
  const auto start = std::chrono::steady_clock::now();
  EXPECT_FALSE(WaitForAdapterNodes("absent", std::chrono::milliseconds(30), root / "sys", root / "dev"));
  EXPECT_GE(std::chrono::steady_clock::now() - start, std::chrono::milliseconds(30));
}

TEST_F(AdapterNodesTest, InputNodeByDeviceName) {
  for (const auto& [event, name] : {std::pair{"event0", "Some mouse"}, {"event7", "Vantor virtual keyboard"}}) {
    const fs::path device = root / "sys" / "class" / "input" / event / "device";
    fs::create_directories(device);
    std::ofstream(device / "name") << name << '\n';
    std::ofstream(root / "dev" / "input" / event);
  }
  EXPECT_EQ(WaitForInputNodeNamed("Vantor virtual keyboard", std::chrono::milliseconds(0),
                                  root / "sys", root / "dev"),
            (root / "dev" / "input" / "event7").string());
  EXPECT_FALSE(WaitForInputNodeNamed("Vantor virtual", std::chrono::milliseconds(0), root / "sys",
                                     root / "dev"));
}

}  // namespace
}  // namespace vantor::emu
