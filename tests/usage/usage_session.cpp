#include "tests/usage/usage_session.h"

#include "tests/usage/program_snapshot.h"
#include "worksheets/controls.h"
#include "worksheets/form.h"
#include "worksheets/frm_selection.h"
#include "worksheets/frm_txv_capacity.h"

#include <array>

namespace korveld::usage {

namespace {

// The first line where two snapshots differ.
std::string firstDifference(const std::string& a, const std::string& b) {
    std::size_t start = 0;
    while (start < a.size() && start < b.size()) {
        const std::size_t endA = a.find('\n', start);
        const std::size_t endB = b.find('\n', start);
        const std::string lineA = a.substr(start, endA - start);
        const std::string lineB = b.substr(start, endB - start);
        if (lineA != lineB) {
            std::string difference = "reused: ";
            return difference.append(lineA).append(" | new: ").append(lineB);
        }
        start = endA + 1;
    }
    return "the snapshots differ in length";
}

Control* findControl(const Form& form, const UserEvent& event) {
    for (Control& control : form.controls()) {
        if (control.name().base == event.name && control.name().index == event.index) {
            return &control;
        }
    }
    return nullptr;
}

} // namespace

UsageSession::UsageSession(std::optional<FormId> worksheet) : m_worksheet(worksheet) {
    startProgram();
    openWorksheet();
}

void UsageSession::restart() {
    returnToStart();
    openWorksheet();
}

void UsageSession::returnToStart() {
    m_program->reset();
    m_platform->reset();
    m_platform->setLogging(false);
    m_decimal = '.';
    m_messagesChecked = 0;
    m_applyViolation.reset();
    m_program->dispatch([this] { m_program->start(); });
}

void UsageSession::openWorksheet() {
    if (m_worksheet == FormId::frmtxvCapacity) {
        apply({.kind = EventKind::Click, .window = FormId::frmSelection, .name = "cmdValveCap"});
    } else if (m_worksheet == FormId::frmkorveld) {
        apply({.kind = EventKind::Click, .window = FormId::frmSelection, .name = "cmdValveSelect"});
    }
    m_counts = {};
}

UsageSession::~UsageSession() {
    m_program.reset();
}

void UsageSession::startProgram() {
    m_groupsAtLoad.clear();
    m_typed.clear();
    m_messagesChecked = 0;
    m_program.reset();
    m_platform = std::make_unique<RecordingPlatform>();
    m_platform->setLogging(false);
    m_decimal = '.';
    m_program = std::make_unique<Program>(*m_platform);
    m_program->setListener(this);
    m_program->dispatch([this] { m_program->start(); });
}

void UsageSession::formLoaded(Form& form) {
    std::set<const OptionButton*>& groups = m_groupsAtLoad[&form];
    groups.clear();
    for (const Control& control : form.controls()) {
        if (control.kind() == ControlKind::OptionButton && static_cast<const OptionButton&>(control).value()) {
            groups.insert(static_cast<const OptionButton&>(control).firstInGroup());
        }
    }
}

void UsageSession::formUnloaded(Form& form) {
    m_groupsAtLoad.erase(&form);
    std::erase_if(m_typed, [&form](const auto& entry) { return &entry.first->form() == &form; });
}

const std::set<const OptionButton*>& UsageSession::groupsChosenAtLoad(const Form& form) const {
    static const std::set<const OptionButton*> kNone;
    const auto found = m_groupsAtLoad.find(&form);
    return found == m_groupsAtLoad.end() ? kNone : found->second;
}

bool UsageSession::showsWhatWasTyped(const TextBox& box) const {
    const auto found = m_typed.find(&box);
    return found != m_typed.end() && found->second == box.text();
}

bool UsageSession::apply(const UserEvent& event) {
    ++m_counts.events;
    m_applyViolation.reset();
    const bool reached = applyToTarget(event);
    m_counts.reached += reached ? 1 : 0;
    if (m_platform->ended()) {
        ++m_counts.restarts;
        startProgram();
    }
    return reached;
}

bool UsageSession::applyToTarget(const UserEvent& event) {
    switch (event.kind) {
    case EventKind::PrinterFails:
    case EventKind::PrinterWorks:
        m_platform->setPrinterWorks(event.kind == EventKind::PrinterWorks);
        return true;
    case EventKind::CommaDecimals:
    case EventKind::PointDecimals:
        m_decimal = event.kind == EventKind::CommaDecimals ? ',' : '.';
        m_platform->setNumberLocale(event.kind == EventKind::CommaDecimals ? NumberLocale{",", "."} : NumberLocale{});
        return true;
    case EventKind::ResetProgram:
        resetProgram();
        return true;
    default:
        break;
    }
    Form* form = m_program->loaded(event.window);
    if (form == nullptr) {
        return false;
    }
    bool reached = false;
    switch (event.kind) {
    case EventKind::Click:
    case EventKind::DblClick:
    case EventKind::Type: {
        Control* control = findControl(*form, event);
        if (control == nullptr) {
            return false;
        }
        if (event.kind == EventKind::Type) {
            if (control->kind() != ControlKind::TextBox) {
                return false;
            }
            auto& box = static_cast<TextBox&>(*control);
            m_program->dispatch([&] { reached = box.userType(event.text); });
            if (reached && m_program->loaded(event.window) == form) {
                m_typed[&box] = event.text;
            }
        } else if (event.kind == EventKind::Click) {
            m_program->dispatch([&] { reached = control->userClick(); });
            const auto* sheet = m_program->loaded<frmtxvCapacity>();
            if (reached && event.window == FormId::frmtxvCapacity && event.name == "cmdCalculate" && sheet != nullptr &&
                sheet->txtValCap(1).visible()) {
                ++m_counts.calculations;
            }
        } else {
            m_program->dispatch([&] { reached = control->userDblClick(); });
        }
        break;
    }
    case EventKind::Pick: {
        MenuEntry* entry = form->findMenu(event.name, event.index);
        if (entry == nullptr) {
            return false;
        }
        // A user opens the menu bar entry and each submenu on the way, then picks the entry.
        std::array<MenuEntry*, 8> path{};
        std::size_t depth = 0;
        for (MenuEntry* item = entry; item != nullptr && depth < path.size(); item = item->parent()) {
            path[depth++] = item;
        }
        reached = true;
        while (reached && depth > 0) {
            MenuEntry& item = *path[--depth];
            m_program->dispatch([&] { reached = item.userPick(); });
        }
        break;
    }
    case EventKind::FireTimer:
        for (Timer& timer : form->timers()) {
            if (timer.name() == event.name) {
                m_program->dispatch([&] { reached = timer.fire(); });
                m_counts.timers += reached ? 1 : 0;
                break;
            }
        }
        break;
    case EventKind::CloseWindow:
        // Only a window on screen has a close button.
        if (form->visible()) {
            m_program->dispatch([&] { form->closeButtonPressed(); });
            reached = true;
        }
        break;
    case EventKind::WindowDblClick:
        m_program->dispatch([&] { reached = form->userDblClick(); });
        break;
    default:
        break;
    }
    if (event.window == FormId::frmkorveld && event.kind == EventKind::Click && event.name == "cmdSelect" &&
        m_program->loaded(FormId::frmResults) != nullptr) {
        ++m_counts.selections;
    }
    return reached;
}

// A new run on the same program, as a batch starts each line: the reused windows must come back
// exactly as a new program builds them.
void UsageSession::resetProgram() {
    returnToStart();
    RecordingPlatform freshPlatform;
    freshPlatform.setLogging(false);
    Program fresh(freshPlatform);
    fresh.dispatch([&fresh] { fresh.start(); });
    for (std::size_t id = 0; id < static_cast<std::size_t>(FormId::Count); ++id) {
        m_program->dispatch([&] { m_program->load(static_cast<FormId>(id)); });
        fresh.dispatch([&] { fresh.load(static_cast<FormId>(id)); });
    }
    const std::string used = SnapshotOf(*m_program);
    const std::string expected = SnapshotOf(fresh);
    returnToStart();
    if (used != expected) {
        m_applyViolation = Violation{"a reset program is as new", firstDifference(used, expected)};
    }
}

} // namespace korveld::usage
