#include "tests/usage/user_events.h"

#include "engine/choice_rules.h"
#include "worksheets/controls.h"
#include "worksheets/form.h"
#include "worksheets/frm_korveld.h"
#include "worksheets/frm_txv_capacity.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace korveld::usage {

namespace {

constexpr std::array<std::string_view, 5> kWindowNames{"frmSelection", "frmtxvCapacity", "frmkorveld", "frmResults",
                                                       "frmPerCentBleed"};
constexpr std::array<std::string_view, 12> kKindNames{
    "Click",          "DblClick",     "Type",         "Pick",          "FireTimer",     "CloseWindow",
    "WindowDblClick", "PrinterFails", "PrinterWorks", "CommaDecimals", "PointDecimals", "ResetProgram"};

bool addressesTarget(EventKind kind) {
    return kind <= EventKind::WindowDblClick;
}

bool namesControl(EventKind kind) {
    return kind <= EventKind::FireTimer;
}

std::string quoted(std::string_view text) {
    std::string out = "\"";
    for (char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (c == '"' || c == '\\') {
            out += '\\';
            out += c;
        } else if (byte < 0x20 || byte >= 0x7F) {
            char hex[5];
            std::snprintf(hex, sizeof hex, "\\x%02X", byte);
            out += hex;
        } else {
            out += c;
        }
    }
    return out + "\"";
}

std::optional<std::string> unquoted(std::string_view text) {
    if (text.size() < 2 || text.front() != '"' || text.back() != '"') {
        return std::nullopt;
    }
    std::string out;
    for (std::size_t i = 1; i + 1 < text.size(); ++i) {
        if (text[i] != '\\') {
            out += text[i];
        } else if (i + 2 < text.size() && text[i + 1] != 'x') {
            out += text[++i];
        } else if (i + 4 < text.size() && text[i + 1] == 'x') {
            out += static_cast<char>(std::stoi(std::string(text.substr(i + 2, 2)), nullptr, 16));
            i += 3;
        } else {
            return std::nullopt;
        }
    }
    return out;
}

std::string_view word(std::string_view& rest) {
    const std::size_t start = rest.find_first_not_of(' ');
    rest = start == std::string_view::npos ? std::string_view{} : rest.substr(start);
    const std::size_t end = std::min(rest.find(' '), rest.size());
    const std::string_view first = rest.substr(0, end);
    rest = rest.substr(end);
    return first;
}

double controlWeight(const Control& control, EventKind kind) {
    if (kind == EventKind::DblClick) {
        return 0.2;
    }
    switch (control.kind()) {
    case ControlKind::TextBox:
        return static_cast<const TextBox&>(control).locked() ? 0.3 : 4.0;
    case ControlKind::CommandButton:
        // Exit ends the run; a user presses it now and then.
        return control.name().base == "cmdExit" && control.form().name() == "frmSelection" ? 0.05 : 3.0;
    case ControlKind::OptionButton:
        return 2.0;
    case ControlKind::CheckBox:
        return 1.0;
    case ControlKind::Label:
    case ControlKind::Frame:
        break;
    }
    return 0.2;
}

void addMenu(std::vector<Candidate>& out, FormId id, const MenuEntry& entry) {
    out.push_back({.kind = EventKind::Pick,
                   .window = id,
                   .name = entry.name().base,
                   .index = entry.name().index,
                   .reachable = entry.isUsable(),
                   .weight = entry.hasChildren() ? 0.3 : 3.0});
    for (const MenuEntry* child = entry.firstChild(); child != nullptr; child = child->nextSibling()) {
        addMenu(out, id, *child);
    }
}

struct Range {
    double low;
    double high;
    bool logarithmic = false;
};

Range entryRange(const Program& program, const UserEvent& typing, bool wellInside) {
    const Form* form = program.loaded(typing.window);
    bool metric = false;
    CapacityUnit unit = CapacityUnit::BtuH;
    if (typing.window == FormId::frmtxvCapacity && form != nullptr) {
        const auto& sheet = static_cast<const frmtxvCapacity&>(*form);
        metric = sheet.units().metric();
        unit = sheet.units().CapacityUnit;
    } else if (typing.window == FormId::frmkorveld && form != nullptr) {
        const auto& sheet = static_cast<const frmkorveld&>(*form);
        metric = sheet.metricShown();
        unit = sheet.capacityUnitShown();
    }
    const std::string_view name = typing.name;
    if (name == "txtEvapTemp") {
        return wellInside ? (metric ? Range{-40, 16} : Range{-40, 60}) : (metric ? Range{-45, 20} : Range{-45, 65});
    }
    if (name == "txtCondTemp") {
        return wellInside ? (metric ? Range{35, 60} : Range{95, 140}) : (metric ? Range{5, 70} : Range{45, 155});
    }
    if (name == "txtLiqTemp") {
        return wellInside ? (metric ? Range{0, 30} : Range{30, 90}) : (metric ? Range{-20, 70} : Range{-5, 155});
    }
    if (name == "txtPressureDrop") {
        return wellInside ? (metric ? Range{0, 2} : Range{0, 30}) : (metric ? Range{-0.2, 4} : Range{-2, 60});
    }
    if (name == "txtSystemCapacity" || name == "txtInputCap") {
        switch (unit) {
        case CapacityUnit::BtuH:
            return {300, 300000, true};
        case CapacityUnit::Tons:
            return {0.03, 25, true};
        case CapacityUnit::KW:
            return {0.1, 90, true};
        case CapacityUnit::KCal:
            return {250, 260000, true};
        }
    }
    return {0, 100};
}

} // namespace

