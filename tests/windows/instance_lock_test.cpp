// One panel per machine: another process meets the named event of the
// running one.
#include <gtest/gtest.h>

#include <windows.h>

#include <string>

#include "panel/instance_lock.h"

namespace vantor {
namespace {

// Runs instance_probe.exe, which lies beside this test, and gives its exit
// code.
DWORD RunProbe(const std::string& mode, const std::string& name) {
  wchar_t self[MAX_PATH];
  const DWORD length = ::GetModuleFileNameW(nullptr, self, MAX_PATH);
  std::wstring probe(self, length);
  probe = probe.substr(0, probe.find_last_of(L'\\') + 1) + L"instance_probe.exe";
  std::wstring commandLine = L"\"" + probe + L"\" " + std::wstring(mode.begin(), mode.end()) +
                             L" " + std::wstring(name.begin(), name.end());
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION process{};
  if (!::CreateProcessW(probe.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                        nullptr, &startup, &process))
    return ~DWORD{0};
  ::WaitForSingleObject(process.hProcess, 30000);
  DWORD code = ~DWORD{0};
  ::GetExitCodeProcess(process.hProcess, &code);
  ::CloseHandle(process.hThread);
  ::CloseHandle(process.hProcess);
  return code;
}

TEST(NamedEventLockTest, SecondProcessFindsThePanelsEventUntilItEnds) {
  {
    const auto lock = AcquireInstanceLock();
    ASSERT_NE(lock, nullptr);
    EXPECT_EQ(RunProbe("raw", std::string(kInstanceName)), DWORD{ERROR_ALREADY_EXISTS});
    EXPECT_EQ(RunProbe("lock", std::string(kInstanceName)), 1u);
  }
  EXPECT_EQ(RunProbe("raw", std::string(kInstanceName)), DWORD{ERROR_SUCCESS});
  EXPECT_EQ(RunProbe("lock", std::string(kInstanceName)), 0u);
}

TEST(NamedEventLockTest, TheNameIsHeldOnlyWhileTheHolderLives) {
  const std::string name = "vantor_test_lock_" + std::to_string(::GetCurrentProcessId());
  auto lock = AcquireInstanceLock(name);
  ASSERT_NE(lock, nullptr);
  EXPECT_EQ(AcquireInstanceLock(name), nullptr);
  lock.reset();
  EXPECT_NE(AcquireInstanceLock(name), nullptr);
  // Another name is another instance.
  EXPECT_NE(AcquireInstanceLock(name + "_other"), nullptr);
}

}  // namespace
}  // namespace vantor
