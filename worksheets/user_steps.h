// A user's actions on the window models, each as one event of the program: a menu pick that
// opens the menu bar entry and every submenu on the way first, a click, typing a whole text.
// Each returns false when the user could not reach the control (hidden, disabled, or on a hidden
// or disabled window).
#pragma once

#include <string>

namespace korveld {

class Control;
class MenuEntry;
class Program;
class TextBox;

bool UserPick(Program& program, MenuEntry& entry);
bool UserClick(Program& program, Control& control);
bool UserType(Program& program, TextBox& box, std::string text);

} // namespace korveld
