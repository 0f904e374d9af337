// Every offered size's operating window at the conditions of a selection, for the chart that shows
// why a size was chosen or why none fits. It runs Select's own steps (the entry checks, the
// conditions, the size ratings and the walk), so the picture never disagrees with Select.
#pragma once

#include "selection.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace korveld {

struct SizeWindowBar {
    std::int16_t SizeNo = 0;
    std::string ValName;
    float ValCapacity = 0.0f; // tons, bleed included
    SizeWindow window;        // 65 % to 110 % of ValCapacity, tons
};

struct OperatingWindows {
    // At most one of the two is set; with either, `sizes` is empty.
    std::optional<EntryFailure> entryFailure;
    std::optional<SelectionMessage> message; // DeltaP too small; also the walk's message when no size fits

    SizeOutcome outcome = SizeOutcome::NoSizeOffered; // the walk's answer, as Select found it
    std::int16_t selectedSize = 0;                    // with SizeOutcome::Selected
    std::vector<SizeWindowBar> sizes;                 // every offered size, in catalog order

    float InputCapacity = 0.0f;  // the requirement, tons
    float UnitMultiplier = 1.0f; // tons per unit of the capacity entry

    // What the chart names: the worksheet's texts as typed.
    std::string refrigerant;
    std::string series;
    std::string evapTemp;
    std::string condTemp;
    std::string liqTemp;
    bool metric = false; // temperatures in °C
    std::string unitCaption;

    // The conditions were accepted and rated: there is a picture to draw.
    bool rated() const { return !entryFailure && !(message && message->kind == SelectionMessageKind::DeltaPTooSmall); }
    // A capacity in tons back in the unit of the entry, as the results dialog converts it.
    float inUnit(float tons) const { return static_cast<float>(static_cast<double>(tons) / UnitMultiplier); }
};

OperatingWindows SelectionWindows(const SelectionRequest& request, const NumberLocale& locale = {});

} // namespace korveld
