// Every message box the program can show, gathered from the modules that show them: the entry
// checks and outcomes of both worksheets, the pick refusals, the unit switches, the power-head
// advice and the printer error.
#pragma once

#include "engine/message_pattern.h"

#include <cstdint>
#include <string_view>
#include <vector>

namespace korveld {

const std::vector<MessagePattern>& ProgramMessages();

// Whether a box with this title, prompt and style is one of the program's own.
bool IsProgramMessage(std::string_view title, std::string_view prompt, std::int16_t style);

} // namespace korveld
