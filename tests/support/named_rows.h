// Table rows that carry their own name: it names the generated test and is what GoogleTest prints
// for the row. A test file brings PrintTo into its own namespace with a using-declaration, where
// GoogleTest's printer finds it by argument-dependent lookup; clang-tidy does not see that use, so
// the declaration carries a NOLINT.
#pragma once

#include <gtest/gtest.h>
#include <ostream>
#include <string>

namespace korveld::testing_support {

template <typename Row>
requires requires(const Row& row) {
    row.name;
}
void PrintTo(const Row& row, std::ostream* os) {
    *os << row.name;
}

struct RowName {
    template <typename Row>
    std::string operator()(const ::testing::TestParamInfo<Row>& info) const {
        return info.param.name;
    }
};

} // namespace korveld::testing_support
