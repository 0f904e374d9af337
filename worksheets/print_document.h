// A printed page as lines of text placed at character columns, the way the reports are laid out:
// each segment starts at a 1-based column (a tab stop) or, with column 0, where the last one ended.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace korveld {

struct PrintSegment {
    int column = 0; // 1-based tab stop; 0 continues after the previous segment
    std::string text;
    bool operator==(const PrintSegment&) const = default;
};

struct PrintLine {
    std::vector<PrintSegment> segments;

    // Continues at column `column`; a column already passed moves the text to the next line there.
    PrintLine& at(int column, std::string_view text);
    // Continues where the last segment ended.
    PrintLine& text(std::string_view text);
    PrintLine& spaces(int count);
    bool operator==(const PrintLine&) const = default;
};

struct PrintDocument {
    std::vector<PrintLine> lines;

    PrintLine& newLine();
    bool operator==(const PrintDocument&) const = default;
};

// The number of characters (code points) of a UTF-8 text.
int characterCount(std::string_view text);

// The document as plain text: segments padded with spaces to their columns; a segment whose
// column lies before the current position starts a new line at that column.
std::vector<std::string> renderPlainText(const PrintDocument& document);

} // namespace korveld
