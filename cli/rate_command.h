// korveld-cli rate: the capacity worksheet run by a scripted user. The user's steps, in order:
// the unit, the refrigerant, the series, the distributor, loading with the system capacity, the
// three temperatures, the pressure drop, Calculate; then PRINT for the page (text) or the rows
// read off the worksheet (JSON).
#pragma once

#include "cli/command.h"
#include "cli/date_time.h"
#include "cli/json_output.h"
#include "cli/option_parser.h"
#include "cli/scripted_user.h"
#include "cli/worksheet_steps.h"

#include <memory>
#include <string>

namespace korveld::cli {

class RateCommand : public Command {
public:
    explicit RateCommand(DateTimeSource dateTime = SystemDateTime);

    std::string_view name() const override { return "rate"; }
    std::string_view summary() const override;
    bool runsInBatch() const override { return true; }
    int execute(std::span<const std::string> args, std::ostream& out, std::ostream& err) override;

private:
    int run(std::ostream& out, std::ostream& err);

    DateTimeSource m_dateTime;
    OptionParser m_parser;
    PickOptions m_picks;
    TemperatureOptions m_temperatures;
    EntryOption m_pressureDrop;
    EntryOption m_systemCapacity;
    bool m_json = false;
    JsonWriter m_writer;
    // The user of every run: built once, restarted for every later run.
    ReusedUser m_user;
};

} // namespace korveld::cli
