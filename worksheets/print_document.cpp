#include "worksheets/print_document.h"

namespace korveld {

PrintLine& PrintLine::at(int column, std::string_view text) {
    segments.push_back({column, std::string(text)});
    return *this;
}

PrintLine& PrintLine::text(std::string_view text) {
    segments.push_back({0, std::string(text)});
    return *this;
}

PrintLine& PrintLine::spaces(int count) {
    segments.push_back({0, std::string(static_cast<std::size_t>(count > 0 ? count : 0), ' ')});
    return *this;
}

PrintLine& PrintDocument::newLine() {
    return lines.emplace_back();
}

int characterCount(std::string_view text) {
    int count = 0;
    for (const char c : text) {
        // Continuation bytes of a UTF-8 sequence are not characters of their own.
        if ((static_cast<unsigned char>(c) & 0xC0) != 0x80) {
            ++count;
        }
    }
    return count;
}

std::vector<std::string> renderPlainText(const PrintDocument& document) {
    std::vector<std::string> out;
    for (const PrintLine& line : document.lines) {
        std::string current;
        int position = 0; // characters printed on the current output line
        for (const PrintSegment& segment : line.segments) {
            if (segment.column > 0) {
                const int stop = segment.column - 1;
                if (position > stop) {
                    out.push_back(current);
                    current.clear();
                    position = 0;
                }
                current.append(static_cast<std::size_t>(stop - position), ' ');
                position = stop;
            }
            current += segment.text;
            position += characterCount(segment.text);
        }
        out.push_back(current);
    }
    return out;
}

} // namespace korveld
