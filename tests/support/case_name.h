// Names the rows of a parameterised test after their `name` field, so that a
// failure names the row that failed.
#pragma once

#include <gtest/gtest.h>

#include <string>

namespace zef::testing {

template <typename Case>
std::string CaseName(const ::testing::TestParamInfo<Case>& info)
{
    return info.param.name;
}

}  // namespace zef::testing
