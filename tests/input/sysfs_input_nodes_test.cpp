// A fake sysfs tree laid out as the kernel lays it out, with the same
// relative symlinks: class entries point into devices/, an event node's
// device is its input device, whose device is the HID device.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "input/linux/sysfs_input_nodes.h"
#include "tests/input/fake_sysfs.h"
#include "tests/support/failing_readdir.h"

namespace vantor {
namespace {

using testing::ElementsAre;
using testing::IsEmpty;
using testing::IsSubsetOf;

class SysfsInputNodesTest : public testing::Test {
 protected:
  FakeSysfs m_sysfs;
};

TEST_F(SysfsInputNodesTest, EventNodesOfTheSameHidDevice) {
  const auto gun = m_sysfs.AddHidDevice("0003:0B9A:016A.0001");
  m_sysfs.AddHidraw(gun, "hidraw3");
  m_sysfs.AddEventNode(gun, "input12", "event10");
  m_sysfs.AddEventNode(gun, "input7", "event6");
  const auto mouse = m_sysfs.AddHidDevice("0003:046D:C077.0002");
  m_sysfs.AddHidraw(mouse, "hidraw1");
  m_sysfs.AddEventNode(mouse, "input9", "event2");

  EXPECT_THAT(EventNodesOfHidraw(m_sysfs.Root(), "/dev/hidraw3"), ElementsAre("event6", "event10"));
  EXPECT_THAT(EventNodesOfHidraw(m_sysfs.Root(), "/dev/hidraw1"), ElementsAre("event2"));
}

TEST_F(SysfsInputNodesTest, UnknownNodesHaveNoEventNode) {
  const auto gun = m_sysfs.AddHidDevice("0003:0B9A:016A.0001");
  m_sysfs.AddHidraw(gun, "hidraw3");
  EXPECT_THAT(EventNodesOfHidraw(m_sysfs.Root(), "/dev/hidraw3"), IsEmpty());  // no input class
  m_sysfs.AddEventNode(m_sysfs.AddHidDevice("0003:046D:C077.0002"), "input9", "event2");
  EXPECT_THAT(EventNodesOfHidraw(m_sysfs.Root(), "/dev/hidraw3"), IsEmpty());
  EXPECT_THAT(EventNodesOfHidraw(m_sysfs.Root(), "/dev/hidraw4"), IsEmpty());
  EXPECT_THAT(EventNodesOfHidraw(m_sysfs.Root(), "sim://adapter1"), IsEmpty());
}

TEST_F(SysfsInputNodesTest, AListingThatFailsHalfWayKeepsWhatItFound) {
  const auto gun = m_sysfs.AddHidDevice("0003:0B9A:016A.0001");
  m_sysfs.AddHidraw(gun, "hidraw3");
  for (const char* n : {"1", "2", "3"})
    m_sysfs.AddEventNode(gun, std::string("input") + n, std::string("event") + n);

  std::vector<std::string> found;
  {
    // Four of the eight entries of class/input: the error comes half-way.
    const ReaddirFailure failure(4);
    EXPECT_NO_THROW(found = EventNodesOfHidraw(m_sysfs.Root(), "/dev/hidraw3"));
    EXPECT_GT(failure.Failures(), 0u);
  }
  EXPECT_THAT(found, IsSubsetOf({"event1", "event2", "event3"}));
}

}  // namespace
}  // namespace vantor
