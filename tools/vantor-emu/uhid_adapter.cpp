#include "tools/vantor-emu/uhid_adapter.h"

#include <fcntl.h>
#include <linux/uhid.h>
#include <poll.h>
#include <sys/eventfd.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>

#include "device/adapter_facts.h"
#include "device/settings_state_file.h"

namespace vantor::emu {

struct UhidAdapter::Event {
  uhid_event e{};
};

namespace {

constexpr char kDeviceName[] = "Vantor light-gun adapter (emulated)";
constexpr char kPhys[] = "vantor-emu";
constexpr std::uint32_t kVersion = 0x0100;
constexpr std::uint16_t kBusUsb = 0x03;  // BUS_USB

std::string MakeUniq() {
  static std::atomic<unsigned> counter{0};
  return "vantor-emu-" + std::to_string(::getpid()) + "-" + std::to_string(++counter);
}

template <std::size_t N>
void CopyText(std::uint8_t (&field)[N], const std::string& text) {
  const std::size_t n = std::min(text.size(), N - 1);
  std::memcpy(field, text.data(), n);
  field[n] = 0;
}

}  // namespace

int OpenUhid(std::string& error) {
  const int fd = ::open("/dev/uhid", O_RDWR | O_CLOEXEC);
  if (fd < 0) error = std::string("cannot open /dev/uhid: ") + std::strerror(errno);
  return fd;
}

UhidAdapter::UhidAdapter(int fd, EmulatorOptions options)
    : m_fd(fd),
      m_stopFd(::eventfd(0, EFD_CLOEXEC)),
      m_uniq(options.Uniq.empty() ? MakeUniq() : options.Uniq),
      m_stateFile(std::move(options.StateFile)),
      m_stored(options.Initial) {
  if (!m_stateFile.empty()) {
    const auto lines = ReadSettingsStateFile(m_stateFile);
    if (!lines.empty() && lines.front()) m_stored = *lines.front();
  }
}

UhidAdapter::~UhidAdapter() {
  Unplug();
  if (m_server.joinable()) {
    const std::uint64_t one = 1;
    [[maybe_unused]] const auto n = ::write(m_stopFd.Get(), &one, sizeof one);
    m_server.join();
  }
}

bool UhidAdapter::Write(const Event& event) {
  std::lock_guard lock(m_writeLock);
  const ssize_t n = ::write(m_fd.Get(), &event.e, sizeof event.e);
  return n == static_cast<ssize_t>(sizeof event.e);
}

bool UhidAdapter::Plug(std::string& error) {
  if (m_plugged) return true;
  if (!m_stopFd.IsOpen()) {
    error = std::string("cannot make an event fd: ") + std::strerror(errno);
    return false;
  }
  Event create;
  create.e.type = UHID_CREATE2;
  uhid_create2_req& req = create.e.u.create2;
  CopyText(req.name, kDeviceName);
  CopyText(req.phys, kPhys);
  CopyText(req.uniq, m_uniq);
  req.rd_size = static_cast<std::uint16_t>(kAdapterReportDescriptor.size());
  std::copy(kAdapterReportDescriptor.begin(), kAdapterReportDescriptor.end(), req.rd_data);
  req.bus = kBusUsb;
  req.vendor = kAdapterVendorId;
  req.product = kAdapterProductId;
  req.version = kVersion;
  // The server runs before the device exists: the kernel may ask for a
  // report as soon as a driver binds.
  if (!m_server.joinable()) m_server = std::thread(&UhidAdapter::Serve, this);
  if (!Write(create)) {
    error = std::string("the kernel refused the device: ") + std::strerror(errno);
    return false;
  }
  m_plugged = true;
  return true;
}

bool UhidAdapter::Unplug() {
  if (!m_plugged.exchange(false)) return false;
  Event destroy;
  destroy.e.type = UHID_DESTROY;
  return Write(destroy);
}

bool UhidAdapter::SendMouse(const MouseInputReport& report) {
  if (!m_plugged) return false;
  Event input;
  input.e.type = UHID_INPUT2;
  const auto bytes = EncodeMouseInputReport(report);
  input.e.u.input2.size = static_cast<std::uint16_t>(bytes.size());
  std::copy(bytes.begin(), bytes.end(), input.e.u.input2.data);
  return Write(input);
}

void UhidAdapter::SetFaults(const Faults& faults) {
  std::lock_guard lock(m_stateLock);
  m_faults = faults;
}

SettingsReport UhidAdapter::Stored() const {
  std::lock_guard lock(m_stateLock);
  return m_stored;
}

std::vector<std::vector<std::uint8_t>> UhidAdapter::ReceivedSubmits() const {
  std::lock_guard lock(m_stateLock);
  return m_submits;
}

std::string UhidAdapter::StateError() const {
  std::lock_guard lock(m_stateLock);
  return m_stateError;
}

void UhidAdapter::Serve() {
  pollfd fds[2] = {{m_fd.Get(), POLLIN, 0}, {m_stopFd.Get(), POLLIN, 0}};
  for (;;) {
    if (::poll(fds, 2, -1) < 0) {
      if (errno == EINTR) continue;
      return;
    }
    if (fds[1].revents) return;
    if (fds[0].revents & (POLLERR | POLLNVAL)) return;
    Event event;
    const ssize_t n = ::read(m_fd.Get(), &event.e, sizeof event.e);
    if (n < 0 && (errno == EINTR || errno == EAGAIN)) continue;
    if (n <= 0) return;  // the other end is gone
    Answer(event);
  }
}

// START, STOP, OPEN, CLOSE and OUTPUT need no answer.
void UhidAdapter::Answer(const Event& request) {
  const std::uint32_t type = request.e.type;
  if (type != UHID_GET_REPORT && type != UHID_SET_REPORT) return;

  Event reply;
  {
    std::lock_guard lock(m_stateLock);
    if (m_faults.UnplugOnNextRequest) {
      m_faults.UnplugOnNextRequest = false;
      reply.e.type = UHID_DESTROY;
      m_plugged = false;
    } else if (type == UHID_GET_REPORT) {
      const uhid_get_report_req& req = request.e.u.get_report;
      uhid_get_report_reply_req& ans = reply.e.u.get_report_reply;
      reply.e.type = UHID_GET_REPORT_REPLY;
      ans.id = req.id;
      if (m_faults.RefuseGet || req.rtype != UHID_FEATURE_REPORT ||
          req.rnum != kSettingsReportId) {
        ans.err = EIO;
      } else {
        // The answer starts with the report ID: the kernel hands the
        // reader these bytes as they are.
        const std::size_t n = std::min(m_faults.ReplyLength, m_stored.size());
        ans.size = static_cast<std::uint16_t>(n);
        std::copy_n(m_stored.begin(), n, ans.data);
      }
    } else {
      const uhid_set_report_req& req = request.e.u.set_report;
      uhid_set_report_reply_req& ans = reply.e.u.set_report_reply;
      reply.e.type = UHID_SET_REPORT_REPLY;
      ans.id = req.id;
      const std::size_t size = std::min<std::size_t>(req.size, UHID_DATA_MAX);
      const bool isReport2 = req.rtype == UHID_FEATURE_REPORT && req.rnum == kSettingsReportId;
      if (isReport2) m_submits.emplace_back(req.data, req.data + size);
      if (m_faults.RefuseSet || !isReport2 || size != kSettingsReportSize ||
          req.data[0] != kSettingsReportId) {
        ans.err = EIO;
      } else {
        std::copy_n(req.data, kSettingsReportSize, m_stored.begin());
        std::string error;
        if (!m_stateFile.empty() &&
            !WriteSettingsStateFile(m_stateFile, std::span(&m_stored, 1), error) &&
            m_stateError.empty())
          m_stateError = error;
      }
    }
  }
  Write(reply);
}

}  // namespace vantor::emu
