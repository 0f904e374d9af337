// The one door between the page and the program: the page sends a request as JSON (a user's
// event on a control, a menu entry, a timer or a window, or a question to the help viewer) and
// gets back every loaded window as data (its controls with their twip positions, captions, fonts,
// states and option groups, its menus and timers) with the effects the handlers asked for. The
// page draws what it gets; every rule stays in the window models.
#pragma once

#include "web/web_platform.h"
#include "worksheets/program.h"

#include <nlohmann/json.hpp>
#include <string>
#include <string_view>

namespace korveld::web {

class PageBridge {
public:
    PageBridge();
    PageBridge(const PageBridge&) = delete;
    PageBridge& operator=(const PageBridge&) = delete;

    // One request, one answer; a request the bridge cannot read gets {"error": why}.
    std::string handle(std::string_view request);
    nlohmann::json handle(const nlohmann::json& request);

    Program& program() { return m_program; }
    WebPlatform& platform() { return m_platform; }

    // Every loaded window, the start screen first, with what the page needs to draw it.
    nlohmann::json windows() const;

private:
    nlohmann::json event(const nlohmann::json& request);
    nlohmann::json comparison() const;
    SeriesComparison* shownComparison() const;
    ScheduleWindow* shownSchedule() const;
    nlohmann::json schedule() const;
    nlohmann::json scheduleEvent(const std::string& op, const nlohmann::json& request);

    WebPlatform m_platform;
    Program m_program{m_platform};
};

// One window as data.
nlohmann::json FormJson(const Form& form);

} // namespace korveld::web
