// The selection worksheet opened from the start screen on the recording platform, with the steps a
// user takes: menu picks, typing, clicks, each run as one event of the program.
#pragma once

#include "worksheets/frm_korveld.h"
#include "worksheets/frm_per_cent_bleed.h"
#include "worksheets/frm_results.h"
#include "worksheets/frm_selection.h"
#include "worksheets/recording_platform.h"

#include <functional>
#include <gtest/gtest.h>
#include <string>

namespace korveld::testing {

// The entries of one system, as typed.
struct SystemEntries {
    const char* refrigerant;
    std::int16_t series;
    const char* evap;
    const char* cond;
    const char* liquid;
    const char* capacity;
};

class SelectionSheetTest : public ::testing::Test {
public:
    SelectionSheetTest();

    void act(const std::function<void()>& step) { program.dispatch(step); }
    void pickRefrigerant(const char* name);
    void pickSeries(std::int16_t series);
    void type(TextBox& box, const char* text);
    void click(Control& control);
    void pickMenu(MenuEntry& entry);
    // Refrigerant, series, the three temperatures and the capacity, in the order a user goes.
    void enter(const SystemEntries& system);
    void select();
    frmResults* results() const { return program.loaded<frmResults>(); }
    frmPerCentBleed* bleedDialog() const { return program.loaded<frmPerCentBleed>(); }
    // The titles of the message boxes shown since the last clear.
    std::vector<std::string> titles() const;

    RecordingPlatform platform;
    Program program{platform};
    frmkorveld* sheet = nullptr;
};

} // namespace korveld::testing
