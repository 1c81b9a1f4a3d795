// Names parameterised tests after their case, so a failure reads
// "Codes/ButtonsMapFillStore.ShowsNameAndStoresCode/ReloadOnA".
#pragma once

#include <gtest/gtest.h>

#include <string>

namespace vantor {

struct CaseName {
  template <class Case>
  std::string operator()(const testing::TestParamInfo<Case>& test) const {
    return test.param.name;
  }
};

}  // namespace vantor
