// For a test that cannot run on this machine. It is skipped, except with
// CI=true, where a skipped test is a failure: a run that could not test
// something must not look green. Use it as GTEST_SKIP():
//   if (!possible) SKIP_OUTSIDE_CI() << "why";
#pragma once

#include <gtest/gtest.h>

#include <cstdlib>
#include <string_view>

namespace vantor {

inline bool InCi() {
  const char* ci = std::getenv("CI");
  return ci && std::string_view(ci) == "true";
}

}  // namespace vantor

#define SKIP_OUTSIDE_CI()                                                              \
  return ::testing::internal::AssertHelper(                                            \
             ::vantor::InCi() ? ::testing::TestPartResult::kFatalFailure               \
                              : ::testing::TestPartResult::kSkip,                      \
             __FILE__, __LINE__,                                                       \
             ::vantor::InCi() ? "Skipped, which with CI=true is a failure" : "Skipped") = \
      ::testing::Message()
