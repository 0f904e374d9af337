#include "worksheets/help_file.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fstream>
#include <iterator>
#include <sys/stat.h>

namespace korveld {

namespace {

constexpr std::string_view kUtf8Bom = "\xEF\xBB\xBF";

std::string_view trim(std::string_view text) {
    const auto blank = [](char c) { return c == ' ' || c == '\t' || c == '\r'; };
    while (!text.empty() && blank(text.front())) {
        text.remove_prefix(1);
    }
    while (!text.empty() && blank(text.back())) {
        text.remove_suffix(1);
    }
    return text;
}

char lower(char c) {
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

std::string lowered(std::string_view text) {
    std::string out(text);
    std::transform(out.begin(), out.end(), out.begin(), lower);
    return out;
}

// Structural UTF-8 check: lead bytes, continuation bytes, no overlong forms, no surrogates.
bool isUtf8(std::string_view text) {
    std::size_t i = 0;
    while (i < text.size()) {
        const auto byte = static_cast<unsigned char>(text[i]);
        std::size_t extra = 0;
        std::uint32_t code = 0;
        if (byte < 0x80) {
            ++i;
            continue;
        }
        if ((byte & 0xE0) == 0xC0) {
            extra = 1, code = byte & 0x1F;
        } else if ((byte & 0xF0) == 0xE0) {
            extra = 2, code = byte & 0x0F;
        } else if ((byte & 0xF8) == 0xF0) {
            extra = 3, code = byte & 0x07;
        } else {
            return false;
        }
        if (i + extra >= text.size()) {
            return false;
        }
        for (std::size_t k = 1; k <= extra; ++k) {
            const auto next = static_cast<unsigned char>(text[i + k]);
            if ((next & 0xC0) != 0x80) {
                return false;
            }
            code = (code << 6) | (next & 0x3F);
        }
        static constexpr std::uint32_t smallest[] = {0, 0x80, 0x800, 0x10000};
        if (code < smallest[extra] || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF)) {
            return false;
        }
        i += extra + 1;
    }
    return true;
}

HelpParseResult failure(HelpError error, std::size_t line, std::string message) {
    HelpParseResult result;
    result.error = error;
    result.line = line;
    result.message = std::move(message);
    return result;
}

std::string lineText(std::size_t line) {
    return "line " + std::to_string(line) + ": ";
}

struct Header {
    HelpTopicKind kind = HelpTopicKind::Topic;
    std::int32_t id = 0;
    std::string title;
    std::vector<std::string> keywords;
};

// "== topic 130 | Title | key; key": returns an empty string or the reason it is not a heading.
std::string parseHeader(std::string_view line, Header& header) {
    std::string_view rest = trim(line.substr(2));
    const std::size_t kindEnd = rest.find_first_of(" \t");
    const std::string_view kind = rest.substr(0, kindEnd);
    if (kind == "topic") {
        header.kind = HelpTopicKind::Topic;
    } else if (kind == "popup") {
        header.kind = HelpTopicKind::Popup;
    } else {
        return R"(a heading must start with "== topic" or "== popup")";
    }
    rest = kindEnd == std::string_view::npos ? std::string_view() : trim(rest.substr(kindEnd));
    const std::size_t idEnd = rest.find('|');
    const std::string_view id = trim(rest.substr(0, idEnd));
    if (id.empty() || id.size() > 9 ||
        !std::all_of(id.begin(), id.end(), [](char c) { return c >= '0' && c <= '9'; })) {
        return "the context id must be a number from 1 to 999999999";
    }
    header.id = 0;
    for (const char c : id) {
        header.id = header.id * 10 + (c - '0');
    }
    if (header.id == 0) {
        return "the context id must be a number from 1 to 999999999";
    }
    if (idEnd == std::string_view::npos) {
        return "the heading has no title";
    }
    rest = rest.substr(idEnd + 1);
    const std::size_t titleEnd = rest.find('|');
    header.title = std::string(trim(rest.substr(0, titleEnd)));
    if (header.title.empty()) {
        return "the heading has no title";
    }
    header.keywords.clear();
    if (titleEnd != std::string_view::npos) {
        std::string_view keywords = rest.substr(titleEnd + 1);
        while (!keywords.empty()) {
            const std::size_t end = keywords.find(';');
            const std::string_view keyword = trim(keywords.substr(0, end));
            if (!keyword.empty()) {
                header.keywords.emplace_back(keyword);
            }
            keywords = end == std::string_view::npos ? std::string_view() : keywords.substr(end + 1);
        }
    }
    return {};
}

void appendBodyLine(std::string& body, std::string_view line, bool& pendingBlank) {
    if (line.empty()) {
        pendingBlank = !body.empty();
        return;
    }
    if (!body.empty()) {
        body += pendingBlank ? "\n\n" : "\n";
    }
    pendingBlank = false;
    if (line.front() == '\\') {
        line.remove_prefix(1);
    }
    body += line;
}

} // namespace

const HelpTopic* HelpFile::find(std::int32_t contextId) const {
    const auto it = std::find_if(topics.begin(), topics.end(),
                                 [contextId](const HelpTopic& topic) { return topic.contextId == contextId; });
    return it == topics.end() ? nullptr : &*it;
}

HelpParseResult parseHelpText(std::string_view text) {
    if (text.size() > kHelpFileMaxBytes) {
        return failure(HelpError::TooLarge, 0, "the file is larger than a help file can be");
    }
    if (text.substr(0, kUtf8Bom.size()) == kUtf8Bom) {
        text.remove_prefix(kUtf8Bom.size());
    }
    if (text.find_first_not_of(" \t\r\n") == std::string_view::npos) {
        return failure(HelpError::Empty, 0, "the file is empty");
    }
    if (text.find('\0') != std::string_view::npos || !isUtf8(text)) {
        return failure(HelpError::NotText, 0, "the file is not a text file");
    }

    HelpParseResult result;
    HelpTopic* current = nullptr;
    bool pendingBlank = false;
    std::size_t lineNo = 0;
    std::size_t headerLine = 0;
    const auto finishTopic = [&]() -> bool { return current == nullptr || !current->body.empty(); };
    while (!text.empty()) {
        const std::size_t end = text.find('\n');
        std::string_view line = text.substr(0, end);
        text = end == std::string_view::npos ? std::string_view() : text.substr(end + 1);
        ++lineNo;
        while (!line.empty() && (line.back() == '\r' || line.back() == ' ' || line.back() == '\t')) {
            line.remove_suffix(1);
        }
        if (lineNo == 1) {
            if (trim(line) != kHelpMagic) {
                return failure(HelpError::BadMagic, 1,
                               "the file does not start with \"" + std::string(kHelpMagic) + "\"");
            }
            continue;
        }
        if (line.substr(0, 2) == "==") {
            if (!finishTopic()) {
                return failure(HelpError::Malformed, headerLine,
                               lineText(headerLine) + "topic " + std::to_string(current->contextId) + " has no text");
            }
            Header header;
            if (std::string reason = parseHeader(line, header); !reason.empty()) {
                return failure(HelpError::Malformed, lineNo, lineText(lineNo) + reason);
            }
            if (result.file.find(header.id) != nullptr) {
                return failure(HelpError::Malformed, lineNo,
                               lineText(lineNo) + "context id " + std::to_string(header.id) + " is used twice");
            }
            current = &result.file.topics.emplace_back();
            current->contextId = header.id;
            current->kind = header.kind;
            current->title = std::move(header.title);
            current->keywords = std::move(header.keywords);
            pendingBlank = false;
            headerLine = lineNo;
            continue;
        }
        if (current == nullptr) {
            if (!trim(line).empty() && line.front() != '#') {
                return failure(HelpError::Malformed, lineNo, lineText(lineNo) + "text before the first topic heading");
            }
            continue;
        }
        appendBodyLine(current->body, line, pendingBlank);
    }
    if (result.file.topics.empty()) {
        return failure(HelpError::Empty, 0, "the file holds no topics");
    }
    if (!finishTopic()) {
        return failure(HelpError::Malformed, headerLine,
                       lineText(headerLine) + "topic " + std::to_string(current->contextId) +
                           " has no text (the file may be cut short)");
    }
    return result;
}

HelpParseResult loadHelpFile(const std::string& path) {
    const std::string prefix = "The help file " + path;
    struct stat info {};
    if (::stat(path.c_str(), &info) != 0) {
        if (errno == ENOENT || errno == ENOTDIR) {
            return failure(HelpError::Missing, 0, prefix + " was not found.");
        }
        return failure(HelpError::Unreadable, 0, prefix + " cannot be read: " + std::strerror(errno) + ".");
    }
    if (!S_ISREG(info.st_mode)) {
        return failure(HelpError::Unreadable, 0, prefix + " cannot be read: it is not a file.");
    }
    if (static_cast<std::uint64_t>(info.st_size) > kHelpFileMaxBytes) {
        return failure(HelpError::TooLarge, 0, prefix + " cannot be used: the file is larger than a help file can be.");
    }
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        return failure(HelpError::Unreadable, 0, prefix + " cannot be read.");
    }
    std::string text;
    text.resize(kHelpFileMaxBytes + 1);
    in.read(text.data(), static_cast<std::streamsize>(text.size()));
    if (in.bad()) {
        return failure(HelpError::Unreadable, 0, prefix + " cannot be read.");
    }
    text.resize(static_cast<std::size_t>(in.gcount()));
    HelpParseResult result = parseHelpText(text);
    if (!result.ok()) {
        result.message = prefix + " cannot be used: " + result.message + ".";
    }
    return result;
}

