#include "worksheet_gui.h"

#include "engine/series_numbers.h"

namespace korveld::testing {

frmtxvCapacity& WorksheetGui::openCapacity() {
    start();
    act([this] { screen().cmdValveCap.userClick(); });
    auto& sheet = m_program->form<frmtxvCapacity>();
    EXPECT_TRUE(waitFor([&] { return windowOf(sheet).isVisible(); }));
    return sheet;
}

frmtxvCapacity& WorksheetGui::typeKO(const char* systemCapacity) {
    frmtxvCapacity& sheet = openCapacity();
    act([&] {
        sheet.refrigerantMenu("R-22")->userPick();
        sheet.seriesMenu(series::KO)->userPick();
        sheet.txtEvapTemp.userType("40");
        sheet.txtCondTemp.userType("100");
        sheet.txtLiqTemp.userType("90");
        if (systemCapacity != nullptr) {
            sheet.optYES.userClick();
            sheet.txtSystemCapacity.userType(systemCapacity);
        }
    });
    return sheet;
}

frmtxvCapacity& WorksheetGui::rateKO(const char* systemCapacity) {
    frmtxvCapacity& sheet = typeKO(systemCapacity);
    act([&] { sheet.cmdCalculate.userClick(); });
    EXPECT_TRUE(sheet.cmdPrint.visible());
    return sheet;
}

frmkorveld& WorksheetGui::openSelection() {
    start();
    act([this] { screen().cmdValveSelect.userClick(); });
    frmkorveld& sheet = *selectionSheet();
    EXPECT_TRUE(waitFor([&] { return windowOf(sheet).isVisible(); }));
    return sheet;
}

void WorksheetGui::enter(frmkorveld& sheet, const TypedSystem& system) {
    act([&] {
        sheet.refrigerantMenu(system.refrigerant)->userPick();
        sheet.seriesMenu(system.series)->userPick();
        sheet.txtEvapTemp.userType(system.evap);
        sheet.txtCondTemp.userType("100");
        sheet.txtLiqTemp.userType("90");
        sheet.txtInputCap.userType(system.capacity);
    });
}

frmResults* WorksheetGui::selectShowing(const TypedSystem& system) {
    frmkorveld& sheet = openSelection();
    enter(sheet, system);
    act([&] { sheet.cmdSelect.userClick(); });
    frmResults* dialog = results();
    if (dialog != nullptr) {
        EXPECT_TRUE(waitFor([&] { return windowOf(*dialog).isVisible(); }));
    }
    return dialog;
}

} // namespace korveld::testing
