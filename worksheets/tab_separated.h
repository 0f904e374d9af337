// Rows of cells as tab-separated text, the form spreadsheets take from the clipboard: one line per
// row, the cells between tabs. A tab or line break inside a cell becomes one space, so every row
// stays one line with the same cells.
#pragma once

#include <string>
#include <vector>

namespace korveld {

using TextTable = std::vector<std::vector<std::string>>;

std::string TabSeparated(const TextTable& rows);

} // namespace korveld
