// The pieces every worksheet command is made of: the options they share and how their values
// resolve, the worksheet opened with its unit, refrigerant and series picked, the entries typed as
// given, and the report of a run that stopped or printed.
#pragma once

#include "cli/option_parser.h"
#include "cli/scripted_user.h"
#include "cli/worksheet_choices.h"
#include "engine/choice_rules.h"
#include "engine/conditions.h"

#include <initializer_list>
#include <optional>
#include <ostream>
#include <string>
#include <string_view>

namespace korveld {
class OptionButton;
class TextBox;
class frmkorveld;
class frmtxvCapacity;
} // namespace korveld

namespace korveld::cli {

// --unit, --refrigerant, --valve and --distributor. A command adds those it takes where its help
// lists them, and checks them in its own order: the first wrong one is the one reported.
class PickOptions {
public:
    enum class Pick { Unit, Refrigerant, Valve, Distributor };

    void add(OptionParser& parser, Pick pick);
    void reset();

    struct Picks {
        CapacityUnit unit = CapacityUnit::BtuH;
        const RefrigerantInfo* refrigerant = nullptr; // nullptr: not picked
        const SeriesMenuEntry* series = nullptr;      // nullptr: not picked
        DistributorPick distributor = DistributorPick::Orifice;
    };
    // The picks the options name; nullopt after a usage error was reported (status 64).
    std::optional<Picks> resolve(const OptionParser& parser, std::initializer_list<Pick> order,
                                 std::ostream& err) const;

private:
    std::string m_unit = "btuh";
    std::string m_refrigerant;
    std::string m_valve;
    std::string m_distributor = "orifice";
    const OptionParser::Option* m_refrigerantGiven = nullptr;
    const OptionParser::Option* m_valveGiven = nullptr;
};

// An option whose value the user types into one entry, exactly as given.
class EntryOption {
public:
    // `names` as the parser takes them ("--liq,--liquid"); the last one names the option in a refusal.
    void addTo(OptionParser& parser, std::string_view names, std::string_view help);
    bool given() const { return m_given != nullptr && m_given->given(); }
    // Types the value into `box` when the option was given.
    void typeInto(ScriptedUser& user, TextBox& box) const;

private:
    std::string m_value;
    std::string_view m_name;
    const OptionParser::Option* m_given = nullptr;
};

// --evap, --cond and --liq: the three temperatures, typed in that order.
class TemperatureOptions {
public:
    void addTo(OptionParser& parser);
    // --evap alone, for a command that stops before the other two.
    void addEvaporatorTo(OptionParser& parser);

    template <typename Worksheet>
    void typeInto(ScriptedUser& user, Worksheet& sheet) const {
        m_evap.typeInto(user, sheet.txtEvapTemp);
        m_cond.typeInto(user, sheet.txtCondTemp);
        m_liq.typeInto(user, sheet.txtLiqTemp);
    }

private:
    EntryOption m_evap;
    EntryOption m_cond;
    EntryOption m_liq;
};

// Open a worksheet from the start screen and make the picks, each as a user's step; the run may
// have stopped.
frmkorveld& OpenSelectionWorksheet(ScriptedUser& user, const PickOptions::Picks& picks);
frmtxvCapacity& OpenCapacityWorksheet(ScriptedUser& user, const PickOptions::Picks& picks);

// Chooses an option as a user clicks it; asking for the option already chosen is no step at all.
bool Choose(ScriptedUser& user, OptionButton& option, std::string_view optionName);

// A run's message box, or the command line's own message: text on the error stream, or JSON.
int ReportStop(const StopMessage& stop, bool json, std::ostream& out, std::ostream& err);

// The page the run printed last, as plain text.
void WritePrintedPage(ScriptedUser& user, std::ostream& out);

} // namespace korveld::cli
