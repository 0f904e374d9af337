#include "cli/worksheet_choices.h"

#include "cli/option_parser.h"
#include "engine/valconts.h"

namespace korveld::cli {

const RefrigerantInfo* RefrigerantNamed(std::string_view name) {
    for (const RefrigerantInfo& refrigerant : Refrigerants()) {
        if (EqualIgnoringCase(refrigerant.name, name)) {
            return &refrigerant;
        }
    }
    return nullptr;
}

const SeriesMenuEntry* SeriesNamed(std::string_view name) {
    for (const SeriesMenuEntry& entry : SeriesMenu()) {
        if (EqualIgnoringCase(entry.text, name) || EqualIgnoringCase(entry.caption, name) ||
            EqualIgnoringCase(Series(entry.SeriesNo).code, name)) {
            return &entry;
        }
    }
    return nullptr;
}

std::string RefrigerantNames() {
    std::string names;
    for (const RefrigerantInfo& refrigerant : Refrigerants()) {
        names.append(names.empty() ? "" : ", ").append(refrigerant.name);
    }
    return names;
}

std::string SeriesNames() {
    std::string names;
    for (const SeriesMenuEntry& entry : SeriesMenu()) {
        names.append(names.empty() ? "" : ", ").append(entry.text);
    }
    return names;
}

} // namespace korveld::cli
