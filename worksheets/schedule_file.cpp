#include "worksheets/schedule_file.h"

#include "engine/choice_rules.h"
#include "generated/project_identity.h"
#include "worksheets/command_line_words.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <optional>
#include <utility>

namespace korveld {

namespace {

constexpr std::array<std::pair<std::string_view, CapacityUnit>, 4> kUnits = {{{"btuh", CapacityUnit::BtuH},
                                                                              {"tons", CapacityUnit::Tons},
                                                                              {"kw", CapacityUnit::KW},
                                                                              {"kcal", CapacityUnit::KCal}}};
constexpr std::array<std::pair<std::string_view, DistributorPick>, 4> kDistributors = {
    {{"none", DistributorPick::None},
     {"orifice", DistributorPick::Orifice},
     {"venturi", DistributorPick::Venturi},
     {"user", DistributorPick::UserDefined}}};

bool sameText(std::string_view a, std::string_view b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return std::tolower(static_cast<unsigned char>(x)) == std::tolower(static_cast<unsigned char>(y));
           });
}

// The value a table names by `text`, whatever its case; none when it names none.
template <typename Value, std::size_t N>
std::optional<Value> named(const std::array<std::pair<std::string_view, Value>, N>& table, std::string_view text) {
    for (const auto& [name, value] : table) {
        if (sameText(name, text)) {
            return value;
        }
    }
    return std::nullopt;
}

std::string_view trimmed(std::string_view text) {
    while (!text.empty() && std::isspace(static_cast<unsigned char>(text.front())) != 0) {
        text.remove_prefix(1);
    }
    while (!text.empty() && std::isspace(static_cast<unsigned char>(text.back())) != 0) {
        text.remove_suffix(1);
    }
    return text;
}

// A number typed in the user's locale, written with '.' as korveld-cli reads it; other texts as they are.
std::string toFileNumber(const std::string& typed, const NumberLocale& locale) {
    if (locale.decimal == "." || !ParseNumber(typed, locale)) {
        return typed;
    }
    std::string text = typed;
    if (const std::size_t at = text.find(locale.decimal); at != std::string::npos) {
        text.replace(at, locale.decimal.size(), ".");
    }
    return text;
}

std::string fromFileNumber(const std::string& text, const NumberLocale& locale) {
    if (locale.decimal == "." || !ParseNumber(text)) {
        return text;
    }
    std::string typed = text;
    if (const std::size_t at = typed.find('.'); at != std::string::npos) {
        typed.replace(at, 1, locale.decimal);
    }
    return typed;
}

std::string_view unitName(CapacityUnit unit) {
    for (const auto& [name, value] : kUnits) {
        if (value == unit) {
            return name;
        }
    }
    return "btuh";
}

// The comment that ends a line: a # starting a word outside quotes, as the batch reader splits it.
std::string trailingComment(std::string_view line) {
    char quote = 0;
    bool wordStart = true;
    for (std::size_t i = 0; i < line.size(); ++i) {
        const char c = line[i];
        if (quote == '\'') {
            quote = c == '\'' ? '\0' : quote;
        } else if (quote == '"') {
            if (c == '\\' && i + 1 < line.size()) {
                ++i;
            } else if (c == '"') {
                quote = 0;
            }
        } else if (c == '\\') {
            ++i;
            wordStart = false;
            continue;
        } else if (c == '\'' || c == '"') {
            quote = c;
        } else if (c == '#' && wordStart) {
            return std::string(trimmed(line.substr(i + 1)));
        }
        wordStart = c == ' ' || c == '\t';
    }
    return {};
}

const SeriesMenuEntry* seriesNamed(std::string_view name) {
    for (const SeriesMenuEntry& series : SeriesMenu()) {
        const std::string_view text = SeriesText(series.SeriesNo);
        const std::string_view code = text.substr(0, text.find('/'));
        if (sameText(name, text) || sameText(name, series.caption) || sameText(name, code)) {
            return &series;
        }
    }
    return nullptr;
}

