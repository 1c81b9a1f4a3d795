// A broken property ends a fuzz run like a crash does, so libFuzzer keeps
// the input that broke it.
#pragma once

#include <cstdio>
#include <cstdlib>

namespace vantor::fuzz {

inline void Require(bool holds, const char* property) {
  if (holds) return;
  std::fprintf(stderr, "property broken: %s\n", property);
  std::abort();
}

}  // namespace vantor::fuzz
