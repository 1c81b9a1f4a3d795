#include "input/linux/evdev_mouse_source.h"

#include <fcntl.h>
#include <libevdev/libevdev.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>

#include "input/linux/input_messages.h"
#include "input/linux/sysfs_input_nodes.h"

namespace vantor {
namespace {

// The up flags of the buttons libevdev last saw held down.
std::uint16_t ReleaseOfHeldButtons(const libevdev* device) {
  std::uint16_t flags = 0;
  for (std::size_t button = 1; button <= kMouseButtonCount; ++button)
    if (libevdev_get_event_value(device, EV_KEY, kMouseButtonCodes[button - 1]) == 1)
      flags |= ButtonUpFlag(button);
  return flags;
}

}  // namespace

EvdevMouseSource::EvdevMouseSource(std::filesystem::path sysfsRoot,
                                   std::filesystem::path devRoot)
    : m_sysfsRoot(std::move(sysfsRoot)), m_devRoot(std::move(devRoot)) {}

EvdevMouseSource::~EvdevMouseSource() { CloseAll(); }

void EvdevMouseSource::CloseAll() {
  for (const auto& node : m_nodes) {
    libevdev_free(node->Device);
    ::close(node->Fd);
  }
  m_nodes.clear();
  m_fds.clear();
}

void EvdevMouseSource::WatchAdapters(std::span<GunDevice* const> listed) {
  CloseAll();
  m_problems.clear();
  for (const GunDevice* gun : listed)
    if (gun && !gun->DevicePath.empty()) OpenNodesOf(gun->DevicePath);
}

void EvdevMouseSource::OpenNodesOf(const std::string& adapterPath) {
  const std::vector<std::string> names = EventNodesOfHidraw(m_sysfsRoot, adapterPath);
  if (names.empty()) {
    m_problems.push_back(ButtonsNoNodeMessage(adapterPath));
    return;
  }
  std::string firstFailure;
  bool opened = false;
  for (const std::string& name : names) {
    const std::string path = (m_devRoot / "input" / name).string();
    const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    int error = errno;
    libevdev* device = nullptr;
    if (fd >= 0) {
      const int rc = libevdev_new_from_fd(fd, &device);
      if (rc < 0) {
        error = -rc;
        ::close(fd);
      }
    }
    if (!device) {
      if (firstFailure.empty())
        firstFailure = ButtonsCannotOpenMessage(adapterPath, path, error);
      continue;
    }
    auto node = std::make_unique<Node>();
    node->AdapterPath = adapterPath;
    node->Fd = fd;
    node->Device = device;
    m_nodes.push_back(std::move(node));
    m_fds.push_back(fd);
    opened = true;
  }
  if (!opened) m_problems.push_back(firstFailure);
}

void EvdevMouseSource::Drop(std::size_t index) {
  Node& node = *m_nodes[index];
  m_fds.erase(std::find(m_fds.begin(), m_fds.end(), node.Fd));
  libevdev_free(node.Device);
  ::close(node.Fd);
  m_nodes.erase(m_nodes.begin() + static_cast<std::ptrdiff_t>(index));
}

bool EvdevMouseSource::ReadReady(int fd, MouseReportHandler& handler) {
  const auto found = std::find_if(m_nodes.begin(), m_nodes.end(),
                                  [fd](const auto& node) { return node->Fd == fd; });
  if (found == m_nodes.end()) return false;
  Node& node = **found;

  // Until libevdev has nothing left: what it has already taken from the
  // kernel would not make the descriptor readable again.
  unsigned mode = LIBEVDEV_READ_FLAG_NORMAL;
  for (;;) {
    input_event event{};
    const int rc = libevdev_next_event(node.Device, mode, &event);
    if (rc == LIBEVDEV_READ_STATUS_SUCCESS || rc == LIBEVDEV_READ_STATUS_SYNC) {
      // SYNC comes first with the SYN_DROPPED itself, then with each event
      // of the difference; sync mode lasts until that is used up.
      if (rc == LIBEVDEV_READ_STATUS_SYNC) mode = LIBEVDEV_READ_FLAG_SYNC;
      if (const auto flags = node.Frames.Add(event.type, event.code, event.value))
        handler.OnRawMouseInput({*flags, node.AdapterPath});
    } else if (rc == -EAGAIN) {
      if (mode == LIBEVDEV_READ_FLAG_NORMAL) return true;
      mode = LIBEVDEV_READ_FLAG_NORMAL;
    } else if (rc != -EINTR) {
      // ENODEV on unplug; any other error would only repeat itself. The
      // kernel lets go of the buttons of a device it removes, but a reader
      // of the gone node never sees that: one last report lets go of them
      // here, so that the pressed-button display shows them up, and then
      // the end of the reports lets go of every key they held.
      handler.OnRawMouseInput({ReleaseOfHeldButtons(node.Device), node.AdapterPath});
      handler.OnReportsEnd(node.AdapterPath);
      Drop(static_cast<std::size_t>(found - m_nodes.begin()));
      return false;
    }
  }
}

}  // namespace vantor
