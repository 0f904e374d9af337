// The batch file's words are split as the schedule's are (worksheets/command_line_words.h).
#pragma once

#include "worksheets/command_line_words.h"

namespace korveld::cli {

using korveld::SplitCommandLine;
using korveld::SplitResult;

} // namespace korveld::cli