std::vector<const HelpTopic*> searchHelp(const HelpFile& file, std::string_view query) {
    std::vector<std::string> words;
    std::string_view rest = query;
    while (!rest.empty()) {
        const std::size_t start = rest.find_first_not_of(" \t");
        if (start == std::string_view::npos) {
            break;
        }
        rest.remove_prefix(start);
        const std::size_t end = rest.find_first_of(" \t");
        words.push_back(lowered(rest.substr(0, end)));
        rest = end == std::string_view::npos ? std::string_view() : rest.substr(end);
    }
    std::vector<const HelpTopic*> found;
    for (const HelpTopic& topic : file.topics) {
        std::string haystack = lowered(topic.title);
        for (const std::string& keyword : topic.keywords) {
            haystack += '\n';
            haystack += lowered(keyword);
        }
        const bool all = std::all_of(words.begin(), words.end(),
                                     [&](const std::string& word) { return haystack.find(word) != std::string::npos; });
        if (all) {
            found.push_back(&topic);
        }
    }
    return found;
}

namespace {

void appendEscaped(std::string& out, std::string_view text) {
    for (const char c : text) {
        switch (c) {
        case '&':
            out += "&amp;";
            break;
        case '<':
            out += "&lt;";
            break;
        case '>':
            out += "&gt;";
            break;
        case '"':
            out += "&quot;";
            break;
        default:
            out += c;
        }
    }
}

} // namespace

std::string helpBodyHtml(const HelpTopic& topic) {
    std::string html;
    bool inParagraph = false;
    bool inList = false;
    const auto close = [&] {
        if (inParagraph) {
            html += "</p>\n";
        }
        if (inList) {
            html += "</li></ul>\n";
        }
        inParagraph = inList = false;
    };
    std::string_view rest = topic.body;
    while (!rest.empty() || inParagraph || inList) {
        const std::size_t end = rest.find('\n');
        const std::string_view line = rest.substr(0, end);
        const bool last = end == std::string_view::npos;
        rest = last ? std::string_view() : rest.substr(end + 1);
        if (line.empty()) {
            close();
        } else if (line.substr(0, 2) == "- ") {
            if (inParagraph) {
                close();
            }
            html += inList ? "</li><li>" : "<ul><li>";
            inList = true;
            appendEscaped(html, line.substr(2));
        } else if (inList && line.front() == ' ') {
            html += ' ';
            appendEscaped(html, trim(line));
        } else {
            if (inList) {
                close();
            }
            html += inParagraph ? " " : "<p>";
            inParagraph = true;
            appendEscaped(html, line);
        }
        if (last) {
            close();
            break;
        }
    }
    return html;
}

} // namespace korveld
