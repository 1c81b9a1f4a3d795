#include "input/linux/evdev_mouse_source.h"

#include <fcntl.h>
#include <libevdev/libevdev.h>

#include <algorithm>
#include <cerrno>
#include <cstring>

#include "input/linux/input_messages.h"
#include "input/linux/sysfs_input_nodes.h"

namespace vantor {

void LibevdevFree::operator()(libevdev* device) const { libevdev_free(device); }

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

void EvdevMouseSource::WatchAdapters(std::span<GunDevice* const> listed) {
  m_nodes.clear();
  m_fds.clear();
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
    auto node = std::make_unique<Node>();
    node->Fd.Reset(::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC));
    int error = errno;
    if (node->Fd.IsOpen()) {
      libevdev* device = nullptr;
      const int rc = libevdev_new_from_fd(node->Fd.Get(), &device);
      node->Device.reset(device);
      if (rc < 0) error = -rc;
    }
    if (!node->Device) {
      if (firstFailure.empty())
        firstFailure = ButtonsCannotOpenMessage(adapterPath, path, error);
      continue;
    }
    node->AdapterPath = adapterPath;
    m_fds.push_back(node->Fd.Get());
    m_nodes.push_back(std::move(node));
    opened = true;
  }
  if (!opened) m_problems.push_back(firstFailure);
}

void EvdevMouseSource::Drop(std::size_t index) {
  m_fds.erase(std::find(m_fds.begin(), m_fds.end(), m_nodes[index]->Fd.Get()));
  m_nodes.erase(m_nodes.begin() + static_cast<std::ptrdiff_t>(index));
}

bool EvdevMouseSource::ReadReady(int fd, MouseReportHandler& handler) {
  const auto found = std::find_if(m_nodes.begin(), m_nodes.end(),
                                  [fd](const auto& node) { return node->Fd.Get() == fd; });
  if (found == m_nodes.end()) return false;
  Node& node = **found;

  // Until libevdev has nothing left: what it has already taken from the
  // kernel would not make the descriptor readable again.
  unsigned mode = LIBEVDEV_READ_FLAG_NORMAL;
  for (;;) {
    input_event event{};
    const int rc = libevdev_next_event(node.Device.get(), mode, &event);
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
      handler.OnRawMouseInput({ReleaseOfHeldButtons(node.Device.get()), node.AdapterPath});
      handler.OnReportsEnd(node.AdapterPath);
      Drop(static_cast<std::size_t>(found - m_nodes.begin()));
      return false;
    }
  }
}

}  // namespace vantor
