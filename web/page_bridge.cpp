#include "web/page_bridge.h"

#include "worksheets/controls.h"
#include "worksheets/form.h"
#include "worksheets/frm_korveld.h"
#include "worksheets/schedule_window.h"
#include "worksheets/series_comparison.h"

#include <array>

namespace korveld::web {

namespace {

using nlohmann::json;

std::string_view kindName(ControlKind kind) {
    switch (kind) {
    case ControlKind::Label:
        return "label";
    case ControlKind::TextBox:
        return "text";
    case ControlKind::CommandButton:
        return "button";
    case ControlKind::OptionButton:
        return "option";
    case ControlKind::CheckBox:
        return "check";
    case ControlKind::Frame:
        return "frame";
    }
    return "label";
}

std::string_view alignmentName(Alignment alignment) {
    switch (alignment) {
    case Alignment::Right:
        return "right";
    case Alignment::Center:
        return "center";
    case Alignment::Left:
        break;
    }
    return "left";
}

json colourJson(const std::optional<Colour>& colour) {
    if (!colour) {
        return nullptr;
    }
    return json::array({colour->red, colour->green, colour->blue});
}

json controlJson(const Control& control) {
    const TwipRect& r = control.rect();
    json c{{"id", control.fullName()},
           {"kind", kindName(control.kind())},
           {"rect", json::array({r.left, r.top, r.width, r.height})},
           {"visible", control.visible()},
           {"enabled", control.enabled()},
           {"tip", control.toolTip()},
           {"name", control.accessibleName()},
           {"help", control.helpContextId()}};
    c["container"] = control.container() != nullptr ? json(control.container()->fullName()) : json(nullptr);
    if (const std::optional<Font>& font = control.font()) {
        c["font"] = {{"family", font->family}, {"points", font->points}, {"bold", font->bold}};
    }
    if (control.foreColour()) {
        c["colour"] = colourJson(control.foreColour());
    }
    switch (control.kind()) {
    case ControlKind::Label: {
        const auto& label = static_cast<const Label&>(control);
        c["caption"] = label.caption();
        c["align"] = alignmentName(label.alignment());
        c["autoSize"] = label.autoSize();
        break;
    }
    case ControlKind::TextBox: {
        const auto& box = static_cast<const TextBox&>(control);
        c["text"] = box.text();
        c["align"] = alignmentName(box.alignment());
        c["multiLine"] = box.multiLine();
        c["locked"] = box.locked();
        break;
    }
    case ControlKind::OptionButton: {
        const auto& option = static_cast<const OptionButton&>(control);
        c["caption"] = option.caption();
        c["value"] = option.value();
        c["group"] = option.firstInGroup() != nullptr ? option.firstInGroup()->fullName() : option.fullName();
        break;
    }
    case ControlKind::CheckBox:
        c["caption"] = static_cast<const CheckBox&>(control).caption();
        c["value"] = static_cast<const CheckBox&>(control).value();
        break;
    case ControlKind::CommandButton:
    case ControlKind::Frame:
        c["caption"] = control.captionText();
        break;
    }
    return c;
}

json menuJson(const MenuEntry& entry) {
    json m{{"id", entry.fullName()},       {"caption", entry.caption()}, {"checked", entry.checked()},
           {"enabled", entry.enabled()},   {"visible", entry.visible()}, {"separator", entry.isSeparator()},
           {"help", entry.helpContextId()}};
    if (entry.hasChildren()) {
        json children = json::array();
        for (const MenuEntry* child = entry.firstChild(); child != nullptr; child = child->nextSibling()) {
            children.push_back(menuJson(*child));
        }
        m["children"] = std::move(children);
    }
    return m;
}

std::string_view borderName(BorderStyle style) {
    switch (style) {
    case BorderStyle::None:
        return "none";
    case BorderStyle::FixedSingle:
        return "fixed";
    case BorderStyle::FixedDialog:
        return "dialog";
    case BorderStyle::Sizable:
        break;
    }
    return "sizable";
}

std::string_view startUpName(StartUpPosition position) {
    switch (position) {
    case StartUpPosition::CenterScreen:
        return "center";
    case StartUpPosition::BesideOwner:
        return "besideOwner";
    case StartUpPosition::Manual:
        break;
    }
    return "manual";
}

Control* controlNamed(const Form& form, std::string_view fullName) {
    for (Control& control : form.controls()) {
        if (control.fullName() == fullName) {
            return &control;
        }
    }
    return nullptr;
}

MenuEntry* menuNamed(const MenuEntry& entry, std::string_view fullName) {
    for (MenuEntry* child = entry.firstChild(); child != nullptr; child = child->nextSibling()) {
        if (child->fullName() == fullName) {
            return child;
        }
        if (MenuEntry* found = menuNamed(*child, fullName)) {
            return found;
        }
    }
    return nullptr;
}

MenuEntry* menuNamed(const Form& form, std::string_view fullName) {
    for (MenuEntry& top : form.menuBar()) {
        if (top.fullName() == fullName) {
            return &top;
        }
        if (MenuEntry* found = menuNamed(top, fullName)) {
            return found;
        }
    }
    return nullptr;
}

Timer* timerNamed(const Form& form, std::string_view name) {
    for (Timer& timer : form.timers()) {
        if (timer.name() == name) {
            return &timer;
        }
    }
    return nullptr;
}

// Fields read without throwing: a field missing or of another type gives the fallback.
std::string stringField(const json& request, const char* key, std::string_view fallback = {}) {
    const auto it = request.find(key);
    return it != request.end() && it->is_string() ? it->get<std::string>() : std::string(fallback);
}

std::int64_t numberField(const json& request, const char* key) {
    const auto it = request.find(key);
    return it != request.end() && it->is_number_integer() ? it->get<std::int64_t>() : -1;
}

// The topic the help key opens: the focused control's own, else the menu entry's, else the window's.
std::int32_t helpKeyTopic(const Form& form, const json& request) {
    std::int32_t id = form.helpContextId();
    if (const Control* control = controlNamed(form, stringField(request, "control"));
        control != nullptr && control->helpContextId() != 0) {
        id = control->helpContextId();
    }
    if (const MenuEntry* entry = menuNamed(form, stringField(request, "menu"));
        entry != nullptr && entry->helpContextId() != 0) {
        id = entry->helpContextId();
    }
    return id;
}

constexpr std::array kFormOrder{FormId::frmSelection, FormId::frmtxvCapacity, FormId::frmkorveld, FormId::frmResults,
                                FormId::frmPerCentBleed};

} // namespace

json FormJson(const Form& form) {
    const TwipSize client = form.clientSize();
    json controls = json::array();
    for (const Control& control : form.controls()) {
        controls.push_back(controlJson(control));
    }
    json tabOrder = json::array();
    for (const Control* control : form.tabOrder()) {
        tabOrder.push_back(control->fullName());
    }
    json menus = json::array();
    for (const MenuEntry& entry : form.menuBar()) {
        menus.push_back(menuJson(entry));
    }
    json timers = json::array();
    for (const Timer& timer : form.timers()) {
        timers.push_back({{"name", timer.name()},
                          {"interval", timer.interval()},
                          {"enabled", timer.enabled()},
                          {"generation", timer.generation()}});
    }
    return {{"name", form.name()},
            {"caption", form.caption()},
            {"client", json::array({client.width, client.height})},
            {"border", borderName(form.borderStyle())},
            {"startUp", startUpName(form.startUpPosition())},
            {"left", form.designLeft()},
            {"top", form.designTop()},
            {"owner", form.owner() != nullptr ? json(form.owner()->name()) : json(nullptr)},
            {"visible", form.visible()},
            {"enabled", form.enabled()},
            {"colour", colourJson(form.backColour())},
            {"help", form.helpContextId()},
            {"menuBar", form.hasMenuBar()},
            {"menus", std::move(menus)},
            {"controls", std::move(controls)},
            {"tabOrder", std::move(tabOrder)},
            {"timers", std::move(timers)}};
}

PageBridge::PageBridge() {
    registerStandardForms(m_program);
    m_platform.setPageState([this] {
        return json{{"forms", windows()},     {"effects", m_platform.takeEffects()},
                    {"focus", nullptr},       {"comparison", comparison()},
                    {"schedule", schedule()}, {"ended", false}};
    });
}

std::string PageBridge::handle(std::string_view request) {
    const json parsed = json::parse(request, nullptr, false);
    if (parsed.is_discarded() || !parsed.is_object()) {
        return json{{"error", "the request is not a JSON object"}}.dump();
    }
    // Texts typed in the page are UTF-8; a broken sequence is replaced, never thrown.
    return handle(parsed).dump(-1, ' ', false, json::error_handler_t::replace);
}

json PageBridge::windows() const {
    json forms = json::array();
    for (const FormId id : kFormOrder) {
        if (const Form* form = m_program.loaded(id)) {
            forms.push_back(FormJson(*form));
        }
    }
    return forms;
}

// The comparison the page shows is the one the selection worksheet owns now: a reset of the
// worksheet destroys it, so the page never holds on to it between events.
SeriesComparison* PageBridge::shownComparison() const {
    auto* worksheet = m_program.loaded<frmkorveld>();
    if (!m_platform.comparisonShown() || worksheet == nullptr) {
        return nullptr;
    }
    return worksheet->comparison();
}

json PageBridge::comparison() const {
    SeriesComparison* shown = shownComparison();
    if (shown == nullptr) {
        return nullptr;
    }
    json rows = json::array();
    for (std::size_t row = 0; row < shown->rowCount(); ++row) {
        json cells = json::array();
        for (std::size_t column = 0; column < kComparisonHeadings.size(); ++column) {
            cells.push_back(shown->cell(row, static_cast<ComparisonColumn>(column)));
        }
        rows.push_back(std::move(cells));
    }
    return {{"title", shown->title()},
            {"headings", kComparisonHeadings},
            {"rows", std::move(rows)},
            {"sortColumn", static_cast<int>(shown->sortColumn())},
            {"ascending", shown->ascending()}};
}

// The schedule window belongs to the selection worksheet, which makes it when first asked for.
ScheduleWindow* PageBridge::shownSchedule() const {
    auto* sheet = m_program.loaded<frmkorveld>();
    ScheduleWindow* shown = sheet != nullptr ? sheet->scheduleWindowIfMade() : nullptr;
    return shown != nullptr && shown->visible() ? shown : nullptr;
}

json PageBridge::schedule() const {
    const ScheduleWindow* shown = shownSchedule();
    if (shown == nullptr) {
        return nullptr;
    }
    const Schedule& entries = shown->schedule();
    json rows = json::array();
    for (std::size_t row = 0; row < entries.size(); ++row) {
        json cells = json::array();
        for (std::size_t column = 0; column < kScheduleHeadings.size(); ++column) {
            cells.push_back(entries.cell(row, static_cast<ScheduleColumn>(column)));
        }
        rows.push_back(std::move(cells));
    }
    const std::optional<std::size_t> current = shown->currentRow();
    return {{"title", shown->title()},
            {"headings", kScheduleHeadings},
            {"rows", std::move(rows)},
            {"current", current ? json(*current) : json(nullptr)},
            {"buttons",
             {{"remove", kRemoveCaption, shown->canRemove()},
              {"up", kMoveUpCaption, shown->canMoveUp()},
              {"down", kMoveDownCaption, shown->canMoveDown()},
              {"reopen", kReopenCaption, shown->canRemove()},
              {"close", kCloseCaption, true}}},
            {"menu", kFileMenuCaption},
            // Arrays, not an object: the entries in the menu's order.
            {"entries", json::array({json::array({"open", kOpenCaption}), json::array({"save", kSaveCaption}),
                                     json::array({"saveAs", kSaveAsCaption}), json::array({"csv", kExportCsvCaption}),
                                     json::array({"pdf", kExportPdfCaption})})}};
}

json PageBridge::scheduleEvent(const std::string& op, const json& request) {
    ScheduleWindow* shown = shownSchedule();
    if (shown == nullptr) {
        return {{"done", false}};
    }
    m_platform.setEventOrigin(std::string(shown->worksheet().name()));
    const std::string action = stringField(request, "action");
    if (op == "scheduleRow") {
        const std::int64_t row = numberField(request, "row");
        if (row >= 0 && static_cast<std::size_t>(row) < shown->schedule().size()) {
            shown->setCurrentRow(static_cast<std::size_t>(row));
        }
        return {{"done", true}};
    }
    using Action = void (*)(ScheduleWindow&);
    static constexpr std::array<std::pair<std::string_view, Action>, 10> kActions{{
        {"remove", [](ScheduleWindow& w) { w.remove(); }},
        {"up", [](ScheduleWindow& w) { w.moveUp(); }},
        {"down", [](ScheduleWindow& w) { w.moveDown(); }},
        {"reopen", [](ScheduleWindow& w) { w.reopen(); }},
        {"close", [](ScheduleWindow& w) { w.close(); }},
        {"open", [](ScheduleWindow& w) { w.open(); }},
        {"save", [](ScheduleWindow& w) { w.save(); }},
        {"saveAs", [](ScheduleWindow& w) { w.saveAs(); }},
        {"csv", [](ScheduleWindow& w) { w.exportCsv(); }},
        {"pdf", [](ScheduleWindow& w) { w.exportPdf(); }},
    }};
    for (const auto& entry : kActions) {
        if (entry.first == action) {
            const Action run = entry.second;
            m_program.dispatch([&] { run(*shown); });
            return {{"done", true}};
        }
    }
    return {{"done", false}, {"why", "unknown request"}};
}

json PageBridge::handle(const json& request) {
    if (const auto settings = request.find("settings"); settings != request.end() && settings->is_object()) {
        NumberLocale locale;
        locale.decimal = stringField(*settings, "decimal", ".");
        locale.group = stringField(*settings, "group", ",");
        m_platform.setUserSettings(std::move(locale), stringField(*settings, "date"), stringField(*settings, "time"));
    }
    const std::string op = stringField(request, "op");
    if (op == "helpSearch") {
        return {{"topics", m_platform.searchTopics(stringField(request, "query"))}};
    }
    if (op == "helpTopic") {
        const HelpTopic* topic =
            m_platform.help().ok() ? m_platform.help().file.find(static_cast<std::int32_t>(numberField(request, "id")))
                                   : nullptr;
        return {{"topic", topic != nullptr ? WebPlatform::topicJson(*topic) : json(nullptr)}};
    }
    json answer = event(request);
    answer["forms"] = windows();
    answer["effects"] = m_platform.takeEffects();
    answer["focus"] = m_platform.takeFocus();
    answer["comparison"] = comparison();
    answer["schedule"] = schedule();
    answer["ended"] = m_platform.ended();
    return answer;
}

json PageBridge::event(const json& request) {
    const std::string op = stringField(request, "op");
    if (op == "start") {
        m_platform.loadHelpText(stringField(request, "help"));
        if (m_program.loaded(FormId::frmSelection) == nullptr) {
            m_program.dispatch([&] { m_program.start(); });
        }
        return {{"done", true}};
    }
    if (op == "state") {
        return {{"done", true}};
    }
    if (op == "scheduleRow" || op == "scheduleAct") {
        return scheduleEvent(op, request);
    }
    if (op.rfind("compare", 0) == 0) {
        SeriesComparison* shown = shownComparison();
        const std::int64_t row = numberField(request, "row");
        if (shown == nullptr) {
            return {{"done", false}};
        }
        m_platform.setEventOrigin(std::string(shown->worksheet().name()));
        if (op == "compareSort") {
            const std::int64_t column = numberField(request, "column");
            if (column >= 0 && static_cast<std::size_t>(column) < kComparisonHeadings.size()) {
                shown->sortBy(static_cast<ComparisonColumn>(column));
            }
        } else if (op == "comparePick" && row >= 0 && static_cast<std::size_t>(row) < shown->rowCount()) {
            m_program.dispatch([&] { shown->pickRow(static_cast<std::size_t>(row)); });
        } else if (op == "compareCopy") {
            shown->copy();
        } else if (op == "compareClose") {
            m_platform.forgetComparison();
        }
        return {{"done", true}};
    }

    Form* form = nullptr;
    const std::string formName = stringField(request, "form");
    for (const FormId id : kFormOrder) {
        if (Form* loaded = m_program.loaded(id); loaded != nullptr && loaded->name() == formName) {
            form = loaded;
        }
    }
    if (form == nullptr) {
        return {{"done", false}, {"why", "no such window"}};
    }
    m_platform.setEventOrigin(formName);
    bool done = false;
    if (op == "click" || op == "dblclick" || op == "type") {
        Control* control = controlNamed(*form, stringField(request, "control"));
        if (control == nullptr) {
            return {{"done", false}, {"why", "no such control"}};
        }
        m_program.dispatch([&] {
            if (op == "click") {
                done = control->userClick();
            } else if (op == "dblclick") {
                done = control->userDblClick();
            } else if (control->kind() == ControlKind::TextBox) {
                done = static_cast<TextBox*>(control)->userType(stringField(request, "text"));
            }
        });
    } else if (op == "pick") {
        MenuEntry* entry = menuNamed(*form, stringField(request, "menu"));
        if (entry == nullptr) {
            return {{"done", false}, {"why", "no such menu entry"}};
        }
        m_program.dispatch([&] { done = entry->userPick(); });
    } else if (op == "timer") {
        Timer* timer = timerNamed(*form, stringField(request, "timer"));
        if (timer == nullptr) {
            return {{"done", false}, {"why", "no such timer"}};
        }
        m_program.dispatch([&] { done = timer->fire(); });
    } else if (op == "formDblClick") {
        m_program.dispatch([&] { done = form->userDblClick(); });
    } else if (op == "close") {
        m_program.dispatch([&] { form->closeButtonPressed(); });
        done = true;
    } else if (op == "copy") {
        m_program.dispatch([&] { done = form->copyRequested(); });
    } else if (op == "helpKey") {
        if (const std::int32_t id = helpKeyTopic(*form, request); id != 0) {
            m_program.dispatch([&] { form->help().HelpContext(id); });
            done = true;
        }
    } else {
        return {{"done", false}, {"why", "unknown request"}};
    }
    return {{"done", done}};
}

} // namespace korveld::web
