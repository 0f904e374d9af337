#include "cli/batch_command.h"
#include "cli/command_registry.h"
#include "cli/rate_command.h"
#include "cli/select_command.h"
#include "worksheets/frm_korveld.h"
#include "worksheets/frm_results.h"
#include "worksheets/frm_selection.h"
#include "worksheets/recording_platform.h"
#include "worksheets/schedule_file.h"
#include "worksheets/schedule_window.h"
#include "worksheets/user_steps.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>
#include <sstream>

namespace korveld::cli {
namespace {

using Json = nlohmann::ordered_json;
using Words = std::vector<std::string>;

DateTimeTexts noDate() {
    return {};
}

// ---- --tag ----

struct TagCase {
    const char* name;
    Words args;
    std::string firstMember; // the answer's opening, tag first
};

void PrintTo(const TagCase& row, std::ostream* os) {
    *os << row.name;
}

class SelectTag : public ::testing::TestWithParam<TagCase> {};

TEST_P(SelectTag, IsEchoedFirstInTheJson) {
    SelectCommand select(noDate);
    std::ostringstream out;
    std::ostringstream err;
    select.execute(GetParam().args, out, err);
    EXPECT_EQ(out.str().rfind(GetParam().firstMember, 0), 0u) << out.str();
    if (GetParam().args.back() == "--json") {
        EXPECT_TRUE(Json::accept(out.str())) << out.str();
    }
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Select, SelectTag, ::testing::Values(
    TagCase{"Answer", {"--refrigerant", "R-22", "--valve", "KO", "--evap", "40", "--cond", "100", "--liquid", "90",
                       "--capacity", "14840", "--tag", "EVAP-3", "--json"}, R"({"tag":"EVAP-3","valve":"KOE - 1-1/2 - HC ")"},
    TagCase{"Message", {"--refrigerant", "R-22", "--valve", "KO", "--tag", "Kühlraum \"2\"", "--json"},
            R"({"tag":"Kühlraum \"2\"","message":{"title":"EVAPORATOR TEMPERATURE ERROR")"},
    TagCase{"TextPageUnchanged", {"--refrigerant", "R-22", "--valve", "KO", "--evap", "40", "--cond", "100",
                                  "--liquid", "90", "--capacity", "14840", "--tag", "EVAP-3"}, "\n"}
), [](const auto& info) { return std::string(info.param.name); });
// clang-format on

// ---- a schedule saved by the program, run through batch ----

class ScheduleThroughBatch : public ::testing::Test {
public:
    ScheduleThroughBatch() {
        program.start();
        UserClick(program, program.selectionScreen().cmdValveSelect);
        sheet = &program.form<frmkorveld>();
    }

    void add(const SelectionInputs& inputs, const std::string& tag) {
        EnterSelectionInputs(program, *sheet, inputs);
        UserClick(program, sheet->cmdSelect);
        auto& results = program.form<frmResults>();
        platform.answerInputBoxes({tag});
        UserClick(program, results.cmdAddToSchedule);
        if (sheet->Timer1.enabled()) {
            program.dispatch([&] { sheet->Timer1.fire(); });
        }
        UserClick(program, results.cmdOK);
    }

    RecordingPlatform platform;
    Program program{platform};
    frmkorveld* sheet = nullptr;
};

SelectionInputs system(const char* refrigerant, std::int16_t series, const char* capacity) {
    SelectionInputs inputs;
    inputs.refrigerant = refrigerant;
    inputs.SeriesNo = series;
    inputs.evap = "40";
    inputs.cond = "100";
    inputs.liquid = "90";
    inputs.capacity = capacity;
    return inputs;
}

TEST_F(ScheduleThroughBatch, BatchAnswersEachLineAsTheScheduleShowsIt) {
    std::vector<SelectionInputs> rows{system("R-22", 2, "14840"),   system("R-134a", 13, "24000"),
                                      system("R-404A", 8, "30000"), system("R-22", 2, "14840"),
                                      system("R-22", 15, "150000"), system("R-507", 16, "90000")};
    rows[1].unit = CapacityUnit::Tons;
    rows[1].capacity = "2";
    rows[2].strainer = true;
    rows[2].flare = true;
    rows[3].bleedPercent = 20;
    rows[3].flare = true;
    rows[4].distributor = DistributorPick::None;
    rows[5].unit = CapacityUnit::KW;
    rows[5].evap = "-5";
    rows[5].cond = "40";
    rows[5].liquid = "35";
    rows[5].capacity = "60";
    rows[5].distributor = DistributorPick::UserDefined;
    rows[5].pressureDrop = "1.2";
    rows[5].charge = "none";
    for (std::size_t i = 0; i < rows.size(); ++i) {
        add(rows[i], "T" + std::to_string(i + 1) + ", \"north\"");
    }
    const Schedule& schedule = sheet->scheduleWindow().schedule();
    ASSERT_EQ(schedule.size(), rows.size());

    CommandRegistry registry;
    registry.add(std::make_unique<RateCommand>(noDate));
    registry.add(std::make_unique<SelectCommand>(noDate));
    BatchCommand batch(registry);
    std::istringstream file(ScheduleFileText(schedule, "12/6/2026 9:30 AM", {}));
    std::ostringstream out;
    EXPECT_EQ(batch.runLines(file, out), static_cast<long>(rows.size()));
    std::istringstream answers(out.str());
    std::size_t i = 0;
    for (std::string line; std::getline(answers, line); ++i) {
        ASSERT_LT(i, schedule.size());
        const Json answer = Json::parse(line);
        const ScheduleEntry& entry = schedule[i];
        EXPECT_EQ(answer["tag"], entry.tag);
        ASSERT_TRUE(answer.contains("valve")) << line;
        EXPECT_EQ(answer["valve"], entry.outcome.valveName);
        EXPECT_EQ(answer["capacity_text"], entry.outcome.capacityText);
        EXPECT_EQ(answer["loading_text"], entry.outcome.loadingText);
        EXPECT_EQ(answer["power_assembly"], entry.outcome.powerAssembly);
        EXPECT_EQ(answer["cage_assembly"], entry.outcome.cageAssembly);
    }
    EXPECT_EQ(i, rows.size());
}

} // namespace
} // namespace korveld::cli
