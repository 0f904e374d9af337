// What a user can do to the program, as data: click, double-click, type, pick from a menu, close a
// window, let a timer run out, and what happens around the user (the printer fails or works, the
// decimal character changes, a new run starts on the same program). An event names its window and
// control, so that a sequence replays on any program and prints as text; an event whose target is
// not loaded or out of reach does nothing, as a click on it would.
#pragma once

#include "worksheets/program.h"

#include <array>
#include <cstdint>
#include <optional>
#include <random>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace korveld::usage {

enum class EventKind : std::uint8_t {
    Click,
    DblClick,
    Type,
    Pick,           // a menu entry, its menus opened on the way
    FireTimer,      // the timer's interval has passed
    CloseWindow,    // the window's close button
    WindowDblClick, // a double-click on the window's own surface
    PrinterFails,
    PrinterWorks,
    CommaDecimals, // the user's locale writes 12,5
    PointDecimals,
    ResetProgram, // a new run on the same program (Program::reset), as a batch does between lines
};

struct UserEvent {
    EventKind kind = EventKind::Click;
    FormId window = FormId::frmSelection;
    std::string name{};      // control, menu entry or timer
    std::int16_t index = -1; // member of a control array
    std::string text{};      // what Type types
    bool operator==(const UserEvent&) const = default;
};

// One line, for example: Type frmtxvCapacity txtEvapTemp "-4.5e1"; bytes outside printable ASCII
// in the typed text as \xHH. ParseEvent reads the line back.
std::string Describe(const UserEvent& event);
std::optional<UserEvent> ParseEvent(std::string_view line);

using WindowSet = std::span<const FormId>;
inline constexpr std::array<FormId, 5> kAllWindows{FormId::frmSelection, FormId::frmtxvCapacity, FormId::frmkorveld,
                                                   FormId::frmResults, FormId::frmPerCentBleed};
inline constexpr std::array<FormId, 2> kCapacityWindows{FormId::frmSelection, FormId::frmtxvCapacity};
inline constexpr std::array<FormId, 4> kSelectionWindows{FormId::frmSelection, FormId::frmkorveld, FormId::frmResults,
                                                         FormId::frmPerCentBleed};

// An event a user could try, named without a copy of its target's name (thousands are listed for
// each event a user makes).
struct Candidate {
    EventKind kind = EventKind::Click;
    FormId window = FormId::frmSelection;
    std::string_view name{}; // the loaded window's control, menu entry or timer
    std::int16_t index = -1;
    bool reachable = false; // a user can reach the target now
    double weight = 0;      // how often a random user tries it while reachable

    // The event itself; Type without its text.
    UserEvent event() const { return {.kind = kind, .window = window, .name = std::string(name), .index = index}; }
};

// Every event a user could try now on the loaded windows of the set, reachable or not, in a fixed
// order, then the events around the user.
std::vector<Candidate> CandidateEvents(const Program& program, WindowSet windows);
// The same into `out`, whose room is kept from one event to the next.
void CandidateEvents(const Program& program, WindowSet windows, std::vector<Candidate>& out);

// Texts that have broken number entries elsewhere: empty, blank, signs and points alone, exponents
// far out, infinities, grouping, other decimal characters, non-ASCII digits, bytes that are not
// UTF-8, and very long ones.
std::span<const std::string> TroublesomeTexts();

// A number a user might type into the entry in the window's units: around its range, or well
// inside it (a liquid temperature below any condensing one that is well inside).
std::string PlausibleText(const Program& program, const UserEvent& typing, double fraction, int decimals, char decimal,
                          bool wellInside = false);

// Events drawn at random, mostly reachable ones, from a seed. Now and then the user sets out to
// finish a calculation or a selection: the picks, the entries and the button, one event at a time.
class RandomUser {
public:
    RandomUser(std::uint32_t seed, WindowSet windows);
    UserEvent next(const Program& program, char decimal);

private:
    void planRun(const Program& program, char decimal);
    double uniform() { return std::uniform_real_distribution<double>(0, 1)(m_random); }

    std::mt19937 m_random;
    WindowSet m_windows;
    std::vector<UserEvent> m_plan; // planned events, the next one last
};

// Events read from bytes, for a fuzzer: each event takes two bytes to choose it among the
// candidates (the first byte's top bit: among all, not only the reachable ones), and typing one
// more to choose its text, with the typed bytes themselves when that byte is 0xC0 or above.
class ByteUser {
public:
    ByteUser(std::span<const std::uint8_t> bytes, WindowSet windows);
    std::optional<UserEvent> next(const Program& program, char decimal);

private:
    std::uint8_t take();

    std::span<const std::uint8_t> m_bytes;
    std::size_t m_position = 0;
    WindowSet m_windows;
    std::vector<Candidate> m_candidates;
    std::vector<const Candidate*> m_pool;
};

} // namespace korveld::usage
