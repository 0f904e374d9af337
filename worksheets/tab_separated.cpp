#include "worksheets/tab_separated.h"

namespace korveld {

namespace {

void appendCell(std::string& out, const std::string& cell) {
    bool inBreak = false; // a CR LF pair is one break
    for (char c : cell) {
        const bool breaks = c == '\t' || c == '\r' || c == '\n';
        if (breaks) {
            if (!inBreak) {
                out += ' ';
            }
        } else {
            out += c;
        }
        inBreak = breaks && c != '\t';
    }
}

} // namespace

std::string TabSeparated(const TextTable& rows) {
    std::string out;
    for (const std::vector<std::string>& row : rows) {
        for (std::size_t i = 0; i < row.size(); ++i) {
            if (i > 0) {
                out += '\t';
            }
            appendCell(out, row[i]);
        }
        out += '\n';
    }
    return out;
}

} // namespace korveld
