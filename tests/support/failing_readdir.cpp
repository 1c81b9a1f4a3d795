#include "tests/support/failing_readdir.h"

#include <dirent.h>
#include <dlfcn.h>

#include <optional>

namespace vantor {
namespace {

struct Failure {
  std::size_t EntriesLeft;
  int Error;
  std::size_t Failures = 0;
};

std::optional<Failure> g_failure;

}  // namespace

ReaddirFailure::ReaddirFailure(std::size_t entriesBeforeFailure, int error) {
  g_failure = Failure{entriesBeforeFailure, error};
}

ReaddirFailure::~ReaddirFailure() { g_failure.reset(); }

std::size_t ReaddirFailure::Failures() const { return g_failure->Failures; }

}  // namespace vantor

// Found before the C library's by every caller in the program, libstdc++'s
// directory_iterator included.
extern "C" dirent* readdir(DIR* dir) {
  using Readdir = dirent* (*)(DIR*);
  static const auto next = reinterpret_cast<Readdir>(::dlsym(RTLD_NEXT, "readdir"));
  if (auto& failure = vantor::g_failure) {
    if (failure->EntriesLeft == 0) {
      ++failure->Failures;
      errno = failure->Error;
      return nullptr;
    }
    --failure->EntriesLeft;
  }
  return next(dir);
}