const RefrigerantInfo* refrigerantNamed(std::string_view name) {
    for (const RefrigerantInfo& refrigerant : Refrigerants()) {
        if (sameText(name, refrigerant.name)) {
            return &refrigerant;
        }
    }
    return nullptr;
}

// The words of a select line into an entry; the problem when a word cannot be taken.
std::string readSelectWords(const std::vector<std::string>& words, const NumberLocale& locale, ScheduleEntry& entry) {
    SelectionInputs& in = entry.inputs;
    bool tagged = false;
    bool valve = false;
    for (std::size_t i = 1; i < words.size(); ++i) {
        std::string name = words[i];
        std::optional<std::string> value;
        if (const std::size_t equals = name.find('='); name.starts_with("--") && equals != std::string::npos) {
            value = name.substr(equals + 1);
            name.resize(equals);
        }
        if (name == "--strainer" || name == "--json") {
            in.strainer = in.strainer || name == "--strainer";
            continue;
        }
        if (!name.starts_with("--")) {
            return "the word " + name + " is not an option of select";
        }
        if (!value) {
            if (i + 1 >= words.size()) {
                return "the option " + name + " needs a value";
            }
            value = words[++i];
        }
        const std::string& v = *value;
        if (name == "--refrigerant") {
            const RefrigerantInfo* refrigerant = refrigerantNamed(v);
            if (refrigerant == nullptr) {
                return "there is no refrigerant " + v;
            }
            in.refrigerant = std::string(refrigerant->name);
        } else if (name == "--valve") {
            const SeriesMenuEntry* series = seriesNamed(v);
            if (series == nullptr) {
                return "there is no valve series " + v;
            }
            in.SeriesNo = series->SeriesNo;
            valve = true;
        } else if (name == "--unit") {
            const std::optional<CapacityUnit> unit = named(kUnits, v);
            if (!unit) {
                return "--unit must be one of btuh, tons, kw, kcal";
            }
            in.unit = *unit;
        } else if (name == "--evap") {
            in.evap = fromFileNumber(v, locale);
        } else if (name == "--cond") {
            in.cond = fromFileNumber(v, locale);
        } else if (name == "--liq" || name == "--liquid") {
            in.liquid = fromFileNumber(v, locale);
        } else if (name == "--capacity") {
            in.capacity = fromFileNumber(v, locale);
        } else if (name == "--distributor") {
            const std::optional<DistributorPick> pick = named(kDistributors, v);
            if (!pick) {
                return "--distributor must be one of none, orifice, venturi, user";
            }
            in.distributor = *pick;
        } else if (name == "--pressure-drop") {
            in.pressureDrop = fromFileNumber(v, locale);
        } else if (name == "--equalizer") {
            if (!sameText(v, "internal") && !sameText(v, "external")) {
                return "--equalizer must be external or internal";
            }
            in.internalEqualizer = sameText(v, "internal");
        } else if (name == "--connection") {
            if (!sameText(v, "flare") && !sameText(v, "sweat")) {
                return "--connection must be sweat or flare";
            }
            in.flare = sameText(v, "flare");
        } else if (name == "--charge") {
            in.charge = v;
        } else if (name == "--bleed") {
            int percent = 0;
            for (const int offered : kBleedPercents) {
                if (std::to_string(offered) == v) {
                    percent = offered;
                }
            }
            if (percent == 0 && v != "0") {
                return "--bleed must be one of 0, 10, 15, 20, 25, 30, 40, 50";
            }
            in.bleedPercent = percent;
        } else if (name == "--tag") {
            entry.tag = v;
            tagged = true;
        } else {
            return "select has no option " + name;
        }
    }
    if (!valve) {
        return "the line names no valve series (--valve)";
    }
    if (!tagged) {
        return "the line has no --tag";
    }
    return {};
}

} // namespace

