// The printed page of the capacity worksheet: the inputs, the pressure difference across the
// valve and one line per result row, placed at character columns.
#pragma once

#include "engine/number_text.h"
#include "worksheets/print_document.h"

#include <string>
#include <vector>

namespace korveld {

struct CapacityReportRow {
    std::string label;    // lblValName(i)
    std::string capacity; // txtValCap(i)
    std::string loading;  // txtFlowCap(i)
};

// What the page shows, as the worksheet holds it when PRINT is pressed.
struct CapacityReport {
    std::string date;
    std::string time;
    std::string refrigerant; // txtSelectRefrig
    std::string valve;       // txtSelValve
    std::string evapTemp;    // the entries as typed
    std::string condTemp;
    std::string liqTemp;
    bool metric = false;            // kW or kCal chosen: °C and bars
    bool userDefined = false;       // the drop typed is printed rather than DistPressDrop
    std::string pressureDropEntry;  // txtPressureDrop
    float DistPressDrop = 0.0f;     // psi
    float DeltaP = 0.0f;            // psi
    std::string pressureUnit;       // lblPressureUnits
    std::string systemCapacity;     // txtSystemCapacity
    std::string systemCapacityUnit; // lblUnits
    std::string capacityUnit;       // lblCapUnits(0)
    bool loading = false;           // optYES
    std::vector<CapacityReportRow> rows;
};

PrintDocument BuildCapacityReport(const CapacityReport& report, const NumberLocale& locale = {});

} // namespace korveld
