// The Windows device-name rule on names of the adapter's form:
// \\?\hid#vid_0b9a&pid_016a&colNN#instance#{class}.
#include <gtest/gtest.h>

#include <string>

#include "input/raw_device_name.h"

namespace vantor {
namespace {

// The settings collection as discovery stores it: collection 02, instance
// ending in 1, the HID interface class.
const std::string kStoredPath =
    R"(\\?\hid#vid_0b9a&pid_016a&col02#7&1a2b3c4d&0&0001#{4d1e55b2-f16f-11cf-88cb-001111000030})";

struct NameCase {
  const char* Name;
  std::string RawName;
  bool Matches;
};

void PrintTo(const NameCase& c, std::ostream* os) { *os << c.Name; }

class DeviceNameRule : public testing::TestWithParam<NameCase> {};

TEST_P(DeviceNameRule, MatchesOnlyTheSameAdaptersMouse) {
  EXPECT_EQ(IsSameAdapterName(ReduceRawDeviceName(GetParam().RawName), ReduceStoredPath(kStoredPath)),
            GetParam().Matches);
}

INSTANTIATE_TEST_SUITE_P(
    Names, DeviceNameRule,
    testing::Values(
        // Collection 01, instance ending in 0, other case, mouse class.
        NameCase{"MouseCollection",
                 R"(\\?\HID#VID_0B9A&PID_016A&Col01#7&1A2B3C4D&0&0000#{378de44c-56ef-11d1-bc8c-00a0c91405dd})",
                 true},
        NameCase{"OtherInstance",
                 R"(\\?\HID#VID_0B9A&PID_016A&Col01#7&1A2B3C4E&0&0000#{378de44c-56ef-11d1-bc8c-00a0c91405dd})",
                 false},
        NameCase{"InstanceNotEndingInZero",
                 R"(\\?\hid#vid_0b9a&pid_016a&col01#7&1a2b3c4d&0&0001#{378de44c-56ef-11d1-bc8c-00a0c91405dd})",
                 false},
        NameCase{"Collection02",
                 R"(\\?\hid#vid_0b9a&pid_016a&col02#7&1a2b3c4d&0&0000#{378de44c-56ef-11d1-bc8c-00a0c91405dd})",
                 false},
        NameCase{"OtherMouse",
                 R"(\\?\HID#VID_046D&PID_C077#7&2b3c4d5e&0&0000#{378de44c-56ef-11d1-bc8c-00a0c91405dd})",
                 false},
        NameCase{"FailedQuery", "", false},
        NameCase{"TooShort", R"(\\?\hid#{378de44c-56ef-11d1-bc8c-00a0c91405dd})", false}),
    [](const auto& test) { return std::string(test.param.Name); });

TEST(DeviceNameRuleTest, ReductionsKeepTheMiddleAndRewriteTheStoredPath) {
  EXPECT_EQ(ReduceStoredPath(kStoredPath)->View(), "hid#vid_0b9a&pid_016a&col01#7&1a2b3c4d&0&0000#");
  EXPECT_EQ(ReduceRawDeviceName(kStoredPath).View(), "hid#vid_0b9a&pid_016a&col02#7&1a2b3c4d&0&0001#");
  // 42 characters keep nothing; a name that does not fit the buffer fails.
  EXPECT_EQ(ReduceRawDeviceName(std::string(42, 'x')).Length, 0u);
  EXPECT_EQ(ReduceRawDeviceName(std::string(43, 'x')).Length, 1u);
  EXPECT_EQ(ReduceRawDeviceName(std::string(512, 'x')).Length, 0u);
  EXPECT_EQ(ReduceRawDeviceName(std::string(511, 'x')).Length, 469u);
}

// The rewrite writes at index 26 and at the second-to-last character: a
// kept part shorter than 28 characters matches nothing, not even itself.
TEST(DeviceNameRuleTest, StoredPathTooShortMatchesNothing) {
  const std::string braces = "{378de44c-56ef-11d1-bc8c-00a0c91405dd}";
  const std::string shortPath = R"(\\?\)" + std::string(27, 'a') + braces;
  const std::string longEnough = R"(\\?\)" + std::string(30, 'a') + braces;
  EXPECT_FALSE(ReduceStoredPath(shortPath));
  EXPECT_FALSE(IsSameAdapterName(ReduceRawDeviceName(shortPath), ReduceStoredPath(shortPath)));
  ASSERT_TRUE(ReduceStoredPath(longEnough));
  EXPECT_EQ(ReduceStoredPath(longEnough)->View(), std::string(26, 'a') + "1a0a");
}

}  // namespace
}  // namespace vantor