std::string ScheduleCommandLine(const ScheduleEntry& entry, const NumberLocale& locale) {
    const SelectionInputs& in = entry.inputs;
    std::string line = "select";
    const auto option = [&line](std::string_view name, std::string_view value) {
        line.append(" ").append(name).append(" ").append(QuoteWord(value));
    };
    if (in.unit != CapacityUnit::BtuH) {
        option("--unit", unitName(in.unit));
    }
    if (!in.refrigerant.empty()) {
        option("--refrigerant", in.refrigerant);
    }
    option("--valve", SeriesText(in.SeriesNo));
    if (in.distributor != DistributorPick::Orifice) {
        option("--distributor", kDistributors[static_cast<std::size_t>(in.distributor)].first);
    }
    if (in.distributor == DistributorPick::UserDefined) {
        option("--pressure-drop", toFileNumber(in.pressureDrop, locale));
    }
    if (in.internalEqualizer) {
        option("--equalizer", "internal");
    }
    if (in.flare) {
        option("--connection", "flare");
    }
    if (in.strainer) {
        line += " --strainer";
    }
    option("--evap", toFileNumber(in.evap, locale));
    option("--cond", toFileNumber(in.cond, locale));
    option("--liquid", toFileNumber(in.liquid, locale));
    option("--capacity", toFileNumber(in.capacity, locale));
    if (!in.charge.empty()) {
        option("--charge", in.charge);
    }
    if (in.bleedPercent != 0) {
        option("--bleed", std::to_string(in.bleedPercent));
    }
    option("--tag", entry.tag);
    return line;
}

std::string ScheduleFileText(const Schedule& schedule, std::string_view dateTime, const NumberLocale& locale) {
    std::string text = "# KORVELD ";
    text.append(kVersion).append(" valve schedule, saved ").append(dateTime).append("\n");
    text += "# One valve per line; run it with: korveld-cli batch FILE\n";
    for (const ScheduleEntry& entry : schedule.entries()) {
        text += ScheduleCommandLine(entry, locale);
        // A line break in a name would end the comment early; names never hold one.
        std::string name = entry.outcome.valveName;
        std::replace(name.begin(), name.end(), '\n', ' ');
        if (!trimmed(name).empty()) {
            text.append("  # ").append(trimmed(name));
        }
        text += '\n';
    }
    return text;
}

ScheduleFileContents ReadScheduleFile(std::string_view text, const NumberLocale& locale) {
    ScheduleFileContents contents;
    if (text.size() > kScheduleFileLimit) {
        contents.fileProblem = "The file is too large to be a schedule (more than 1 MB).";
        return contents;
    }
    if (text.find('\0') != std::string_view::npos) {
        contents.fileProblem = "The file is not a schedule: it holds binary data, not lines of text.";
        return contents;
    }
    SplitResult split;
    long number = 0;
    std::size_t entries = 0;
    while (!text.empty()) {
        const std::size_t end = text.find('\n');
        std::string_view line = text.substr(0, end);
        text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
        ++number;
        if (!line.empty() && line.back() == '\r') {
            line.remove_suffix(1);
        }
        if (trimmed(line).empty() || trimmed(line).front() == '#') {
            continue;
        }
        ScheduleFileLine& read = contents.lines.emplace_back();
        read.number = number;
        if (line.size() > kScheduleLineLimit) {
            read.problem = "the line is too long to be a command line";
            continue;
        }
        if (entries >= kScheduleEntryLimit) {
            read.problem = "a schedule holds at most 2000 valves";
            continue;
        }
        SplitCommandLine(line, split);
        if (split.error) {
            read.problem = *split.error;
            continue;
        }
        if (split.words.empty()) {
            contents.lines.pop_back();
            continue;
        }
        if (split.words.front() != "select") {
            read.problem = "a schedule holds select lines, not " + split.words.front();
            continue;
        }
        ScheduleEntry entry;
        read.problem = readSelectWords(split.words, locale, entry);
        if (read.problem.empty()) {
            read.entry = std::move(entry);
            read.savedName = trailingComment(line);
            ++entries;
        }
    }
    return contents;
}

} // namespace korveld
