// A sysfs tree in a temp dir for tests, with the kernel's layout and
// relative symlinks:
//   devices/.../<hid>/hidraw/hidrawM/device -> ../../../<hid>
//   devices/.../<hid>/input/inputK/device -> ../../../<hid>
//   devices/.../<hid>/input/inputK/eventN/device -> ../../inputK
//   class/hidraw/hidrawM -> ../../devices/.../<hid>/hidraw/hidrawM
//   class/input/eventN -> ../../devices/.../<hid>/input/inputK/eventN
#pragma once

#include <unistd.h>

#include <filesystem>
#include <string>

namespace vantor {

class FakeSysfs {
 public:
  FakeSysfs() {
    char pattern[] = "/tmp/vantor-sysfs-XXXXXX";
    m_root = ::mkdtemp(pattern);
  }
  ~FakeSysfs() { std::filesystem::remove_all(m_root); }
  FakeSysfs(const FakeSysfs&) = delete;
  FakeSysfs& operator=(const FakeSysfs&) = delete;

  const std::filesystem::path& Root() const { return m_root; }

  // The HID device's directory, below a USB interface as on a real machine.
  std::filesystem::path AddHidDevice(const std::string& name) {
    const auto dir = m_root / "devices/pci0000:00/0000:00:14.0/usb1/1-1/1-1:1.0" / name;
    std::filesystem::create_directories(dir);
    return dir;
  }

  void AddHidraw(const std::filesystem::path& hid, const std::string& hidraw) {
    const auto dir = hid / "hidraw" / hidraw;
    std::filesystem::create_directories(dir);
    std::filesystem::create_directory_symlink("../../../" + hid.filename().string(), dir / "device");
    LinkClass("hidraw", hidraw, dir);
  }

  void AddEventNode(const std::filesystem::path& hid, const std::string& input,
                    const std::string& event) {
    const auto inputDir = hid / "input" / input;
    const auto eventDir = inputDir / event;
    std::filesystem::create_directories(eventDir);
    std::filesystem::create_directory_symlink("../../../" + hid.filename().string(),
                                              inputDir / "device");
    std::filesystem::create_directory_symlink("../../" + input, eventDir / "device");
    LinkClass("input", input, inputDir);
    LinkClass("input", event, eventDir);
  }

 private:
  void LinkClass(const std::string& cls, const std::string& name,
                 const std::filesystem::path& target) {
    const auto classDir = m_root / "class" / cls;
    std::filesystem::create_directories(classDir);
    std::filesystem::create_directory_symlink(
        "../.." / std::filesystem::relative(target, m_root), classDir / name);
  }

  std::filesystem::path m_root;
};

}  // namespace vantor
