// The page's door to the program: what the page is given to draw and what its events do, checked
// on the JSON the page reads.
#include "web/cli_call.h"
#include "web/page_bridge.h"

#include <deque>
#include <fstream>
#include <gtest/gtest.h>
#include <sstream>
#include <string>
#include <vector>

namespace korveld::web {
namespace {

using nlohmann::json;

std::string helpText() {
    std::ifstream file(KORVELD_HELP_SOURCE, std::ios::binary);
    std::stringstream text;
    text << file.rdbuf();
    return text.str();
}

const json* findById(const json& items, const std::string& key, const std::string& value) {
    for (const json& item : items) {
        if (item.value(key, std::string()) == value) {
            return &item;
        }
        if (const auto children = item.find("children"); children != item.end()) {
            if (const json* found = findById(*children, key, value)) {
                return found;
            }
        }
    }
    return nullptr;
}

struct Page {
    PageBridge bridge;
    json last;

    Page() { send({{"op", "start"}, {"help", helpText()}}); }

    json& send(json request) {
        request["settings"] = {{"decimal", "."}, {"group", ","}, {"date", "12/8/2026"}, {"time", "1:00 AM"}};
        last = bridge.handle(request);
        return last;
    }
    const json& form(const std::string& name) const {
        const json* found = findById(last["forms"], "name", name);
        EXPECT_NE(found, nullptr) << name;
        static const json none = json::object();
        return found != nullptr ? *found : none;
    }
    json control(const std::string& formName, const std::string& id) const {
        const json* found = findById(form(formName)["controls"], "id", id);
        return found != nullptr ? *found : json::object();
    }
    // A menu entry by its caption, as the user reads it.
    std::string menu(const std::string& formName, const std::string& caption) const {
        const json* found = findById(form(formName)["menus"], "caption", caption);
        EXPECT_NE(found, nullptr) << caption;
        return found != nullptr ? (*found)["id"].get<std::string>() : std::string();
    }
    void pick(const std::string& formName, const std::string& caption) {
        send({{"op", "pick"}, {"form", formName}, {"menu", menu(formName, caption)}});
    }
    void click(const std::string& formName, const std::string& id) {
        send({{"op", "click"}, {"form", formName}, {"control", id}});
    }
    void type(const std::string& formName, const std::string& id, const std::string& text) {
        send({{"op", "type"}, {"form", formName}, {"control", id}, {"text", text}});
    }
    // The capacity worksheet with R-22, KO and the three temperatures typed.
    void capacitySheet(const std::string& evap) {
        click("frmSelection", "cmdValveCap");
        pick("frmtxvCapacity", "R-22");
        pick("frmtxvCapacity", "KO/KE");
        type("frmtxvCapacity", "txtEvapTemp", evap);
        type("frmtxvCapacity", "txtCondTemp", "100");
        type("frmtxvCapacity", "txtLiqTemp", "90");
    }
    // The selection worksheet with the refrigerant, KO/KE and 40 / 100 / 90 typed.
    void selectionSheet(const std::string& refrigerant) {
        click("frmSelection", "cmdValveSelect");
        pick("frmkorveld", refrigerant);
        pick("frmkorveld", "KO/KE");
        type("frmkorveld", "txtEvapTemp", "40");
        type("frmkorveld", "txtCondTemp", "100");
        type("frmkorveld", "txtLiqTemp", "90");
    }
};

TEST(PageBridge, StartsWithTheStartScreenAlone) {
    Page page;
    ASSERT_EQ(page.last["forms"].size(), 1u);
    const json& start = page.form("frmSelection");
    EXPECT_EQ(start["caption"], "SELECTION SCREEN");
    EXPECT_TRUE(start["visible"].get<bool>());
    EXPECT_EQ(start["client"], json::array({6870, 5235}));
    EXPECT_EQ(page.control("frmSelection", "cmdValveSelect")["rect"], json::array({600, 1200, 2295, 1335}));
    EXPECT_EQ(page.control("frmSelection", "cmdExit")["caption"], "E&xit");
    EXPECT_EQ(page.control("frmSelection", "cmdExit")["font"]["family"], "Times New Roman");
}

TEST(PageBridge, WorkedExampleShowsItsRowsAndChecksTheMenus) {
    Page page;
    page.capacitySheet("40");
    page.click("frmtxvCapacity", "optYES");
    page.type("frmtxvCapacity", "txtSystemCapacity", "12000");
    page.click("frmtxvCapacity", "cmdCalculate");
    EXPECT_TRUE(page.last["effects"].empty()) << page.last["effects"].dump();
    EXPECT_EQ(page.control("frmtxvCapacity", "lblValName(4)")["caption"], "KOE 1-1/2");
    EXPECT_EQ(page.control("frmtxvCapacity", "txtValCap(4)")["text"], "14,840.07");
    EXPECT_EQ(page.control("frmtxvCapacity", "txtFlowCap(4)")["text"], "80.9");
    EXPECT_TRUE(page.control("frmtxvCapacity", "txtValCap(9)")["visible"].get<bool>());
    EXPECT_FALSE(page.control("frmtxvCapacity", "txtValCap(10)")["visible"].get<bool>());
    const json* r22 = findById(page.form("frmtxvCapacity")["menus"], "caption", "R-22");
    ASSERT_NE(r22, nullptr);
    EXPECT_TRUE((*r22)["checked"].get<bool>());
    // Both loading options are one group; choosing one cleared the other.
    EXPECT_EQ(page.control("frmtxvCapacity", "optYES")["group"], page.control("frmtxvCapacity", "optNO")["group"]);
    EXPECT_FALSE(page.control("frmtxvCapacity", "optNO")["value"].get<bool>());
}

TEST(PageBridge, EntryErrorAsksForItsBoxAndTheFocus) {
    Page page;
    page.capacitySheet("");
    page.click("frmtxvCapacity", "cmdCalculate");
    ASSERT_EQ(page.last["effects"].size(), 1u);
    const json& box = page.last["effects"][0];
    EXPECT_EQ(box["type"], "msgbox");
    EXPECT_EQ(box["icon"], "exclamation");
    EXPECT_EQ(box["form"], "frmtxvCapacity");
    EXPECT_FALSE(box["title"].get<std::string>().empty());
    EXPECT_EQ(page.last["focus"], json({{"form", "frmtxvCapacity"}, {"control", "txtEvapTemp"}}));
    // The focus is asked for once.
    page.send({{"op", "state"}});
    EXPECT_TRUE(page.last["focus"].is_null());
}

TEST(PageBridge, PrintHandsThePageTheReportLines) {
    Page page;
    page.capacitySheet("40");
    page.click("frmtxvCapacity", "cmdCalculate");
    page.click("frmtxvCapacity", "cmdPrint");
    const json* print = findById(page.last["effects"], "type", "print");
    ASSERT_NE(print, nullptr) << page.last["effects"].dump();
    const std::string lines = (*print)["lines"].dump();
    EXPECT_NE(lines.find("KOE 1-1/2"), std::string::npos);
    EXPECT_NE(lines.find("14,840.07"), std::string::npos);
    EXPECT_NE(lines.find("12/8/2026"), std::string::npos);
}

struct HelpCase {
    const char* name;
    json request;
    const char* command;
    int topic;
};

class HelpRequests : public ::testing::TestWithParam<HelpCase> {};

TEST_P(HelpRequests, OpenWhatTheUserAskedFor) {
    Page page;
    page.click("frmSelection", "cmdValveCap");
    page.send(GetParam().request);
    const json* help = findById(page.last["effects"], "type", "help");
    ASSERT_NE(help, nullptr) << page.last["effects"].dump();
    EXPECT_EQ((*help)["command"], GetParam().command);
    if (GetParam().topic != 0) {
        EXPECT_EQ((*help)["topic"]["id"], GetParam().topic);
        EXPECT_FALSE((*help)["topic"]["html"].get<std::string>().empty());
    } else {
        EXPECT_FALSE((*help)["topics"].empty());
    }
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(PageBridge, HelpRequests, ::testing::Values(
    HelpCase{"PopupOnEvaporator",  {{"op", "dblclick"}, {"form", "frmtxvCapacity"}, {"control", "txtEvapTemp"}}, "popup", 360},
    HelpCase{"TopicFromStartForm", {{"op", "formDblClick"}, {"form", "frmSelection"}},                       "topic", 8},
    HelpCase{"HelpKeyOnWindow",    {{"op", "helpKey"}, {"form", "frmtxvCapacity"}},                         "topic", 12},
    HelpCase{"HelpKeyOnMenu",      {{"op", "helpKey"}, {"form", "frmtxvCapacity"}, {"menu", "mnuHowToUse"}}, "topic", 160},
    HelpCase{"Contents",           {{"op", "pick"}, {"form", "frmtxvCapacity"}, {"menu", "mnucontents2"}},   "contents", 0},
    HelpCase{"Search",             {{"op", "pick"}, {"form", "frmtxvCapacity"}, {"menu", "mnuSearch"}},      "search", 0}
), [](const auto& info) { return std::string(info.param.name); });
// clang-format on

TEST(PageBridge, HelpWithoutItsFileSaysSoInTheViewer) {
    PageBridge bridge;
    json answer = bridge.handle(json{{"op", "start"}, {"help", "not a help file"}});
    answer = bridge.handle(json{{"op", "formDblClick"}, {"form", "frmSelection"}});
    ASSERT_EQ(answer["effects"].size(), 1u);
    EXPECT_EQ(answer["effects"][0]["command"], "problem");
    EXPECT_FALSE(answer["effects"][0]["text"].get<std::string>().empty());
}

TEST(PageBridge, RequestsItCannotUseChangeNothing) {
    Page page;
    const std::string before = page.bridge.windows().dump();
    for (const char* request :
         {"", "[]", "{", R"({"op":"click","form":"frmSelection","control":"nope"})",
          R"({"op":"type","form":"frmSelection","control":"cmdExit","text":"x"})",
          R"({"op":"pick","form":"nowhere","menu":"mnuContents"})",
          R"({"op":"timer","form":"frmSelection","timer":"Timer1"})", R"({"op":"launch","form":"frmSelection"})",
          R"({"op":7})", R"({"op":"compareSort","column":"x"})",
          R"({"op":"click","form":"frmSelection","control":5,"settings":{"decimal":3}})"}) {
        const json answer = json::parse(page.bridge.handle(std::string_view(request)));
        EXPECT_TRUE(answer.contains("error") || !answer.value("done", true)) << request;
    }
    EXPECT_EQ(page.bridge.windows().dump(), before);
    EXPECT_TRUE(json::parse(page.bridge.handle(std::string_view(R"({"op":"helpTopic","id":"8"})")))["topic"].is_null());
}

TEST(CliCall, AnswersAsTheCommandLineDoes) {
    const json rated = json::parse(
        RunCliCall(R"(["rate","--refrigerant","R-22","--valve","KO","--evap","40","--cond","100","--liquid","90"])"));
    EXPECT_EQ(rated["status"], 0) << rated.dump();
    EXPECT_NE(rated["stdout"].get<std::string>().find("14,840.07"), std::string::npos) << rated.dump();
    const json refused = json::parse(RunCliCall(R"(["rate","--no-such-option"])"));
    EXPECT_NE(refused["status"], 0);
    EXPECT_FALSE(refused["stderr"].get<std::string>().empty());
    // batch reads its lines from the text given as standard input, and nothing more afterwards.
    const json batch =
        json::parse(RunCliCall(R"(["batch"])", "rate --refrigerant R-22 --valve KO --evap 40 --cond 100 --liq 90\n"));
    EXPECT_EQ(batch["status"], 0) << batch.dump();
    EXPECT_NE(batch["stdout"].get<std::string>().find("14,840.07"), std::string::npos) << batch.dump();
    EXPECT_EQ(json::parse(RunCliCall(R"(["batch"])"))["stdout"], "");
    EXPECT_EQ(json::parse(RunCliCall("[1,2]"))["status"], 2);
    EXPECT_EQ(json::parse(RunCliCall("nonsense"))["status"], 2);
}

TEST(PageBridge, SelectionShowsItsResultsAboveTheWorksheetAndTheTimerGivesTheAdvice) {
    Page page;
    page.selectionSheet("R-134a");
    page.type("frmkorveld", "txtInputCap", "12000");
    page.click("frmkorveld", "cmdSelect");
    EXPECT_EQ(page.form("frmResults")["owner"], "frmkorveld");
    EXPECT_FALSE(page.form("frmkorveld")["enabled"].get<bool>());
    const json& timers = page.form("frmkorveld")["timers"];
    ASSERT_EQ(timers.size(), 1u);
    EXPECT_EQ(timers[0]["interval"], 3000);
    EXPECT_TRUE(timers[0]["enabled"].get<bool>());
    page.send({{"op", "timer"}, {"form", "frmkorveld"}, {"timer", timers[0]["name"]}});
    const json* box = findById(page.last["effects"], "type", "msgbox");
    ASSERT_NE(box, nullptr) << page.last["effects"].dump();
    page.click("frmResults", "cmdChart");
    const json* chart = findById(page.last["effects"], "type", "chart");
    ASSERT_NE(chart, nullptr) << page.last["effects"].dump();
    EXPECT_EQ((*chart)["form"], "frmResults");
    EXPECT_EQ((*chart)["chart"]["sizes"].size(), 9u);
    EXPECT_GT((*chart)["chart"]["selected"], 0);
    page.click("frmResults", "cmdOK");
    EXPECT_EQ(findById(page.last["forms"], "name", "frmResults"), nullptr);
    EXPECT_TRUE(page.form("frmkorveld")["enabled"].get<bool>());
}

// The comparison on the page is always the one the worksheet owns now: after a program reset
// the old one is gone, and a worksheet opened again shows none until the user asks for it.
TEST(PageBridge, ComparisonFollowsTheWorksheetThroughAReset) {
    Page page;
    page.selectionSheet("R-134a");
    page.type("frmkorveld", "txtInputCap", "12000");
    page.pick("frmkorveld", "&Compare All Series…");
    ASSERT_TRUE(page.last["comparison"].is_object()) << page.last.dump();
    EXPECT_FALSE(page.last["comparison"]["rows"].empty());

    page.bridge.program().reset();
    page.send({{"op", "start"}, {"help", helpText()}});
    page.click("frmSelection", "cmdValveSelect");
    EXPECT_TRUE(page.last["comparison"].is_null()) << page.last["comparison"].dump();
    page.send({{"op", "compareSort"}, {"column", 1}});
    EXPECT_TRUE(page.last["comparison"].is_null());
}

// The page's answers to the questions, scripted: each question asked is kept with the answer.
struct ScriptedPage : Page {
    std::deque<json> answers;
    std::vector<json> asked;
    std::string pickedBytes;

    ScriptedPage() {
        bridge.platform().setQuestions(
            {.ask =
                 [this](const json& question) {
                     asked.push_back(question);
                     json answer = answers.empty() ? json{{"button", "cancel"}} : answers.front();
                     if (!answers.empty()) {
                         answers.pop_front();
                     }
                     return answer;
                 },
             .readPicked =
                 [this](std::size_t limit) {
                     PickedFileBytes picked{.size = pickedBytes.size(), .bytes = {}};
                     if (pickedBytes.size() <= limit) {
                         picked.bytes = pickedBytes;
                     }
                     return picked;
                 }});
    }
    // A selection on the worksheet (R-22, KO, 40 / 100 / 90) added under `tag` from the results.
    void selectAndAdd(const std::string& capacity) {
        type("frmkorveld", "txtInputCap", capacity);
        click("frmkorveld", "cmdSelect");
        click("frmResults", "cmdAddToSchedule");
    }
    std::vector<json> effectsOf(const std::string& type) const {
        std::vector<json> found;
        for (const json& effect : last["effects"]) {
            if (effect["type"] == type) {
                found.push_back(effect);
            }
        }
        return found;
    }
};

TEST(PageBridge, ScheduleQuestionsReachTheModelAsThePageAnswersThem) {
    ScriptedPage page;
    page.selectionSheet("R-22");
    page.selectAndAdd("12000"); // cancelled: nothing added, no window
    EXPECT_TRUE(page.last["schedule"].is_null());
    page.answers = {{{"button", "ok"}, {"text", "EVAP-1"}}};
    page.click("frmResults", "cmdAddToSchedule");
    page.click("frmResults", "cmdOK");
    page.answers = {{{"button", "ok"}, {"text", "evap-1"}}, {{"button", "ok"}, {"text", "EVAP-2"}}};
    page.selectAndAdd("24000");
    ASSERT_EQ(page.asked.size(), 4u);
    EXPECT_EQ(page.asked[1]["type"], "input");
    EXPECT_EQ(page.asked[1]["title"], "Add to Schedule");
    // The taken tag's reason is shown before the question comes again, with the windows as they are.
    const json& again = page.asked[3]["state"];
    ASSERT_EQ(again["effects"].size(), 1u) << again.dump();
    EXPECT_EQ(again["effects"][0]["type"], "msgbox");
    EXPECT_NE(findById(again["forms"], "name", "frmResults"), nullptr);
    page.click("frmResults", "cmdOK");
    page.pick("frmkorveld", "&Schedule…");
    const json schedule = page.last["schedule"];
    ASSERT_EQ(schedule["rows"].size(), 2u);
    EXPECT_EQ(schedule["rows"][1][0], "EVAP-2");
    EXPECT_EQ(schedule["title"], "Schedule - Untitled *");

    // Save: the name without its ending gets it; the file goes to the browser under that name.
    page.answers = {{{"button", "ok"}, {"name", "job"}}};
    page.send({{"op", "scheduleAct"}, {"action", "save"}});
    EXPECT_EQ(page.asked.back()["offered"], "schedule.txt");
    const std::vector<json> saved = page.effectsOf("download");
    ASSERT_EQ(saved.size(), 1u);
    EXPECT_EQ(saved[0]["name"], "job.txt");
    EXPECT_EQ(saved[0]["mime"], "text/plain");
    EXPECT_EQ(page.last["schedule"]["title"], "Schedule - job.txt");
    const std::string file = saved[0]["text"];
    EXPECT_NE(file.find("--tag EVAP-2"), std::string::npos) << file;

    // Open after a change: Cancel keeps it all and asks no file; Discard, then the file picked.
    page.send({{"op", "scheduleRow"}, {"row", 0}});
    page.send({{"op", "scheduleAct"}, {"action", "down"}});
    const std::size_t before = page.asked.size();
    page.answers = {{{"button", "cancel"}}};
    page.send({{"op", "scheduleAct"}, {"action", "open"}});
    ASSERT_EQ(page.asked.size(), before + 1);
    EXPECT_EQ(page.asked.back()["type"], "saveChanges");
    EXPECT_EQ(page.last["schedule"]["rows"][0][0], "EVAP-2");
    page.pickedBytes = file;
    page.answers = {{{"button", "discard"}}, {{"button", "ok"}, {"name", "job.txt"}}};
    page.send({{"op", "scheduleAct"}, {"action", "open"}});
    EXPECT_EQ(page.asked.back()["mode"], "open");
    EXPECT_EQ(page.last["schedule"]["rows"], schedule["rows"]);
    EXPECT_EQ(page.last["schedule"]["title"], "Schedule - job.txt");

    // A file over the model's limit is refused with its size; the schedule stays.
    page.pickedBytes.assign(std::size_t{1100} * 1024, '#');
    page.answers = {{{"button", "ok"}, {"name", "huge.txt"}}};
    page.send({{"op", "scheduleAct"}, {"action", "open"}});
    const std::vector<json> refused = page.effectsOf("msgbox");
    ASSERT_EQ(refused.size(), 1u);
    EXPECT_NE(refused[0]["text"].get<std::string>().find("too large (1100 KB)"), std::string::npos);
    EXPECT_EQ(page.last["schedule"]["rows"].size(), 2u);

    // CSV as a download; PDF through the print view, a page for the table and one per entry.
    page.answers = {{{"button", "ok"}, {"name", "sub/folder/list"}}};
    page.send({{"op", "scheduleAct"}, {"action", "csv"}});
    ASSERT_EQ(page.effectsOf("download").size(), 1u);
    EXPECT_EQ(page.effectsOf("download")[0]["name"], "list.csv");
    EXPECT_EQ(page.effectsOf("download")[0]["mime"], "text/csv");
    const std::size_t asked = page.asked.size();
    page.send({{"op", "scheduleAct"}, {"action", "pdf"}});
    EXPECT_EQ(page.asked.size(), asked) << "the print dialog asks for the PDF's file";
    ASSERT_EQ(page.effectsOf("print").size(), 1u);
    EXPECT_EQ(page.effectsOf("print")[0]["pages"].size(), 3u);
}

TEST(PageBridge, WithoutThePageEveryQuestionIsCancelled) {
    WebPlatform platform;
    EXPECT_EQ(platform.InputBox("Tag?", "Add to Schedule", ""), std::nullopt);
    EXPECT_EQ(platform.AskFileName(FileQuestion::SaveSchedule, "schedule.txt"), "");
    EXPECT_EQ(platform.AskSaveChanges("Save?", "Schedule"), SaveChangesAnswer::Cancel);
    EXPECT_FALSE(platform.ReadTextFile("job.txt", 1024).text.has_value());
}

} // namespace
} // namespace korveld::web
