// A second process for the single-instance test. "raw NAME" creates the
// named event the panel creates and exits with GetLastError() (183 when the
// name exists); "lock NAME" exits 0 when it got the instance lock, 1 when not.
#include <windows.h>

#include <cstring>
#include <string>

#include "panel/instance_lock.h"

int main(int argc, char** argv) {
  if (argc != 3) return 2;
  if (std::strcmp(argv[1], "raw") == 0) {
    const std::string name = std::string("Global\\") + argv[2];
    const HANDLE event = ::CreateEventA(nullptr, TRUE, FALSE, name.c_str());
    const DWORD error = ::GetLastError();
    if (!event) return 3;
    ::CloseHandle(event);
    return static_cast<int>(error);
  }
  if (std::strcmp(argv[1], "lock") == 0) return vantor::AcquireInstanceLock(argv[2]) ? 0 : 1;
  return 2;
}
