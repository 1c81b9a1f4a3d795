// Debian's wx has its asserts on; a failed one must never stop the panel in
// a modal box that a light-gun cabinet has no mouse to dismiss.
#pragma once

#include <wx/debug.h>

#include <cstdio>

namespace vantor {

inline void LogAssertToStderr(const wxString& file, int line, const wxString& function,
                              const wxString& condition, const wxString& message) {
  std::fprintf(stderr, "wx assert %s:%d %s: %s %s\n", file.utf8_str().data(), line,
               function.utf8_str().data(), condition.utf8_str().data(),
               message.utf8_str().data());
}

inline void LogAssertsToStderr() { wxSetAssertHandler(LogAssertToStderr); }

}  // namespace vantor
