#include "worksheets/user_steps.h"

#include "worksheets/controls.h"
#include "worksheets/menu_entry.h"
#include "worksheets/program.h"

#include <array>

namespace korveld {

bool UserPick(Program& program, MenuEntry& entry) {
    std::array<MenuEntry*, 8> path{};
    std::size_t depth = 0;
    for (MenuEntry* item = &entry; item != nullptr && depth < path.size(); item = item->parent()) {
        path[depth++] = item;
    }
    bool reached = true;
    while (reached && depth > 0) {
        MenuEntry& item = *path[--depth];
        program.dispatch([&] { reached = item.userPick(); });
    }
    return reached;
}

bool UserClick(Program& program, Control& control) {
    bool reached = false;
    program.dispatch([&] { reached = control.userClick(); });
    return reached;
}

bool UserType(Program& program, TextBox& box, std::string text) {
    bool reached = false;
    program.dispatch([&] { reached = box.userType(std::move(text)); });
    return reached;
}

} // namespace korveld
