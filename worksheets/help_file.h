// The help file PALDEN.HLP: our own UTF-8 text format of topics keyed by context id (described
// in help/README.md). The parser gives the topics or one clear error; it accepts any bytes.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace korveld {

inline constexpr std::string_view kHelpMagic = "PALDEN HELP 1";
inline constexpr std::size_t kHelpFileMaxBytes = std::size_t{4} * 1024 * 1024;

enum class HelpTopicKind : std::uint8_t { Topic, Popup };

struct HelpTopic {
    std::int32_t contextId = 0;
    HelpTopicKind kind = HelpTopicKind::Topic;
    std::string title;
    std::vector<std::string> keywords;
    std::string body; // paragraphs separated by one empty line; "- " starts a list item
};

struct HelpFile {
    std::vector<HelpTopic> topics;

    const HelpTopic* find(std::int32_t contextId) const;
};

enum class HelpError : std::uint8_t { None, Missing, Unreadable, TooLarge, Empty, NotText, BadMagic, Malformed };

struct HelpParseResult {
    HelpFile file;
    HelpError error = HelpError::None;
    std::size_t line = 0; // the line the error was found on, 1-based; 0 when none applies
    std::string message;  // a plain sentence for the user

    bool ok() const { return error == HelpError::None; }
};

HelpParseResult parseHelpText(std::string_view text);
// Reads and parses the file at `path`.
HelpParseResult loadHelpFile(const std::string& path);

// Topics whose title or a keyword contains every word of `query` (case-insensitive, ASCII);
// an empty query gives every topic. In file order.
std::vector<const HelpTopic*> searchHelp(const HelpFile& file, std::string_view query);

// A topic's body as simple HTML: paragraphs, list items, text escaped.
std::string helpBodyHtml(const HelpTopic& topic);

} // namespace korveld
