// The emulator's side of the uhid exchange, against a socket that plays the
// kernel: what it creates, how it answers feature report requests, what it
// sends for the gun's buttons.
#include <linux/uhid.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <filesystem>
#include <vector>

#include "device/settings_state_file.h"
#include "tests/emu/fake_kernel.h"

namespace vantor::emu {
namespace {

namespace fs = std::filesystem;

std::vector<std::uint8_t> Bytes(const SettingsReport& r) { return {r.begin(), r.end()}; }

TEST_F(FakeKernel, CreatesAUsbDeviceWithTheAdaptersIdentityAndDescriptor) {
  UhidAdapter adapter(adapterEnd, {});
  std::string error;
  ASSERT_TRUE(adapter.Plug(error));
  const auto create = Receive();
  ASSERT_TRUE(create);
  ASSERT_EQ(create->type, UHID_CREATE2);
  const uhid_create2_req& req = create->u.create2;
  EXPECT_EQ(req.bus, 0x03);
  EXPECT_EQ(req.vendor, 0x0B9Au);
  EXPECT_EQ(req.product, 0x016Au);
  ASSERT_EQ(req.rd_size, kAdapterReportDescriptor.size());
  EXPECT_TRUE(std::equal(kAdapterReportDescriptor.begin(), kAdapterReportDescriptor.end(), req.rd_data));
  EXPECT_EQ(std::string(reinterpret_cast<const char*>(req.uniq)), adapter.Uniq());
}

TEST_F(FakeKernel, AnswersReport2WithAll42BytesReportIdFirst) {
  auto adapter = PlugAdapter();
  const auto reply = AskFor(UHID_GET_REPORT, kSettingsReportId);
  ASSERT_TRUE(reply);
  ASSERT_EQ(reply->type, UHID_GET_REPORT_REPLY);
  const uhid_get_report_reply_req& r = reply->u.get_report_reply;
  EXPECT_EQ(r.id, requestId);
  EXPECT_EQ(r.err, 0);
  ASSERT_EQ(r.size, 42);
  const SettingsReport defaults = EncodeSettingsReport(ProfileDefaultSettings());
  EXPECT_EQ(std::vector<std::uint8_t>(r.data, r.data + r.size), Bytes(defaults));
  EXPECT_EQ(r.data[0], kSettingsReportId);
}

TEST_F(FakeKernel, StoresAnAcceptedSubmitAndAnswersWithIt) {
  auto adapter = PlugAdapter();
  GunSettings changed = ProfileDefaultSettings();
  changed.Sensitivity = 77;
  const SettingsReport report = EncodeSettingsReport(changed);

  const auto ack = AskFor(UHID_SET_REPORT, kSettingsReportId, Bytes(report));
  ASSERT_TRUE(ack);
  EXPECT_EQ(ack->type, UHID_SET_REPORT_REPLY);
  EXPECT_EQ(ack->u.set_report_reply.id, requestId);
  EXPECT_EQ(ack->u.set_report_reply.err, 0);
  EXPECT_EQ(adapter->Stored(), report);

  const auto reply = AskFor(UHID_GET_REPORT, kSettingsReportId);
  ASSERT_TRUE(reply);
  EXPECT_EQ(reply->u.get_report_reply.data[13], 77);  // byte 13: sensitivity
}

struct RefusedRequest {
  const char* Name;
  std::uint32_t Type;
  std::uint8_t Rnum;
  std::size_t Size;   // of a submit
  Faults Inject;
  friend void PrintTo(const RefusedRequest& r, std::ostream* os) { *os << r.Name; }
};

Faults Refusing(bool get, bool set) {
  Faults f;
  f.RefuseGet = get;
  f.RefuseSet = set;
  return f;
}

class RefusedRequests : public FakeKernel, public testing::WithParamInterface<RefusedRequest> {};

// A refused request is answered at once with an error, never left to the
// kernel's 5 s timeout, and a refused submit changes nothing.
TEST_P(RefusedRequests, AreAnsweredWithAnErrorAndChangeNothing) {
  auto adapter = PlugAdapter();
  adapter->SetFaults(GetParam().Inject);
  const SettingsReport before = adapter->Stored();
  std::vector<std::uint8_t> data(GetParam().Size, 0);
  if (!data.empty()) data[0] = GetParam().Rnum;

  const auto reply = AskFor(GetParam().Type, GetParam().Rnum, data);
  ASSERT_TRUE(reply) << "no answer";
  if (GetParam().Type == UHID_GET_REPORT) {
    EXPECT_EQ(reply->type, UHID_GET_REPORT_REPLY);
    EXPECT_NE(reply->u.get_report_reply.err, 0);
  } else {
    EXPECT_EQ(reply->type, UHID_SET_REPORT_REPLY);
    EXPECT_NE(reply->u.set_report_reply.err, 0);
  }
  EXPECT_EQ(adapter->Stored(), before);
}

INSTANTIATE_TEST_SUITE_P(
    Emulator, RefusedRequests,
    testing::Values(RefusedRequest{"get_refused", UHID_GET_REPORT, 2, 0, Refusing(true, false)},
                    RefusedRequest{"set_refused", UHID_SET_REPORT, 2, 42, Refusing(false, true)},
                    RefusedRequest{"get_report_3", UHID_GET_REPORT, 3, 0, Faults{}},
                    RefusedRequest{"set_report_3", UHID_SET_REPORT, 3, 42, Faults{}},
                    RefusedRequest{"set_41_bytes", UHID_SET_REPORT, 2, 41, Faults{}}),
    [](const auto& c) { return std::string(c.param.Name); });

TEST_F(FakeKernel, KeepsEverySubmitAsReceivedEvenRefusedOnes) {
  auto adapter = PlugAdapter();
  adapter->SetFaults(Refusing(false, true));
  const std::vector<std::uint8_t> shortOne(41, 2);
  AskFor(UHID_SET_REPORT, 2, shortOne);
  EXPECT_EQ(adapter->ReceivedSubmits(), std::vector<std::vector<std::uint8_t>>{shortOne});
}

TEST_F(FakeKernel, ShortReplyFaultDropsTheTail) {
  auto adapter = PlugAdapter();
  Faults f;
  f.ReplyLength = 41;
  adapter->SetFaults(f);
  const auto reply = AskFor(UHID_GET_REPORT, 2);
  ASSERT_TRUE(reply);
  EXPECT_EQ(reply->u.get_report_reply.size, 41);
}

TEST_F(FakeKernel, UnplugOnRequestAnswersByDestroyingTheDeviceOnce) {
  auto adapter = PlugAdapter();
  Faults f;
  f.UnplugOnNextRequest = true;
  adapter->SetFaults(f);
  const auto answer = AskFor(UHID_SET_REPORT, 2, Bytes(adapter->Stored()));
  ASSERT_TRUE(answer);
  EXPECT_EQ(answer->type, UHID_DESTROY);
  EXPECT_FALSE(adapter->Plugged());
  EXPECT_FALSE(adapter->SendMouse({1}));
}

TEST_F(FakeKernel, MouseReportsCarryReportId1ButtonsMovementAndWheel) {
  auto adapter = PlugAdapter();
  ASSERT_TRUE(adapter->SendMouse({0b10101, -3, 4, -1}));
  const auto input = Receive();
  ASSERT_TRUE(input);
  ASSERT_EQ(input->type, UHID_INPUT2);
  const std::vector<std::uint8_t> bytes(input->u.input2.data,
                                        input->u.input2.data + input->u.input2.size);
  EXPECT_EQ(bytes, (std::vector<std::uint8_t>{1, 0b10101, 0xFD, 4, 0xFF}));
}

TEST_F(FakeKernel, UnplugDestroysTheDeviceAndPlugCreatesItAgain) {
  auto adapter = PlugAdapter();
  EXPECT_TRUE(adapter->Unplug());
  const auto destroy = Receive();
  ASSERT_TRUE(destroy);
  EXPECT_EQ(destroy->type, UHID_DESTROY);
  EXPECT_FALSE(adapter->Unplug()) << "already unplugged";
  std::string error;
  ASSERT_TRUE(adapter->Plug(error));
  const auto create = Receive();
  ASSERT_TRUE(create);
  EXPECT_EQ(create->type, UHID_CREATE2);
}

class StateFileTest : public FakeKernel {
 protected:
  void SetUp() override {
    FakeKernel::SetUp();
    dir = fs::temp_directory_path() /
          ("vantor-emu-state-" + std::to_string(::getpid()) +
           testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::remove_all(dir);
    fs::create_directories(dir);
  }
  void TearDown() override {
    fs::remove_all(dir);
    FakeKernel::TearDown();
  }
  fs::path dir;
};

TEST_F(StateFileTest, AnAcceptedSubmitIsWrittenAndComesBackOnTheNextStart) {
  EmulatorOptions options;
  options.StateFile = dir / "state";
  GunSettings changed = ProfileDefaultSettings();
  changed.XCenter = 0x0102;
  const SettingsReport report = EncodeSettingsReport(changed);
  {
    auto adapter = PlugAdapter(options);
    AskFor(UHID_SET_REPORT, 2, Bytes(report));
    EXPECT_TRUE(adapter->StateError().empty());
  }
  const auto lines = ReadSettingsStateFile(options.StateFile);
  ASSERT_EQ(lines.size(), 1u);
  EXPECT_EQ(lines[0], report);
  EXPECT_EQ(UhidAdapter(-1, options).Stored(), report);
}

TEST_F(StateFileTest, AnUnwritableStateFileIsReportedAndTheSubmitStillHolds) {
  EmulatorOptions options;
  options.StateFile = dir / "no-such-folder" / "state";
  auto adapter = PlugAdapter(options);
  const SettingsReport report = EncodeSettingsReport(GunSettings{});
  const auto ack = AskFor(UHID_SET_REPORT, 2, Bytes(report));
  ASSERT_TRUE(ack);
  EXPECT_EQ(ack->u.set_report_reply.err, 0);
  EXPECT_EQ(adapter->Stored(), report);
  EXPECT_FALSE(adapter->StateError().empty());
}

}  // namespace
}  // namespace vantor::emu
