// The program-wide variables shared by the worksheets and their dialogs. One instance is owned by
// the application and passed by reference; nothing else in the program is mutable and global.
// The unit state (UnitsMetric, CapacityUnit, PressureUnit) and DistUserDefined are kept by each
// worksheet for itself, so a switch on one worksheet never changes the other's conversions.
#pragma once

#include "engine/conditions.h"

#include <cstdint>
#include <string>

namespace korveld {

struct Universal_Variables {
    Conditions conditions; // the running calculation
    float ValConstant = 0.0f;
    std::string ValName;
    float EvapTempEntry = 0.0f; // the evaporator entry as typed, in the worksheet's own unit

    // Letters of the selected valve's name and its bleed.
    std::string EqualizerCode;
    std::string ChargeCode;
    std::string StrainerCode;
    float BleedFraction = 0.0f;
    std::int16_t BleedOption = 0; // 0 none, 1..7 for 10, 15, 20, 25, 30, 40, 50 %
    std::string BleedPart;
    std::string ReplaceAdvice;
    std::int16_t AdviceClear = 0;

    // The next message box.
    std::string MsgTitle;
    std::string MsgText;
    std::int16_t MsgStyle = 48;

    // Help: the owner of every help window and the help file's path.
    std::uintptr_t HelpWnd = 0;
    std::string HelpFile;
};

} // namespace korveld