std::string Describe(const UserEvent& event) {
    std::string line(kKindNames[static_cast<std::size_t>(event.kind)]);
    if (!addressesTarget(event.kind)) {
        return line;
    }
    line.append(" ").append(kWindowNames[static_cast<std::size_t>(event.window)]);
    if (namesControl(event.kind)) {
        line.append(" ").append(event.name);
        if (event.index >= 0) {
            line.append("(").append(std::to_string(event.index)).append(")");
        }
    }
    if (event.kind == EventKind::Type) {
        line.append(" ").append(quoted(event.text));
    }
    return line;
}

std::optional<UserEvent> ParseEvent(std::string_view line) {
    std::string_view rest = line;
    const std::string_view kindName = word(rest);
    const auto* const kind = std::find(kKindNames.begin(), kKindNames.end(), kindName);
    if (kind == kKindNames.end()) {
        return std::nullopt;
    }
    UserEvent event;
    event.kind = static_cast<EventKind>(kind - kKindNames.begin());
    if (!addressesTarget(event.kind)) {
        return event;
    }
    const auto* const window = std::find(kWindowNames.begin(), kWindowNames.end(), word(rest));
    if (window == kWindowNames.end()) {
        return std::nullopt;
    }
    event.window = static_cast<FormId>(window - kWindowNames.begin());
    if (namesControl(event.kind)) {
        std::string_view name = word(rest);
        if (name.ends_with(")") && name.find('(') != std::string_view::npos) {
            const std::size_t open = name.find('(');
            event.index = static_cast<std::int16_t>(std::stoi(std::string(name.substr(open + 1))));
            name = name.substr(0, open);
        }
        event.name = name;
    }
    if (event.kind == EventKind::Type) {
        const std::size_t start = rest.find('"');
        const std::optional<std::string> text =
            start == std::string_view::npos ? std::nullopt : unquoted(rest.substr(start));
        if (!text) {
            return std::nullopt;
        }
        event.text = *text;
    }
    return event;
}

std::vector<Candidate> CandidateEvents(const Program& program, WindowSet windows) {
    std::vector<Candidate> out;
    CandidateEvents(program, windows, out);
    return out;
}

