// Table rows print as their names in test listings rather than as raw bytes. Use the macro inside
// the namespace that declares the row types, so that GoogleTest finds the printer.
#pragma once

#include <ostream>

#define KORVELD_PRINT_ROWS_AS_NAMES                                                                                    \
    template <typename Row>                                                                                            \
    requires requires(const Row& row) {                                                                                \
        row.name;                                                                                                      \
    }                                                                                                                  \
    void PrintTo(const Row& row, std::ostream* os) {                                                                   \
        *os << row.name;                                                                                               \
    }
