// One Select run on a worksheet of its own, out of sight: a fresh program whose worksheet gets the
// inputs entered as a user enters them, then Select pressed. The answer is read off the results
// dialog, or is the message box the worksheet showed. The comparison of the series and the
// schedule get their answers here, so that each is exactly what the worksheet gives.
#pragma once

#include "engine/number_text.h"
#include "engine/selection.h"
#include "worksheets/print_document.h"
#include "worksheets/program.h"
#include "worksheets/recording_platform.h"
#include "worksheets/selection_inputs.h"

#include <optional>
#include <string>

namespace korveld {

struct SelectionOutcome {
    struct Message {
        std::string title;
        std::string text;
        bool operator==(const Message&) const = default;
    };

    std::int16_t SeriesNo = 0;
    std::string seriesText; // as the valve box shows the series ("DQQ/DQ", "GL")
    // A valve was selected: its numbers, and the texts of the results dialog.
    std::optional<SelectedValve> valve;
    std::string valveName;
    std::string capacityText;
    std::string loadingText;
    std::string powerAssembly;
    std::string cageAssembly;
    std::string replaceAdvice;
    Conditions conditions;
    // Otherwise the first message box of the run.
    std::optional<Message> message;
    // The selection report the results dialog's Print prints, when asked for.
    std::optional<PrintDocument> report;

    bool selected() const { return valve.has_value(); }
};

class SelectionRehearsal {
public:
    // Entries are read, and numbers shown, with the decimal and grouping characters of `locale`.
    explicit SelectionRehearsal(NumberLocale locale = {});
    SelectionRehearsal(const SelectionRehearsal&) = delete;
    SelectionRehearsal& operator=(const SelectionRehearsal&) = delete;

    // With `printReport`, a selected valve's report is printed from the results dialog and kept,
    // dated with the texts given to setDateTime.
    SelectionOutcome run(const SelectionInputs& inputs, bool printReport = false);
    void setDateTime(std::string date, std::string time);

private:
    RecordingPlatform m_platform;
    Program m_program;
    NumberLocale m_locale;
    std::string m_date;
    std::string m_time;
    bool m_used = false;
};

} // namespace korveld