void CandidateEvents(const Program& program, WindowSet windows, std::vector<Candidate>& out) {
    out.clear();
    for (FormId id : windows) {
        const Form* form = program.loaded(id);
        if (form == nullptr) {
            continue;
        }
        for (const Control& control : form->controls()) {
            const std::string_view name = control.name().base;
            const std::int16_t index = control.name().index;
            const bool usable = control.isUsable();
            if (control.kind() == ControlKind::TextBox) {
                const auto& box = static_cast<const TextBox&>(control);
                out.push_back({.kind = EventKind::Type,
                               .window = id,
                               .name = name,
                               .index = index,
                               .reachable = usable && !box.locked(),
                               .weight = controlWeight(control, EventKind::Type)});
            } else {
                out.push_back({.kind = EventKind::Click,
                               .window = id,
                               .name = name,
                               .index = index,
                               .reachable = usable,
                               .weight = controlWeight(control, EventKind::Click)});
            }
            out.push_back({.kind = EventKind::DblClick,
                           .window = id,
                           .name = name,
                           .index = index,
                           .reachable = usable,
                           .weight = controlWeight(control, EventKind::DblClick)});
        }
        for (const MenuEntry& entry : form->menuBar()) {
            addMenu(out, id, entry);
        }
        for (const Timer& timer : form->timers()) {
            out.push_back({.kind = EventKind::FireTimer,
                           .window = id,
                           .name = timer.name(),
                           .reachable = timer.enabled() && timer.interval() > 0,
                           .weight = 4.0});
        }
        out.push_back({.kind = EventKind::CloseWindow, .window = id, .reachable = form->visible(), .weight = 0.4});
        out.push_back({.kind = EventKind::WindowDblClick,
                       .window = id,
                       .reachable = form->visible() && form->enabled(),
                       .weight = 0.1});
    }
    out.push_back({.kind = EventKind::PrinterFails, .reachable = true, .weight = 0.05});
    out.push_back({.kind = EventKind::PrinterWorks, .reachable = true, .weight = 0.05});
    out.push_back({.kind = EventKind::CommaDecimals, .reachable = true, .weight = 0.02});
    out.push_back({.kind = EventKind::PointDecimals, .reachable = true, .weight = 0.05});
    out.push_back({.kind = EventKind::ResetProgram, .reachable = true, .weight = 0.02});
}

std::span<const std::string> TroublesomeTexts() {
    static const std::vector<std::string> texts{
        "",
        " ",
        "-",
        ".",
        "+",
        "e",
        "0",
        "-0",
        "-.0",
        ".5",
        "5.",
        "1e3",
        "2.5E-1",
        "1e",
        "1e38",
        "3.5e38",
        "-3.5e38",
        "1e308",
        "1e309",
        "-1e400",
        "1e-400",
        "inf",
        "-inf",
        "nan",
        "NaN",
        "1,000",
        "12,5",
        "0x10",
        "1D3",
        "- 5",
        "40F",
        "\t40 \t",
        "--5",
        "\xEF\xBC\x94\xEF\xBC\x90", // fullwidth 40
        "\xC2\xB0",
        "\xFF\xFE",
        // Two literals, or the 3 would extend the \xAF escape.
        "12\xE2\x80\xAF" // NOLINT(bugprone-suspicious-missing-comma)
        "345",
        std::string(400, '9'),
        std::string(5000, '1'),
        "-" + std::string(40, '9'),
        "9.99999999999999999999",
    };
    return texts;
}

std::string PlausibleText(const Program& program, const UserEvent& typing, double fraction, int decimals, char decimal,
                          bool wellInside) {
    const Range range = entryRange(program, typing, wellInside);
    const double value = range.logarithmic ? range.low * std::pow(range.high / range.low, fraction)
                                           : range.low + (range.high - range.low) * fraction;
    char text[64];
    std::snprintf(text, sizeof text, "%.*f", decimals, value);
    std::string out(text);
    std::replace(out.begin(), out.end(), '.', decimal);
    return out;
}

RandomUser::RandomUser(std::uint32_t seed, WindowSet windows) : m_random(seed), m_windows(windows) {}

// A run to the end: open the worksheet if it is not on screen, pick a refrigerant and a series,
// type the entries well inside their ranges, press Calculate or Select.
void RandomUser::planRun(const Program& program, char decimal) {
    std::vector<FormId> sheets;
    for (FormId id : m_windows) {
        if (id == FormId::frmtxvCapacity || id == FormId::frmkorveld) {
            sheets.push_back(id);
        }
    }
    if (sheets.empty()) {
        return;
    }
    const FormId sheet = sheets[std::uniform_int_distribution<std::size_t>(0, sheets.size() - 1)(m_random)];
    const bool capacity = sheet == FormId::frmtxvCapacity;
    std::vector<UserEvent> steps;
    const Form* form = program.loaded(sheet);
    if (form == nullptr || !form->visible()) {
        steps.push_back({.kind = EventKind::Click,
                         .window = FormId::frmSelection,
                         .name = capacity ? "cmdValveCap" : "cmdValveSelect"});
    }
    const std::span<const RefrigerantInfo> refrigerants = Refrigerants();
    const std::span<const SeriesMenuEntry> series = SeriesMenu();
    steps.push_back({.kind = EventKind::Pick,
                     .window = sheet,
                     .name = std::string(refrigerants[m_random() % refrigerants.size()].menuControl)});
    steps.push_back({.kind = EventKind::Pick,
                     .window = sheet,
                     .name = std::string(series[m_random() % series.size()].menuControl)});
    std::vector<std::string> entries{"txtEvapTemp", "txtCondTemp", "txtLiqTemp"};
    if (!capacity) {
        entries.emplace_back("txtInputCap");
    }
    for (const std::string& entry : entries) {
        UserEvent typing{.kind = EventKind::Type, .window = sheet, .name = entry};
        // The units may change before the entry is typed: the text is chosen for the units now.
        typing.text = PlausibleText(program, typing, uniform(), static_cast<int>(m_random() % 2), decimal, true);
        steps.push_back(std::move(typing));
    }
    steps.push_back({.kind = EventKind::Click, .window = sheet, .name = capacity ? "cmdCalculate" : "cmdSelect"});
    m_plan.assign(steps.rbegin(), steps.rend());
}

