#include "selection_sheet_fixture.h"
#include "worksheets/schedule_file.h"
#include "worksheets/schedule_window.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <sys/mount.h>
#include <unistd.h>

namespace korveld::testing {
namespace {

namespace fs = std::filesystem;

std::string readFile(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

void writeFile(const fs::path& path, std::string_view text) {
    std::ofstream(path, std::ios::binary) << text;
}

// A folder of the test's own, removed afterwards.
class TempFolder {
public:
    TempFolder() {
        std::string pattern = (fs::temp_directory_path() / "korveld_schedule_XXXXXX").string();
        m_path = ::mkdtemp(pattern.data());
    }
    ~TempFolder() {
        std::error_code ignored;
        fs::permissions(m_path, fs::perms::owner_all, ignored);
        fs::remove_all(m_path, ignored);
    }
    const fs::path& path() const { return m_path; }

private:
    fs::path m_path;
};

class ScheduleTest : public SelectionSheetTest {
public:
    ScheduleWindow& schedule() { return sheet->scheduleWindow(); }

    // Selects on the worksheet and adds the answer under `tag` from the results dialog, then OK.
    void selectAndAdd(const SystemEntries& system, const char* tag) {
        enter(system);
        select();
        ASSERT_NE(results(), nullptr) << tag;
        platform.answerInputBoxes({std::string(tag)});
        click(results()->cmdAddToSchedule);
        if (sheet->Timer1.enabled()) {
            act([&] { sheet->Timer1.fire(); });
        }
        click(results()->cmdOK);
    }

    void threeEntries() {
        selectAndAdd({"R-22", 2, "40", "100", "90", "14840"}, "EVAP-1");
        selectAndAdd({"R-134a", 13, "40", "100", "90", "24000"}, "EVAP-2");
        selectAndAdd({"R-404A", 8, "20", "100", "90", "30000"}, "EVAP-3");
        platform.clear();
    }

    std::vector<std::string> tags() const {
        std::vector<std::string> out;
        for (const ScheduleEntry& entry : sheet->scheduleWindowIfMade()->schedule().entries()) {
            out.push_back(entry.tag);
        }
        return out;
    }
};

// ---- tags ----

struct TagCase {
    const char* name;
    const char* tag;
    const char* problemStart; // nullptr: taken
};

void PrintTo(const TagCase& row, std::ostream* os) {
    *os << row.name;
}

class Tags : public ::testing::TestWithParam<TagCase> {};

TEST_P(Tags, OneLineUniqueAndNotEmpty) {
    std::vector<ScheduleEntry> entries(2);
    entries[0].tag = "EVAP-3";
    entries[1].tag = "Kühlraum 2";
    const std::optional<std::string> problem = TagProblem(GetParam().tag, entries);
    if (GetParam().problemStart == nullptr) {
        EXPECT_FALSE(problem) << *problem;
    } else {
        ASSERT_TRUE(problem);
        EXPECT_EQ(problem->rfind(GetParam().problemStart, 0), 0u) << *problem;
    }
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Schedule, Tags, ::testing::Values(
    TagCase{"New",                 "EVAP-4",        nullptr},
    TagCase{"CommaAndQuote",       "A,1 \"north\"", nullptr},
    TagCase{"Empty",               "",              "Please type a tag"},
    TagCase{"OnlyBlanks",          "  \t ",         "Please type a tag"},
    TagCase{"Taken",               "EVAP-3",        "The schedule already has a valve tagged EVAP-3."},
    TagCase{"TakenOtherCase",      " evap-3 ",      "The schedule already has a valve tagged EVAP-3."},
    TagCase{"TakenNonAscii",       "Kühlraum 2",    "The schedule already has a valve tagged"},
    TagCase{"TabInside",           "A\tB",          "A tag is one line of text"},
    TagCase{"LineBreakInside",     "A\nB",          "A tag is one line of text"},
    TagCase{"TooLong",             "XXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXX", "A tag can be at most"}
), [](const auto& info) { return std::string(info.param.name); });
// clang-format on

TEST_F(ScheduleTest, AddAsksAgainWithTheReasonUntilTheTagCanBeTaken) {
    selectAndAdd({"R-22", 2, "40", "100", "90", "14840"}, "EVAP-1");
    enter({"R-22", 2, "40", "100", "90", "20000"});
    select();
    platform.clear();
    platform.answerInputBoxes({std::string(""), std::string("evap-1"), std::string(" EVAP-2 ")});
    click(results()->cmdAddToSchedule);
    EXPECT_EQ(platform.inputPrompts().size(), 3u);
    ASSERT_EQ(titles(), (std::vector<std::string>{"Add to Schedule", "Add to Schedule"}));
    EXPECT_EQ(tags(), (std::vector<std::string>{"EVAP-1", "EVAP-2"}));
    const ScheduleEntry& added = schedule().schedule()[1];
    EXPECT_EQ(added.outcome.valveName, results()->txtValSelected.text());
    EXPECT_EQ(added.outcome.capacityText, results()->txtValCapacity.text());
    EXPECT_EQ(added.outcome.loadingText, results()->txtValveLoading.text());
    EXPECT_EQ(added.inputs.capacity, "20000");
    EXPECT_EQ(added.unitCaption, "Btu/h");
    EXPECT_TRUE(schedule().schedule().modified());
    EXPECT_EQ(schedule().title(), "Schedule - Untitled *");
    EXPECT_TRUE(platform.scheduleShown());
}

TEST_F(ScheduleTest, CancellingTheTagAddsNothing) {
    enter({"R-22", 2, "40", "100", "90", "14840"});
    select();
    platform.answerInputBoxes({std::nullopt});
    click(results()->cmdAddToSchedule);
    EXPECT_TRUE(schedule().schedule().empty());
    EXPECT_FALSE(schedule().schedule().modified());
}

// ---- remove and move ----

struct EditCase {
    const char* name;
    std::size_t row;
    void (ScheduleWindow::*action)();
    std::vector<std::string> tags;
    std::optional<std::size_t> currentAfter;
};

void PrintTo(const EditCase& row, std::ostream* os) {
    *os << row.name;
}

class ScheduleEdits : public ScheduleTest, public ::testing::WithParamInterface<EditCase> {};

TEST_P(ScheduleEdits, ChangeTheOrderAndFollowTheRow) {
    threeEntries();
    schedule().setCurrentRow(GetParam().row);
    (schedule().*GetParam().action)();
    EXPECT_EQ(tags(), GetParam().tags);
    EXPECT_EQ(schedule().currentRow(), GetParam().currentAfter);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Schedule, ScheduleEdits, ::testing::Values(
    EditCase{"RemoveMiddle",    1, &ScheduleWindow::remove,   {"EVAP-1", "EVAP-3"}, 1},
    EditCase{"RemoveLast",      2, &ScheduleWindow::remove,   {"EVAP-1", "EVAP-2"}, 1},
    EditCase{"MoveUpLast",      2, &ScheduleWindow::moveUp,   {"EVAP-1", "EVAP-3", "EVAP-2"}, 1},
    EditCase{"MoveUpFirstStays",0, &ScheduleWindow::moveUp,   {"EVAP-1", "EVAP-2", "EVAP-3"}, 0},
    EditCase{"MoveDownFirst",   0, &ScheduleWindow::moveDown, {"EVAP-2", "EVAP-1", "EVAP-3"}, 1},
    EditCase{"MoveDownLastStays",2, &ScheduleWindow::moveDown, {"EVAP-1", "EVAP-2", "EVAP-3"}, 2}
), [](const auto& info) { return std::string(info.param.name); });
// clang-format on

// ---- reopen ----

struct ReopenCase {
    const char* name;
    std::function<void(ScheduleTest&)> setUp; // the worksheet's state before Select
    const char* newCapacity;                  // typed after reopening, before Select
};

void PrintTo(const ReopenCase& row, std::ostream* os) {
    *os << row.name;
}

class Reopen : public ScheduleTest, public ::testing::WithParamInterface<ReopenCase> {};

// Every input comes back on a worksheet that was closed (and so emptied) meanwhile, and Select
// then replaces the entry under its tag.
TEST_P(Reopen, RestoresEveryInputAndSelectReplacesTheEntry) {
    GetParam().setUp(*this);
    select();
    ASSERT_NE(results(), nullptr) << (platform.messages().empty() ? "" : platform.messages().front().prompt);
    platform.answerInputBoxes({std::string("EVAP-9")});
    click(results()->cmdAddToSchedule);
    if (sheet->Timer1.enabled()) {
        act([&] { sheet->Timer1.fire(); });
    }
    click(results()->cmdOK);
    const SelectionInputs saved = schedule().schedule()[0].inputs;
    click(sheet->cmdClose);
    EXPECT_NE(ReadSelectionInputs(*sheet), saved);

    schedule().setCurrentRow(0);
    act([&] { schedule().reopen(); });
    EXPECT_TRUE(sheet->visible());
    EXPECT_EQ(ReadSelectionInputs(*sheet), saved);
    EXPECT_EQ(schedule().reopenedRow(), 0u);

    type(sheet->txtInputCap, GetParam().newCapacity);
    select();
    ASSERT_NE(results(), nullptr);
    const ScheduleEntry& replaced = schedule().schedule()[0];
    EXPECT_EQ(replaced.tag, "EVAP-9");
    EXPECT_EQ(replaced.inputs.capacity, GetParam().newCapacity);
    EXPECT_EQ(replaced.outcome.valveName, results()->txtValSelected.text());
    EXPECT_EQ(schedule().schedule().size(), 1u);
    EXPECT_FALSE(schedule().reopenedRow());
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Schedule, Reopen, ::testing::Values(
    ReopenCase{"KOFlareBleed", [](ScheduleTest& t) {
        t.enter({"R-22", 2, "40", "100", "90", "14840"});
        t.click(t.sheet->optFlare);
        t.click(t.sheet->optYES);
        t.click(*t.bleedDialog()->percentageOptions()[2]);
        t.click(t.bleedDialog()->cmdExit);
    }, "16000"},
    ReopenCase{"KWUserDefinedDrop", [](ScheduleTest& t) {
        t.pickMenu(t.sheet->mnuKWatts);
        t.enter({"R-22", 2, "5", "40", "35", "15"});
        t.click(t.sheet->optUserDefined);
        t.type(t.sheet->txtPressureDrop, "1.5");
    }, "12"},
    ReopenCase{"KWNoDistributorInternal", [](ScheduleTest& t) {
        t.pickMenu(t.sheet->mnuKWatts);
        t.enter({"R-22", 2, "5", "40", "35", "15"});
        t.click(t.sheet->optDistNone);
        t.click(t.sheet->optInternal);
    }, "12"},
    ReopenCase{"QZStrainerTons", [](ScheduleTest& t) {
        t.pickMenu(t.sheet->mnuTons);
        t.enter({"R-404A", 8, "20", "100", "90", "2.5"});
        t.click(t.sheet->optQZYes);
    }, "3"},
    ReopenCase{"KOCharge", [](ScheduleTest& t) {
        t.enter({"R-22", 2, "40", "100", "90", "14840"});
        t.click(t.sheet->optMOP3);
    }, "13000"}
), [](const auto& info) { return std::string(info.param.name); });
// clang-format on

// ---- files ----

TEST_F(ScheduleTest, SaveThenOpenInAFreshProgramGivesTheSameSchedule) {
    threeEntries();
    TempFolder folder;
    const fs::path file = folder.path() / "job.txt";
    platform.answerFileNames({file.string()});
    EXPECT_TRUE(schedule().save());
    EXPECT_FALSE(schedule().schedule().modified());
    EXPECT_EQ(schedule().title(), "Schedule - job.txt");

    const std::string text = readFile(file);
    std::istringstream in(text);
    std::vector<std::string> lines;
    for (std::string line; std::getline(in, line);) {
        lines.push_back(line);
    }
    ASSERT_EQ(lines.size(), 5u) << text;
    EXPECT_EQ(lines[0].rfind("# KORVELD ", 0), 0u);
    EXPECT_NE(lines[0].find("saved 12/6/2026 9:30 AM"), std::string::npos) << lines[0];
    EXPECT_EQ(lines[2], "select --refrigerant R-22 --valve KO --evap 40 --cond 100 --liquid 90 --capacity 14840 "
                        "--charge none --tag EVAP-1  # KOE - 1-1/2 - HC");

    RecordingPlatform otherPlatform;
    Program other(otherPlatform);
    other.start();
    other.dispatch([&] { other.selectionScreen().mnuSchedule.userPick(); });
    ScheduleWindow& reopened = other.form<frmkorveld>().scheduleWindow();
    otherPlatform.answerFileNames({file.string()});
    other.dispatch([&] { reopened.open(); });
    EXPECT_TRUE(otherPlatform.messages().empty());
    ASSERT_EQ(reopened.schedule().size(), 3u);
    for (std::size_t i = 0; i < 3; ++i) {
        const ScheduleEntry& was = schedule().schedule()[i];
        const ScheduleEntry& now = reopened.schedule()[i];
        EXPECT_EQ(now.tag, was.tag);
        EXPECT_EQ(now.inputs, was.inputs);
        EXPECT_EQ(now.outcome.valveName, was.outcome.valveName);
        EXPECT_EQ(now.outcome.capacityText, was.outcome.capacityText);
        EXPECT_EQ(now.outcome.loadingText, was.outcome.loadingText);
        EXPECT_EQ(now.remark, "");
    }
    EXPECT_FALSE(reopened.schedule().modified());
}

TEST_F(ScheduleTest, DecimalCommaEntriesAreSavedWithPointsAndComeBackWithCommas) {
    platform.setNumberLocale({",", "."});
    pickMenu(sheet->mnuKWatts);
    selectAndAdd({"R-22", 2, "4,5", "40", "35,5", "15,25"}, "Kühlraum 2");
    TempFolder folder;
    const fs::path file = folder.path() / "job.txt";
    platform.answerFileNames({file.string(), file.string()});
    ASSERT_TRUE(schedule().save());
    const std::string text = readFile(file);
    EXPECT_NE(text.find("--unit kw --refrigerant R-22 --valve KO --evap 4.5 --cond 40 --liquid 35.5 --capacity 15.25"),
              std::string::npos)
        << text;
    EXPECT_NE(text.find("--tag \"Kühlraum 2\""), std::string::npos) << text;
    const ScheduleEntry before = schedule().schedule()[0];
    act([&] { schedule().open(); });
    ASSERT_EQ(schedule().schedule().size(), 1u);
    EXPECT_EQ(schedule().schedule()[0].inputs, before.inputs);
    EXPECT_EQ(schedule().schedule()[0].remark, "");
}

struct OpenCase {
    const char* name;
    std::string text;
    std::vector<std::string> tags;    // entries loaded
    std::vector<std::string> remarks; // their remarks, in order
    const char* messageHas;           // nullptr: no message
};

void PrintTo(const OpenCase& row, std::ostream* os) {
    *os << row.name;
}

class OpenFile : public ScheduleTest, public ::testing::WithParamInterface<OpenCase> {};

TEST_P(OpenFile, BadLinesSayWhyAndTheOthersLoad) {
    TempFolder folder;
    const fs::path file = folder.path() / "job.txt";
    writeFile(file, GetParam().text);
    platform.answerFileNames({file.string()});
    act([&] { schedule().open(); });
    if (GetParam().messageHas == nullptr) {
        EXPECT_TRUE(platform.messages().empty()) << platform.messages().front().prompt;
    } else {
        ASSERT_EQ(platform.messages().size(), 1u);
        EXPECT_NE(platform.messages().front().prompt.find(GetParam().messageHas), std::string::npos)
            << platform.messages().front().prompt;
    }
    EXPECT_EQ(tags(), GetParam().tags);
    std::vector<std::string> remarks;
    for (const ScheduleEntry& entry : schedule().schedule().entries()) {
        remarks.push_back(entry.remark);
    }
    EXPECT_EQ(remarks, GetParam().remarks);
}

const std::string kKO = "select --refrigerant R-22 --valve KO --evap 40 --cond 100 --liquid 90 --capacity 14840";

// clang-format off
INSTANTIATE_TEST_SUITE_P(Schedule, OpenFile, ::testing::Values(
    OpenCase{"Good", "# header\n" + kKO + " --tag A  # KOE - 1-1/2 - HC\n\n" + kKO + " --tag B\r\n", {"A", "B"}, {"", ""}, nullptr},
    OpenCase{"AnswerDiffersFromSaved", kKO + " --tag A  # KOE - 2 - HC\n", {"A"},
             {"Saved as KOE - 2 - HC; today's answer differs."}, nullptr},
    OpenCase{"FailingLineLoadsMarked", kKO + "000 --tag A\n", {"A"},
             {"The capacity that you desire is to LARGE for the family of expansion valve that you have chosen!"}, nullptr},
    OpenCase{"UnknownOption", kKO + " --tag A --colour red\n" + kKO + " --tag B\n", {"B"}, {""},
             "Line 1: select has no option --colour"},
    OpenCase{"UnterminatedQuote", kKO + " --tag \"A\n" + kKO + " --tag B\n", {"B"}, {""}, "Line 1: "},
    OpenCase{"RateLine", "rate --refrigerant R-22 --valve KO\n" + kKO + " --tag B\n", {"B"}, {""},
             "Line 1: a schedule holds select lines, not rate"},
    OpenCase{"NoTag", kKO + "\n", {}, {}, "Line 1: the line has no --tag"},
    OpenCase{"DuplicateTag", kKO + " --tag A\n" + kKO + " --tag a\n", {"A"}, {""},
             "Line 2: The schedule already has a valve tagged A."},
    OpenCase{"UnknownSeries", "select --refrigerant R-22 --valve XX --tag A\n", {}, {}, "there is no valve series XX"},
    OpenCase{"OptionWithoutValue", kKO + " --tag\n", {}, {}, "the option --tag needs a value"},
    OpenCase{"Truncated", kKO.substr(0, 40), {}, {}, "Line 1: "},
    OpenCase{"Binary", std::string("select\0\x01\x02", 9), {}, {}, "binary data"},
    OpenCase{"HugeLine", std::string(5000, 'x') + "\n" + kKO + " --tag B\n", {"B"}, {""}, "Line 1: the line is too long"}
), [](const auto& info) { return std::string(info.param.name); });
// clang-format on

TEST_F(ScheduleTest, AFileLargerThanASchedule) {
    TempFolder folder;
    const fs::path file = folder.path() / "huge.txt";
    writeFile(file, std::string(kScheduleFileLimit + 1, '#'));
    platform.answerFileNames({file.string()});
    act([&] { schedule().open(); });
    ASSERT_EQ(platform.messages().size(), 1u);
    EXPECT_NE(platform.messages().front().prompt.find("cannot be opened: it is too large"), std::string::npos);
    // A folder is no file.
    platform.clear();
    platform.answerFileNames({folder.path().string()});
    act([&] { schedule().open(); });
    ASSERT_EQ(platform.messages().size(), 1u);
    EXPECT_NE(platform.messages().front().prompt.find("it is not a regular file"), std::string::npos);
}

// ---- unsaved changes ----

struct CloseCase {
    const char* name;
    std::vector<SaveChangesAnswer> answers;
    bool closed;
    bool saved;
    std::size_t entriesLeft;
};

void PrintTo(const CloseCase& row, std::ostream* os) {
    *os << row.name;
}

class UnsavedChanges : public ScheduleTest, public ::testing::WithParamInterface<CloseCase> {};

TEST_P(UnsavedChanges, ClosingTheWindowAsksSaveDiscardCancel) {
    threeEntries();
    TempFolder folder;
    const fs::path file = folder.path() / "job.txt";
    platform.answerSaveChanges(GetParam().answers);
    platform.answerFileNames({file.string()});
    bool closed = false;
    act([&] { closed = schedule().close(); });
    ASSERT_EQ(platform.saveQuestions().size(), 1u);
    EXPECT_EQ(platform.saveQuestions()[0],
              "The schedule Untitled has changes that are not saved.  Save them before it closes?");
    EXPECT_EQ(closed, GetParam().closed);
    EXPECT_EQ(platform.scheduleShown(), !GetParam().closed);
    EXPECT_EQ(fs::exists(file), GetParam().saved);
    EXPECT_EQ(schedule().schedule().size(), GetParam().entriesLeft);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Schedule, UnsavedChanges, ::testing::Values(
    CloseCase{"Save",    {SaveChangesAnswer::Save},    true,  true,  3},
    CloseCase{"Discard", {SaveChangesAnswer::Discard}, true,  false, 0},
    CloseCase{"Cancel",  {SaveChangesAnswer::Cancel},  false, false, 3}
), [](const auto& info) { return std::string(info.param.name); });
// clang-format on

TEST_F(ScheduleTest, ExitAsksTooAndCancelKeepsTheProgramRunning) {
    threeEntries();
    platform.answerSaveChanges({SaveChangesAnswer::Cancel, SaveChangesAnswer::Discard});
    click(sheet->cmdClose);
    click(program.selectionScreen().cmdExit);
    EXPECT_FALSE(platform.ended());
    click(program.selectionScreen().cmdExit);
    EXPECT_TRUE(platform.ended());
    EXPECT_EQ(platform.saveQuestions().size(), 2u);
}

TEST_F(ScheduleTest, NoQuestionWithoutChanges) {
    click(sheet->cmdClose);
    click(program.selectionScreen().cmdExit);
    EXPECT_TRUE(platform.ended());
    EXPECT_TRUE(platform.saveQuestions().empty());
}

// A save that fails leaves the file there as it was, says why, and keeps the changes marked.
TEST_F(ScheduleTest, AFailedSaveLeavesTheOldFileWhole) {
    TempFolder folder;
    const fs::path target = folder.path() / "full";
    fs::create_directory(target);
    const bool root = ::geteuid() == 0;
    // As root permissions do not stop a write; a full disk does: a tiny file system of our own.
    if (root && ::mount("tmpfs", target.c_str(), "tmpfs", 0, "size=8k") != 0) {
        GTEST_SKIP() << "as root the test needs a small tmpfs, which cannot be mounted here";
    }
    const fs::path file = target / "job.txt";
    selectAndAdd({"R-22", 2, "40", "100", "90", "14840"}, "EVAP-1");
    platform.answerFileNames({file.string()});
    ASSERT_TRUE(schedule().save());
    const std::string old = readFile(file);
    if (root) {
        // Enough entries that the file no longer fits.
        for (int i = 2; i <= 60; ++i) {
            selectAndAdd({"R-22", 2, "40", "100", "90", "14840"}, ("EVAP-" + std::to_string(i)).c_str());
        }
    } else {
        selectAndAdd({"R-22", 2, "40", "100", "90", "14840"}, "EVAP-2");
        fs::permissions(target, fs::perms::owner_read | fs::perms::owner_exec);
    }
    platform.clear();
    bool saved = true;
    act([&] { saved = schedule().save(); });
    EXPECT_FALSE(saved);
    ASSERT_EQ(platform.messages().size(), 1u);
    EXPECT_EQ(platform.messages().front().title, "Save Schedule");
    EXPECT_NE(platform.messages().front().prompt.find("A file there before is unchanged."), std::string::npos);
    EXPECT_EQ(readFile(file), old);
    EXPECT_EQ(std::distance(fs::directory_iterator(target), fs::directory_iterator()), 1) << "no temporary left";
    EXPECT_TRUE(schedule().schedule().modified());
    EXPECT_EQ(schedule().title(), "Schedule - job.txt *");
    if (root) {
        ::umount(target.c_str());
    }
}

// ---- export ----

TEST_F(ScheduleTest, CsvQuotesTagsWithCommasQuotesAndKeepsOtherLettersAsTheyAre) {
    platform.setNumberLocale({",", "."});
    selectAndAdd({"R-22", 2, "40", "100", "90", "14840,5"}, "A,1");
    selectAndAdd({"R-22", 2, "40", "100", "90", "14840"}, "say \"hi\"");
    selectAndAdd({"R-22", 2, "40", "100", "90", "14840"}, "Kühlraum-3");
    const std::string csv = ScheduleCsv(schedule().schedule(), platform.UserNumberLocale());
    std::vector<std::string> lines;
    for (std::size_t start = 0; start < csv.size();) {
        const std::size_t end = csv.find("\r\n", start);
        ASSERT_NE(end, std::string::npos) << "every line ends with CRLF";
        lines.push_back(csv.substr(start, end - start));
        start = end + 2;
    }
    ASSERT_EQ(lines.size(), 4u);
    EXPECT_EQ(lines[0], "Tag,Refrigerant,Series,Evaporator,Condensing,Liquid,Required,Unit,Options,Selected Valve,"
                        "Capacity,Capacity Shown,Loading,Loading Shown,Power Assembly,Cage Assembly,Remark");
    EXPECT_EQ(lines[1], "\"A,1\",R-22,KO,40,100,90,14840.5,Btu/h,\"Orifice, External, Sweat, No MOP charge\","
                        "KOE - 1-1/2 - HC ,14840.073,\"14.840,07  Btu/h\",100.00288,\"100,0  %\",,,");
    EXPECT_EQ(lines[2].rfind("\"say \"\"hi\"\"\",R-22,KO,", 0), 0u) << lines[2];
    EXPECT_EQ(lines[3].rfind("Kühlraum-3,R-22,KO,", 0), 0u) << lines[3];
}

TEST_F(ScheduleTest, PdfHasTheTablePageThenEachEntrysReportPage) {
    threeEntries();
    platform.answerFileNames({"/tmp/not-written.pdf"});
    act([&] { schedule().exportPdf(); });
    ASSERT_EQ(platform.pdfPages().size(), 1u);
    const auto& [path, pages] = platform.pdfPages()[0];
    EXPECT_EQ(path, "/tmp/not-written.pdf");
    ASSERT_EQ(pages.size(), 4u);
    const std::vector<std::string> table = renderPlainText(pages[0]);
    std::string all;
    for (const std::string& line : table) {
        all += line + "\n";
    }
    for (const char* tag : {"EVAP-1", "EVAP-2", "EVAP-3"}) {
        EXPECT_NE(all.find(tag), std::string::npos) << all;
    }
    for (std::size_t i = 1; i < 4; ++i) {
        std::string report;
        for (const std::string& line : renderPlainText(pages[i])) {
            report += line + "\n";
        }
        EXPECT_NE(report.find("SELECTED VALVE :"), std::string::npos) << report;
        EXPECT_NE(report.find(schedule().schedule()[i - 1].outcome.valveName), std::string::npos) << report;
    }
}

} // namespace
} // namespace korveld::testing
