#include "device/windows/setupapi_hid_bus.h"

#include <windows.h>
#include <setupapi.h>

// mingw's HID headers declare C functions without saying so.
extern "C" {
#include <hidsdi.h>
}

#include <cerrno>
#include <memory>
#include <optional>
#include <vector>

#include "device/windows/system_message.h"

namespace vantor {
namespace {

// Past this many indexes that each fail with some other error than "no more
// items", the list is taken as ended: a broken driver cannot hold discovery.
constexpr DWORD kMaxInterfaceIndex = 4096;

HANDLE AsHandle(HidHandle handle) { return reinterpret_cast<HANDLE>(handle); }

HANDLE OpenShared(const std::wstring& path) {
  return ::CreateFileW(path.c_str(), 0, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                       OPEN_EXISTING, 0, nullptr);
}

struct DeviceInfoSetCloser {
  void operator()(void* set) const { ::SetupDiDestroyDeviceInfoList(set); }
};

struct HandleCloser {
  void operator()(void* handle) const { ::CloseHandle(handle); }
};

std::optional<std::wstring> InterfacePath(HDEVINFO set, SP_DEVICE_INTERFACE_DATA& interfaceData) {
  DWORD size = 0;
  ::SetupDiGetDeviceInterfaceDetailW(set, &interfaceData, nullptr, 0, &size, nullptr);
  if (size < sizeof(SP_DEVICE_INTERFACE_DETAIL_DATA_W)) return std::nullopt;
  // The record is a size member followed by the path; DWORD-aligned storage.
  std::vector<DWORD> storage((size + sizeof(DWORD) - 1) / sizeof(DWORD));
  auto* detail = reinterpret_cast<SP_DEVICE_INTERFACE_DETAIL_DATA_W*>(storage.data());
  detail->cbSize = sizeof(SP_DEVICE_INTERFACE_DETAIL_DATA_W);
  if (!::SetupDiGetDeviceInterfaceDetailW(set, &interfaceData, detail, size, nullptr, nullptr))
    return std::nullopt;
  return std::wstring(detail->DevicePath);
}

// Identity and top-level usage of one interface, or nothing when it cannot
// be opened or does not answer.
std::optional<HidCollectionInfo> DescribeInterface(const std::wstring& path) {
  const HANDLE opened = OpenShared(path);
  if (opened == INVALID_HANDLE_VALUE) return std::nullopt;
  std::unique_ptr<void, HandleCloser> device(opened);
  HIDD_ATTRIBUTES attributes{};
  attributes.Size = sizeof attributes;
  if (!::HidD_GetAttributes(device.get(), &attributes)) return std::nullopt;
  PHIDP_PREPARSED_DATA preparsed = nullptr;
  if (!::HidD_GetPreparsedData(device.get(), &preparsed)) return std::nullopt;
  HIDP_CAPS caps{};
  const NTSTATUS status = ::HidP_GetCaps(preparsed, &caps);
  ::HidD_FreePreparsedData(preparsed);
  if (status != HIDP_STATUS_SUCCESS) return std::nullopt;
  HidCollectionInfo info;
  info.Path = Utf8FromWide(path);
  info.VendorID = attributes.VendorID;
  info.ProductID = attributes.ProductID;
  info.UsagePage = caps.UsagePage;
  info.Usage = caps.Usage;
  return info;
}

}  // namespace

bool SetupApiHidBus::Enumerate(std::vector<HidCollectionInfo>& collections) {
  collections.clear();
  GUID hidClass;
  ::HidD_GetHidGuid(&hidClass);
  HDEVINFO rawSet =
      ::SetupDiGetClassDevsW(&hidClass, nullptr, nullptr, DIGCF_PRESENT | DIGCF_DEVICEINTERFACE);
  if (rawSet == INVALID_HANDLE_VALUE) return false;
  std::unique_ptr<void, DeviceInfoSetCloser> set(rawSet);

  for (DWORD index = 0; index < kMaxInterfaceIndex; ++index) {
    SP_DEVICE_INTERFACE_DATA interfaceData{};
    interfaceData.cbSize = sizeof interfaceData;
    if (!::SetupDiEnumDeviceInterfaces(rawSet, nullptr, &hidClass, index, &interfaceData)) {
      if (::GetLastError() == ERROR_NO_MORE_ITEMS) break;
      continue;
    }
    const std::optional<std::wstring> path = InterfacePath(rawSet, interfaceData);
    if (!path) continue;
    if (std::optional<HidCollectionInfo> info = DescribeInterface(*path))
      collections.push_back(std::move(*info));
  }
  return true;
}

// The sentence under the window picks its remedy by the C library's error
// number; these are the system errors an open of a HID interface gives.
static int ErrnoFromSystemError(DWORD error) {
  switch (error) {
    case ERROR_ACCESS_DENIED: return EACCES;
    case ERROR_FILE_NOT_FOUND:
    case ERROR_PATH_NOT_FOUND:
    case ERROR_DEVICE_NOT_CONNECTED: return ENOENT;
    case ERROR_SHARING_VIOLATION: return EBUSY;
    default: return EIO;
  }
}

HidHandle SetupApiHidBus::Open(const std::string& path, int* error) {
  const HANDLE device = OpenShared(WideFromUtf8(path));
  if (device == INVALID_HANDLE_VALUE) {
    if (error) *error = ErrnoFromSystemError(::GetLastError());
    return kInvalidHandle;
  }
  return reinterpret_cast<HidHandle>(device);
}

int SetupApiHidBus::GetFeature(HidHandle handle, std::span<std::uint8_t> report) {
  if (handle == kInvalidHandle || report.empty()) return -1;
  if (!::HidD_GetFeature(AsHandle(handle), report.data(), static_cast<ULONG>(report.size())))
    return -1;
  return static_cast<int>(report.size());
}

bool SetupApiHidBus::SetFeature(HidHandle handle, std::span<const std::uint8_t> report) {
  if (handle == kInvalidHandle || report.empty()) return false;
  // The library takes a writable buffer for a report it only sends.
  std::vector<std::uint8_t> copy(report.begin(), report.end());
  return ::HidD_SetFeature(AsHandle(handle), copy.data(), static_cast<ULONG>(copy.size()));
}

void SetupApiHidBus::Close(HidHandle handle) {
  if (handle != kInvalidHandle) ::CloseHandle(AsHandle(handle));
}

}  // namespace vantor