UserEvent RandomUser::next(const Program& program, char decimal) {
    if (m_plan.empty() && uniform() < 0.04) {
        planRun(program, decimal);
    }
    if (!m_plan.empty()) {
        UserEvent event = std::move(m_plan.back());
        m_plan.pop_back();
        return event;
    }
    const std::vector<Candidate> candidates = CandidateEvents(program, m_windows);
    std::vector<double> weights;
    weights.reserve(candidates.size());
    // One event in ten is tried on something out of reach, which must do nothing.
    const bool unreachable = std::uniform_real_distribution<double>(0, 1)(m_random) < 0.1 &&
                             std::any_of(candidates.begin(), candidates.end(),
                                         [](const Candidate& candidate) { return !candidate.reachable; });
    for (const Candidate& candidate : candidates) {
        weights.push_back(candidate.reachable != unreachable ? (unreachable ? 1.0 : candidate.weight) : 0.0);
    }
    std::discrete_distribution<std::size_t> pick(weights.begin(), weights.end());
    UserEvent event = candidates[pick(m_random)].event();
    if (event.kind == EventKind::Type) {
        if (std::uniform_real_distribution<double>(0, 1)(m_random) < 0.6) {
            event.text = PlausibleText(program, event, std::uniform_real_distribution<double>(0, 1)(m_random),
                                       std::uniform_int_distribution<int>(0, 2)(m_random), decimal);
        } else {
            const std::span<const std::string> texts = TroublesomeTexts();
            event.text = texts[std::uniform_int_distribution<std::size_t>(0, texts.size() - 1)(m_random)];
        }
    }
    return event;
}

ByteUser::ByteUser(std::span<const std::uint8_t> bytes, WindowSet windows) : m_bytes(bytes), m_windows(windows) {}

std::uint8_t ByteUser::take() {
    return m_position < m_bytes.size() ? m_bytes[m_position++] : 0;
}

std::optional<UserEvent> ByteUser::next(const Program& program, char decimal) {
    if (m_position >= m_bytes.size()) {
        return std::nullopt;
    }
    const std::uint8_t first = take();
    const std::uint8_t second = take();
    CandidateEvents(program, m_windows, m_candidates);
    m_pool.clear();
    for (const Candidate& candidate : m_candidates) {
        if ((first & 0x80) != 0 || candidate.reachable) {
            m_pool.push_back(&candidate);
        }
    }
    if (m_pool.empty()) {
        return std::nullopt;
    }
    UserEvent event = m_pool[(static_cast<std::size_t>(first & 0x7F) << 8 | second) % m_pool.size()]->event();
    if (event.kind != EventKind::Type) {
        return event;
    }
    const std::uint8_t choice = take();
    const std::span<const std::string> texts = TroublesomeTexts();
    if (choice >= 0xC0) {
        const std::size_t length = std::min<std::size_t>(choice - 0xC0u, m_bytes.size() - m_position);
        event.text.assign(reinterpret_cast<const char*>(m_bytes.data() + m_position), length);
        m_position += length;
    } else if (choice < texts.size()) {
        event.text = texts[choice];
    } else {
        const double fraction = static_cast<double>(take()) / 255.0;
        event.text = PlausibleText(program, event, fraction, choice % 3, decimal);
    }
    return event;
}

} // namespace korveld::usage
