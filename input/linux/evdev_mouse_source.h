// The adapters' mice as the kernel reports them, through the input event
// nodes of the listed adapters (found in sysfs from their hidraw paths) and
// libevdev. The nodes are never grabbed, so the gun keeps working as a
// mouse everywhere else.
#pragma once

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "device/linux/unique_fd.h"
#include "input/linux/evdev_frames.h"
#include "input/mouse_source.h"

struct libevdev;

namespace vantor {

struct LibevdevFree {
  void operator()(libevdev* device) const;
};
using LibevdevPtr = std::unique_ptr<libevdev, LibevdevFree>;

class EvdevMouseSource final : public MouseSource, public DescriptorInput {
 public:
  // The roots are there for tests, which build a fake tree in a temp dir.
  explicit EvdevMouseSource(std::filesystem::path sysfsRoot = "/sys",
                            std::filesystem::path devRoot = "/dev");

  // Closes every node and opens the event nodes of these adapters; an
  // adapter none of whose nodes opens is among Problems().
  void WatchAdapters(std::span<GunDevice* const> listed) override;
  const std::vector<std::string>& Problems() const override { return m_problems; }
  DescriptorInput* Descriptors() override { return this; }

  const std::vector<int>& Fds() const override { return m_fds; }
  // A frame lost to an overrun (SYN_DROPPED) is made good through
  // libevdev's sync mode, so a lost button-up still arrives. A node whose
  // device went away is closed and its fd given up.
  bool ReadReady(int fd, MouseReportHandler& handler) override;

 private:
  struct Node {
    std::string AdapterPath;  // what the reports name as their source
    UniqueFd Fd;
    LibevdevPtr Device;  // reads Fd, so it goes first
    EvdevFrameReader Frames;
  };

  void OpenNodesOf(const std::string& adapterPath);
  void Drop(std::size_t index);

  std::filesystem::path m_sysfsRoot;
  std::filesystem::path m_devRoot;
  std::vector<std::unique_ptr<Node>> m_nodes;  // closed when they go
  std::vector<int> m_fds;
  std::vector<std::string> m_problems;
};

}  // namespace vantor
