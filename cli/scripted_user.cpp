#include "cli/scripted_user.h"

#include "worksheets/controls.h"
#include "worksheets/form.h"
#include "worksheets/frm_selection.h"
#include "worksheets/menu_entry.h"

#include <array>

namespace korveld::cli {

namespace {

// Why a user cannot reach a control: it, a frame around it or its window is hidden, or disabled.
std::string_view whyOutOfReach(const Control& control) {
    bool visible = control.visible() && control.form().visible();
    for (const Frame* frame = control.container(); frame != nullptr; frame = frame->container()) {
        visible = visible && frame->visible();
    }
    return visible ? "disabled" : "hidden";
}

std::string_view whyOutOfReach(const MenuEntry& entry) {
    bool visible = entry.form().visible();
    for (const MenuEntry* item = &entry; item != nullptr; item = item->parent()) {
        visible = visible && item->visible();
    }
    return visible ? "disabled" : "hidden";
}

} // namespace

ScriptedUser::ScriptedUser(const DateTimeTexts& now) : m_program(m_platform) {
    m_platform.setLogging(false);
    m_platform.setDateTime(now.date, now.time);
}

void ScriptedUser::restart(const DateTimeTexts& now) {
    m_program.reset();
    m_platform.reset();
    m_platform.setLogging(false);
    m_platform.setDateTime(now.date, now.time);
    m_stop.reset();
}

bool ScriptedUser::openFromStartScreen(CommandButton frmSelection::*button) {
    m_program.dispatch([this] { m_program.start(); });
    return click(m_program.selectionScreen().*button, "");
}

bool ScriptedUser::pick(MenuEntry& entry, std::string_view option) {
    if (stopped()) {
        return false;
    }
    // A user opens the menu bar entry and each submenu on the way, then picks the entry.
    std::array<MenuEntry*, 8> path{};
    std::size_t depth = 0;
    for (MenuEntry* item = &entry; item != nullptr && depth < path.size(); item = item->parent()) {
        path[depth++] = item;
    }
    while (depth > 0) {
        MenuEntry& item = *path[--depth];
        bool reached = false;
        m_program.dispatch([&] { reached = item.userPick(); });
        if (!afterStep(reached, option, item.fullName(), reached ? "" : whyOutOfReach(item))) {
            return false;
        }
    }
    return true;
}

bool ScriptedUser::click(Control& control, std::string_view option) {
    if (stopped()) {
        return false;
    }
    bool reached = false;
    m_program.dispatch([&] { reached = control.userClick(); });
    return afterStep(reached, option, control.fullName(), reached ? "" : whyOutOfReach(control));
}

bool ScriptedUser::type(TextBox& box, std::string text, std::string_view option) {
    if (stopped()) {
        return false;
    }
    bool reached = false;
    m_program.dispatch([&] { reached = box.userType(std::move(text)); });
    return afterStep(reached, option, box.fullName(), reached ? "" : (box.locked() ? "locked" : whyOutOfReach(box)));
}

bool ScriptedUser::afterStep(bool reached, std::string_view option, std::string_view control, std::string_view why) {
    if (!m_platform.messages().empty()) {
        const RecordingPlatform::Message& first = m_platform.messages().front();
        m_stop = StopMessage{first.title, first.prompt};
        return false;
    }
    if (!reached) {
        std::string text = "The option ";
        text.append(option).append(" cannot be applied: ").append(control).append(" is ").append(why);
        text.append(" at this step.");
        m_stop = StopMessage{std::string(kOwnMessageTitle), std::move(text)};
        return false;
    }
    return true;
}

} // namespace korveld::cli
