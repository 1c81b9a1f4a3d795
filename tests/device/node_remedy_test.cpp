#include <gtest/gtest.h>

#include <cerrno>
#include <string>

#include "device/node_remedy.h"

namespace vantor {
namespace {

struct RemedyCase {
  const char* name;
  NodeKind node;
  int error;
  std::string remedy;
};

constexpr const char* kUdevRule = "Install the udev rule (see README).";
constexpr const char* kModprobe = "Load the uinput module: sudo modprobe uinput.";
constexpr const char* kPlugIn = "The adapter is gone: plug it in and press Refresh.";
constexpr const char* kHeldRefresh =
    "Another program holds it (sudo fuser -v shows which): close it and press Refresh.";
constexpr const char* kHeldRestart =
    "Another program holds it (sudo fuser -v shows which): close it and start the panel again.";

class OpenRemedyTest : public testing::TestWithParam<RemedyCase> {};

TEST_P(OpenRemedyTest, FollowsTheCause) {
  EXPECT_EQ(OpenRemedy(GetParam().node, GetParam().error), GetParam().remedy);
}

INSTANTIATE_TEST_SUITE_P(
    Causes, OpenRemedyTest,
    testing::Values(
        // A missing /dev/uinput is a module not loaded, never a udev rule.
        RemedyCase{"UinputMissing", NodeKind::KeyboardMaker, ENOENT, kModprobe},
        RemedyCase{"UinputNoDevice", NodeKind::KeyboardMaker, ENODEV, kModprobe},
        RemedyCase{"UinputNoDriver", NodeKind::KeyboardMaker, ENXIO, kModprobe},
        RemedyCase{"UinputDenied", NodeKind::KeyboardMaker, EACCES, kUdevRule},
        RemedyCase{"UinputNotPermitted", NodeKind::KeyboardMaker, EPERM, kUdevRule},
        RemedyCase{"UinputBusy", NodeKind::KeyboardMaker, EBUSY, kHeldRestart},
        RemedyCase{"UinputOtherError", NodeKind::KeyboardMaker, EIO, ""},
        RemedyCase{"SettingsNodeGone", NodeKind::AdapterSettings, ENOENT, kPlugIn},
        RemedyCase{"SettingsNodeNoDevice", NodeKind::AdapterSettings, ENODEV, kPlugIn},
        RemedyCase{"SettingsNodeDenied", NodeKind::AdapterSettings, EACCES, kUdevRule},
        RemedyCase{"SettingsNodeBusy", NodeKind::AdapterSettings, EBUSY, kHeldRefresh},
        RemedyCase{"SettingsNodeOtherError", NodeKind::AdapterSettings, ENOTTY, ""},
        RemedyCase{"ButtonsNodeGone", NodeKind::AdapterButtons, ENOENT, kPlugIn},
        RemedyCase{"ButtonsNodeDenied", NodeKind::AdapterButtons, EACCES, kUdevRule},
        RemedyCase{"ButtonsNodeBusy", NodeKind::AdapterButtons, EBUSY, kHeldRefresh},
        RemedyCase{"ButtonsNodeNotEvdev", NodeKind::AdapterButtons, ENOTTY, ""}),
    [](const auto& tc) { return std::string(tc.param.name); });

}  // namespace
}  // namespace vantor
