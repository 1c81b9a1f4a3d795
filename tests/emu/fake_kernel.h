// A socket that plays the kernel's side of /dev/uhid, so the emulator's
// half of the exchange can be tested on a machine without uhid.
#pragma once

#include <linux/uhid.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <memory>
#include <optional>
#include <vector>

#include "tools/vantor-emu/uhid_adapter.h"

namespace vantor::emu {

class FakeKernel : public testing::Test {
 protected:
  void SetUp() override {
    int fds[2];
    ASSERT_EQ(::socketpair(AF_UNIX, SOCK_SEQPACKET | SOCK_CLOEXEC, 0, fds), 0);
    adapterEnd = fds[0];
    kernelEnd = fds[1];
  }
  void TearDown() override { ::close(kernelEnd); }

  // Takes the adapter's end; the adapter closes it.
  std::unique_ptr<UhidAdapter> PlugAdapter(EmulatorOptions options = {}) {
    auto adapter = std::make_unique<UhidAdapter>(adapterEnd, std::move(options));
    std::string error;
    EXPECT_TRUE(adapter->Plug(error)) << error;
    const auto create = Receive();
    EXPECT_TRUE(create && create->type == UHID_CREATE2);
    return adapter;
  }

  std::optional<uhid_event> Receive() {
    pollfd p{kernelEnd, POLLIN, 0};
    if (::poll(&p, 1, 2000) <= 0) return std::nullopt;
    uhid_event e{};
    if (::read(kernelEnd, &e, sizeof e) <= 0) return std::nullopt;
    return e;
  }

  void Send(const uhid_event& e) { ASSERT_EQ(::write(kernelEnd, &e, sizeof e), ssize_t(sizeof e)); }

  // A feature report request for report rnum, and the adapter's answer.
  std::optional<uhid_event> AskFor(std::uint32_t type, std::uint8_t rnum,
                                   const std::vector<std::uint8_t>& data = {}) {
    uhid_event e{};
    e.type = type;
    if (type == UHID_GET_REPORT) {
      e.u.get_report = {++requestId, rnum, UHID_FEATURE_REPORT};
    } else {
      e.u.set_report.id = ++requestId;
      e.u.set_report.rnum = rnum;
      e.u.set_report.rtype = UHID_FEATURE_REPORT;
      e.u.set_report.size = static_cast<std::uint16_t>(data.size());
      std::copy(data.begin(), data.end(), e.u.set_report.data);
    }
    Send(e);
    return Receive();
  }

  int adapterEnd = -1, kernelEnd = -1;
  std::uint32_t requestId = 40;
};

}  // namespace vantor::emu
