#include "worksheets/command_line_words.h"

#include <algorithm>
#include <cctype>

namespace korveld {

namespace {

bool isBlank(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\v' || c == '\f';
}

} // namespace

void SplitCommandLine(std::string_view line, SplitResult& result) {
    std::size_t count = 0; // words filled so far; result.words keeps its strings for reuse
    result.error.reset();
    std::string* word = nullptr;
    const auto startWord = [&]() -> std::string& {
        if (word == nullptr) {
            if (count == result.words.size()) {
                result.words.emplace_back();
            }
            word = &result.words[count++];
            word->clear();
        }
        return *word;
    };
    for (std::size_t i = 0; i < line.size(); ++i) {
        const char c = line[i];
        if (isBlank(c)) {
            word = nullptr;
        } else if (c == '#' && word == nullptr) {
            break;
        } else if (c == '\'') {
            const std::size_t close = line.find('\'', i + 1);
            if (close == std::string_view::npos) {
                result.error = "unterminated ' quote";
                break;
            }
            startWord().append(line.substr(i + 1, close - i - 1));
            i = close;
        } else if (c == '"') {
            std::string& text = startWord();
            std::size_t j = i + 1;
            for (; j < line.size() && line[j] != '"'; ++j) {
                if (line[j] == '\\' && j + 1 < line.size() && (line[j + 1] == '"' || line[j + 1] == '\\')) {
                    ++j;
                }
                text.push_back(line[j]);
            }
            if (j == line.size()) {
                result.error = "unterminated \" quote";
                break;
            }
            i = j;
        } else if (c == '\\') {
            if (i + 1 == line.size()) {
                result.error = "a backslash ends the line";
                break;
            }
            startWord().push_back(line[++i]);
        } else {
            // A run of plain characters at once.
            std::size_t end = i + 1;
            while (end < line.size() && !isBlank(line[end]) && line[end] != '\'' && line[end] != '"' &&
                   line[end] != '\\') {
                ++end;
            }
            startWord().append(line.substr(i, end - i));
            i = end - 1;
        }
    }
    result.words.resize(count);
}

std::string QuoteWord(std::string_view word) {
    const bool plain = !word.empty() && std::all_of(word.begin(), word.end(), [](char c) {
        const auto u = static_cast<unsigned char>(c);
        return std::isalnum(u) != 0 || std::string_view("-_.,/+:=@%").find(c) != std::string_view::npos;
    });
    if (plain && word.front() != '#') {
        return std::string(word);
    }
    std::string quoted = "\"";
    for (char c : word) {
        if (c == '"' || c == '\\') {
            quoted += '\\';
        }
        quoted += c;
    }
    quoted += '"';
    return quoted;
}

} // namespace korveld
