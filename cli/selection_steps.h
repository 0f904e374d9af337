// The steps the selection commands begin with: the Valve Selection Worksheet opened from the start
// screen, then the unit, the refrigerant and the series picked from its menus.
#pragma once

#include "cli/option_parser.h"
#include "cli/scripted_user.h"
#include "engine/choice_rules.h"
#include "engine/conditions.h"

#include <optional>
#include <ostream>
#include <string>
#include <string_view>

namespace korveld {
class OptionButton;
class frmkorveld;
} // namespace korveld

namespace korveld::cli {

// --unit, --refrigerant and --valve, as both commands take them.
class PickOptions {
public:
    void addTo(OptionParser& parser);
    void reset();

    struct Picks {
        CapacityUnit unit = CapacityUnit::BtuH;
        const RefrigerantInfo* refrigerant = nullptr; // nullptr: not picked
        const SeriesMenuEntry* series = nullptr;      // nullptr: not picked
    };
    // The picks the options name; nullopt after a usage error was reported (status 64).
    std::optional<Picks> resolve(const OptionParser& parser, std::ostream& err) const;

private:
    std::string m_unit;
    std::string m_refrigerant;
    std::string m_valve;
    const OptionParser::Option* m_refrigerantGiven = nullptr;
    const OptionParser::Option* m_valveGiven = nullptr;
};

// Opens the worksheet and makes the picks, each as a user's step; the run may have stopped.
frmkorveld& OpenSelectionWorksheet(ScriptedUser& user, const PickOptions::Picks& picks);

// Chooses an option as a user clicks it; asking for the option already chosen is no step at all.
bool Choose(ScriptedUser& user, OptionButton& option, std::string_view optionName);

// A run's message box, or the command line's own message: text on the error stream, or JSON.
int ReportStop(const StopMessage& stop, bool json, std::ostream& out, std::ostream& err);

} // namespace korveld::cli
