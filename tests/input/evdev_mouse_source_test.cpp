// The evdev source over a fake sysfs tree and a fake /dev: which nodes it
// tries, and what it says when it cannot listen. Reading a real node needs
// a kernel.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <fstream>
#include <vector>

#include "input/linux/evdev_mouse_source.h"
#include "tests/input/fake_sysfs.h"

namespace vantor {
namespace {

using testing::ElementsAre;
using testing::IsEmpty;

class NoReports final : public MouseReportHandler {
 public:
  void OnRawMouseInput(const MouseReport&) override { ADD_FAILURE() << "a report"; }
  void OnReportsEnd(std::string_view) override { ADD_FAILURE() << "an end of reports"; }
};

class EvdevMouseSourceTest : public testing::Test {
 protected:
  void SetUp() override {
    const auto gun = m_sysfs.AddHidDevice("0003:0B9A:016A.0001");
    m_sysfs.AddHidraw(gun, "hidraw3");
    m_sysfs.AddEventNode(gun, "input7", "event5");
    const auto mouse = m_sysfs.AddHidDevice("0003:046D:C077.0002");
    m_sysfs.AddHidraw(mouse, "hidraw1");
    m_sysfs.AddEventNode(mouse, "input9", "event2");
    // The fake /dev lives in the same temp dir; its nodes are plain files,
    // which libevdev refuses as it would a node of no input device.
    std::filesystem::create_directories(Dev() / "input");
    std::ofstream(Dev() / "input" / "event5").put('\0');
    std::ofstream(Dev() / "input" / "event2").put('\0');
  }
  std::filesystem::path Dev() const { return m_sysfs.Root() / "dev"; }

  FakeSysfs m_sysfs;
};

TEST_F(EvdevMouseSourceTest, TriesTheListedAdaptersNodesOnly) {
  GunDevice adapter, unlisted;
  adapter.DevicePath = "/dev/hidraw3";
  unlisted.DevicePath = "/dev/hidraw1";
  EvdevMouseSource source(m_sysfs.Root(), Dev());
  const std::vector<GunDevice*> listed = {&adapter, nullptr};
  source.WatchAdapters(listed);
  EXPECT_THAT(source.Fds(), IsEmpty());
  EXPECT_THAT(source.Problems(),
              ElementsAre("The buttons of the adapter at /dev/hidraw3 cannot be read: " +
                          (Dev() / "input" / "event5").string() +
                          " cannot be opened: Inappropriate ioctl for device."));
}

TEST_F(EvdevMouseSourceTest, AdapterWithoutEventNodeIsAProblem) {
  GunDevice simulated, missingNode;
  simulated.DevicePath = "sim://adapter1";
  missingNode.DevicePath = "/dev/hidraw8";
  EvdevMouseSource source(m_sysfs.Root(), Dev());
  const std::vector<GunDevice*> listed = {&simulated, &missingNode};
  source.WatchAdapters(listed);
  EXPECT_THAT(source.Problems(),
              ElementsAre("The buttons of the adapter at sim://adapter1 cannot be read: it has "
                          "no input event node.",
                          "The buttons of the adapter at /dev/hidraw8 cannot be read: it has no "
                          "input event node."));
  // A new list replaces the old problems.
  source.WatchAdapters({});
  EXPECT_THAT(source.Problems(), IsEmpty());
}

TEST_F(EvdevMouseSourceTest, UnknownDescriptorIsNotWatched) {
  EvdevMouseSource source(m_sysfs.Root(), Dev());
  NoReports handler;
  EXPECT_FALSE(source.ReadReady(0, handler));
}

}  // namespace
}  // namespace vantor
