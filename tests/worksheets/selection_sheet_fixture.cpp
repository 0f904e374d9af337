#include "selection_sheet_fixture.h"

namespace korveld::testing {

SelectionSheetTest::SelectionSheetTest() {
    program.start();
    program.dispatch([this] { program.selectionScreen().cmdValveSelect.userClick(); });
    sheet = program.loaded<frmkorveld>();
    platform.clear();
}

void SelectionSheetTest::pickRefrigerant(const char* name) {
    MenuEntry* entry = sheet->refrigerantMenu(name);
    ASSERT_NE(entry, nullptr) << name;
    pickMenu(*entry);
}

void SelectionSheetTest::pickSeries(std::int16_t series) {
    MenuEntry* entry = sheet->seriesMenu(series);
    ASSERT_NE(entry, nullptr) << series;
    pickMenu(*entry);
}

void SelectionSheetTest::pickMenu(MenuEntry& entry) {
    bool picked = false;
    act([&] { picked = entry.userPick(); });
    EXPECT_TRUE(picked) << entry.fullName();
}

void SelectionSheetTest::type(TextBox& box, const char* text) {
    bool typed = false;
    act([&] { typed = box.userType(text); });
    EXPECT_TRUE(typed) << box.fullName();
}

void SelectionSheetTest::click(Control& control) {
    bool clicked = false;
    act([&] { clicked = control.userClick(); });
    EXPECT_TRUE(clicked) << control.fullName();
}

void SelectionSheetTest::enter(const SystemEntries& system) {
    pickRefrigerant(system.refrigerant);
    pickSeries(system.series);
    type(sheet->txtEvapTemp, system.evap);
    type(sheet->txtCondTemp, system.cond);
    type(sheet->txtLiqTemp, system.liquid);
    type(sheet->txtInputCap, system.capacity);
}

void SelectionSheetTest::select() {
    click(sheet->cmdSelect);
}

std::vector<std::string> SelectionSheetTest::titles() const {
    std::vector<std::string> out;
    for (const RecordingPlatform::Message& message : platform.messages()) {
        out.push_back(message.title);
    }
    return out;
}

} // namespace korveld::testing
