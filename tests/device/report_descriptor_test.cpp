#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <vector>

#include "device/adapter_facts.h"
#include "device/report_descriptor.h"

namespace vantor {
namespace {

using Bytes = std::vector<std::uint8_t>;
using testing::ElementsAre;
using testing::IsEmpty;

const std::vector<ApplicationCollection> kAdapterCollections = {
    {kMouseUsagePage, kMouseUsage}, {kSettingsUsagePage, kSettingsUsage}};

TEST(ReportDescriptorTest, AdapterDescriptorHasMouseThenVendorCollection) {
  EXPECT_EQ(ParseApplicationCollections(kAdapterReportDescriptor), kAdapterCollections);
}

// Cut anywhere, the parse stays inside the buffer and yields a prefix of the
// full result: never a collection that is not there.
TEST(ReportDescriptorTest, EveryTruncationYieldsAPrefixOfTheCollections) {
  for (std::size_t length = 0; length <= kAdapterReportDescriptor.size(); ++length) {
    const Bytes cut(kAdapterReportDescriptor.begin(), kAdapterReportDescriptor.begin() + length);
    const auto found = ParseApplicationCollections(cut);
    ASSERT_LE(found.size(), kAdapterCollections.size()) << length;
    for (std::size_t i = 0; i < found.size(); ++i) EXPECT_EQ(found[i], kAdapterCollections[i]) << length;
  }
}

struct DescriptorCase {
  const char* name;
  Bytes bytes;
  std::vector<ApplicationCollection> expected;
  friend void PrintTo(const DescriptorCase& c, std::ostream* os) { *os << c.name; }
};

class DescriptorCases : public testing::TestWithParam<DescriptorCase> {};

TEST_P(DescriptorCases, Parses) {
  EXPECT_EQ(ParseApplicationCollections(GetParam().bytes), GetParam().expected);
}

Bytes DeepNesting() {
  Bytes b = {0x05, 0x01, 0x09, 0x02, 0xA1, 0x01};
  for (int i = 0; i < 100000; ++i) b.insert(b.end(), {0xA1, 0x00});
  b.insert(b.end(), {0x09, 0x01, 0xA1, 0x01});  // nested: not top level
  return b;
}

INSTANTIATE_TEST_SUITE_P(
    Items, DescriptorCases,
    testing::Values(
        DescriptorCase{"Empty", {}, {}},
        DescriptorCase{"ExtendedUsageCarriesItsPage",
                       {0x0B, 0x01, 0x00, 0x00, 0xFF, 0xA1, 0x01, 0xC0}, {{0xFF00, 1}}},
        DescriptorCase{"LongItemSkipped",
                       {0xFE, 0x02, 0x10, 0xA1, 0x01, 0x05, 0x01, 0x09, 0x06, 0xA1, 0x01, 0xC0},
                       {{1, 6}}},
        DescriptorCase{"LongItemPastTheEndStops", {0x05, 0x01, 0x09, 0x06, 0xFE, 0xFF, 0x10, 0xA1}, {}},
        DescriptorCase{"PopRestoresUsagePage",
                       {0x05, 0x0C, 0xA4, 0x05, 0x01, 0xB4, 0x09, 0x01, 0xA1, 0x01, 0xC0}, {{0x0C, 1}}},
        DescriptorCase{"PopWithoutPushStops", {0xB4, 0x05, 0x01, 0x09, 0x02, 0xA1, 0x01}, {}},
        DescriptorCase{"AbsurdReportCountIsJustANumber",
                       {0x05, 0x01, 0x09, 0x02, 0xA1, 0x01, 0x97, 0xFF, 0xFF, 0xFF, 0xFF, 0x81, 0x02, 0xC0},
                       {{1, 2}}},
        DescriptorCase{"PhysicalCollectionIsNotAnApplication", {0x05, 0x01, 0x09, 0x01, 0xA1, 0x00, 0xC0}, {}},
        DescriptorCase{"StrayEndCollectionsIgnored",
                       {0xC0, 0xC0, 0x05, 0x01, 0x09, 0x02, 0xA1, 0x01, 0xC0}, {{1, 2}}},
        DescriptorCase{"DeepNestingListsOnlyTheOuter", DeepNesting(), {{1, 2}}}),
    [](const auto& tc) { return std::string(tc.param.name); });

}  // namespace
}  // namespace vantor
