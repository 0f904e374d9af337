// A batch reuses one program for all its lines; every line must still answer exactly as a run of
// that line alone on a new program does, whatever the lines before it left on the worksheets.
#include "cli/batch_command.h"
#include "cli/rate_command.h"
#include "cli/select_command.h"

#include <cmath>
#include <cstdio>
#include <gtest/gtest.h>
#include <memory>
#include <random>
#include <sstream>
#include <string>
#include <vector>

namespace korveld::cli {
namespace {

DateTimeTexts fixedNow() {
    return {"1/2/2026", "8:00 AM"};
}

BatchCommand newBatch() {
    std::vector<std::unique_ptr<Command>> commands;
    commands.push_back(std::make_unique<RateCommand>(fixedNow));
    commands.push_back(std::make_unique<SelectCommand>(fixedNow));
    return BatchCommand(std::move(commands));
}

// Lines a schedule might hold, good and bad: every option, in and out of range, in every unit.
class LineMaker {
public:
    explicit LineMaker(std::uint32_t seed) : m_random(seed) {}

    std::string line() {
        const bool rate = chance(0.45);
        std::string text = rate ? "rate" : "select";
        const auto add = [&text](std::string_view option, const std::string& value) {
            text.append(" ").append(option).append(" '").append(value).append("'");
        };
        if (chance(0.9)) {
            add("--refrigerant", pick({"R-12", "R-22", "R-502", "R-134a", "R-401A", "R-402A", "R-402B", "R-404A",
                                       "R-407C", "R-507", "r-22", "R-410A"}));
        }
        if (chance(0.9)) {
            add("--valve", pick({"KO", "KOD", "KOT", "KIM", "QZ", "GL", "G/GY", "VA", "VULK", "VMP", "VRK", "VRD",
                                 "VOS", "VAN", "VEB", "DQQ/DQ", "OBN", "NYF", "KUBS"}));
        }
        const std::string unit = pick({"btuh", "btuh", "tons", "kw", "kcal"});
        if (unit != "btuh" || chance(0.1)) {
            add("--unit", unit);
        }
        const bool metric = unit == "kw" || unit == "kcal";
        // Mostly well inside the ranges, now and then anywhere around them.
        const bool wild = chance(0.15);
        if (chance(0.97)) {
            add("--evap", wild ? number(-50, 70) : metric ? number(-40, 15) : number(-40, 55));
        }
        if (chance(0.97)) {
            add("--cond", wild ? number(0, 160) : metric ? number(32, 60) : number(90, 140));
        }
        if (chance(0.97)) {
            add("--liquid", wild ? number(-20, 160) : metric ? number(0, 31) : number(30, 89));
        }
        const std::string distributor = pick({"orifice", "orifice", "none", "venturi", "user"});
        if (distributor != "orifice" || chance(0.1)) {
            add("--distributor", distributor);
        }
        if (distributor == "user" ? chance(0.9) : chance(0.05)) {
            add("--pressure-drop", pick({number(-1, metric ? 3 : 40), "x", ""}));
        }
        const double low = unit == "tons" ? 0.1 : unit == "kw" ? 0.35 : unit == "kcal" ? 300 : 1200;
        const std::string capacity = chance(0.9) ? logNumber(low, low * 150) : pick({"-5", "1e39", "", "x"});
        if (rate) {
            if (chance(0.4)) {
                add("--system-capacity", capacity);
            }
            return text;
        }
        if (chance(0.9)) {
            add("--capacity", capacity);
        }
        if (chance(0.15)) {
            add("--equalizer", pick({"external", "internal"}));
        }
        if (chance(0.15)) {
            add("--connection", pick({"sweat", "flare"}));
        }
        if (chance(0.15)) {
            add("--charge", pick({"none", "W35", "W45", "W65", "W100", "AD 10", "CA", "C or Z", "XYZ"}));
        }
        if (chance(0.3)) {
            add("--bleed", pick({"0", "10", "15", "20", "25", "30", "40", "50", "35"}));
        }
        if (chance(0.05)) {
            text.append(" --strainer");
        }
        if (chance(0.03)) {
            text.append(" --bogus");
        }
        return text;
    }

private:
    bool chance(double p) { return std::uniform_real_distribution<double>(0, 1)(m_random) < p; }
    std::string pick(std::initializer_list<std::string> choices) {
        return *(choices.begin() + std::uniform_int_distribution<std::size_t>(0, choices.size() - 1)(m_random));
    }
    std::string number(double low, double high) {
        char text[32];
        std::snprintf(text, sizeof text, "%.*f", static_cast<int>(m_random() % 3),
                      std::uniform_real_distribution<double>(low, high)(m_random));
        return text;
    }
    std::string logNumber(double low, double high) {
        char text[32];
        std::snprintf(text, sizeof text, "%.1f",
                      low * std::pow(high / low, std::uniform_real_distribution<double>(0, 1)(m_random)));
        return text;
    }
    std::mt19937 m_random;
};

// The answer without its line number, which differs between a batch and a run of one line.
std::string withoutLineNumber(const std::string& answer) {
    const std::size_t comma = answer.find(',');
    return comma == std::string::npos ? answer : answer.substr(comma);
}

TEST(BatchReuse, EveryLineAnswersAsItsOwnRunOnANewProgram) {
    LineMaker maker(20261206);
    std::vector<std::string> lines;
    std::string schedule;
    for (int i = 0; i < 400; ++i) {
        lines.push_back(maker.line());
        schedule += lines.back() + "\n";
    }
    BatchCommand batch = newBatch();
    std::istringstream in(schedule);
    std::ostringstream out;
    ASSERT_EQ(batch.runLines(in, out), static_cast<long>(lines.size()));
    std::istringstream answers(out.str());
    int answered = 0;
    int selected = 0;
    for (std::string answer; std::getline(answers, answer); ++answered) {
        ASSERT_LT(answered, static_cast<int>(lines.size()));
        BatchCommand alone = newBatch();
        std::istringstream one(lines[static_cast<std::size_t>(answered)] + "\n");
        std::ostringstream itsAnswer;
        alone.runLines(one, itsAnswer);
        ASSERT_EQ(withoutLineNumber(answer), withoutLineNumber(itsAnswer.str().substr(0, itsAnswer.str().size() - 1)))
            << lines[static_cast<std::size_t>(answered)];
        selected += answer.find("\"size_name\"") != std::string::npos ? 1 : 0;
    }
    EXPECT_EQ(answered, static_cast<int>(lines.size()));
    EXPECT_GT(selected, 20); // the schedule reaches real selections, not only messages
}

} // namespace
} // namespace korveld::cli
