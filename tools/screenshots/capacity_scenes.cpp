// The capacity worksheet before and after Calculate: English and metric units, with and without
// loading, a user-defined distributor, and reopened after Close.
#include "engine/series_numbers.h"
#include "photo_session.h"
#include "worksheets/frm_selection.h"
#include "worksheets/frm_txv_capacity.h"

namespace korveld::screenshots {

bool CapacityScenes(PhotoSession& session) {
    Program& program = session.program();
    session.dispatch([&] { program.selectionScreen().cmdValveCap.userClick(); });
    auto& f = program.form<frmtxvCapacity>();
    const auto conditions = [&f](const char* evap, const char* cond, const char* liq) {
        f.txtEvapTemp.userType(evap);
        f.txtCondTemp.userType(cond);
        f.txtLiqTemp.userType(liq);
    };
    return session.photographSteps({
        {QStringLiteral("capacity_opened"), [] {}},
        {QStringLiteral("capacity_english_before_calculate"),
         [&] {
             f.refrigerantMenu("R-22")->userPick();
             f.seriesMenu(series::KO)->userPick();
             conditions("40", "100", "90");
         }},
        {QStringLiteral("capacity_english_calculated"), [&] { f.cmdCalculate.userClick(); }},
        {QStringLiteral("capacity_english_loading_before_calculate"),
         [&] {
             f.optYES.userClick();
             f.txtSystemCapacity.userType("12000");
         }},
        {QStringLiteral("capacity_english_loading_calculated"), [&] { f.cmdCalculate.userClick(); }},
        {QStringLiteral("capacity_metric_user_defined_before_calculate"),
         [&] {
             f.mnuMetric.userPick();
             f.mnuKiloWatts.userPick();
             f.seriesMenu(series::QZ)->userPick();
             f.optUserDefined.userClick();
             f.txtPressureDrop.userType("2.1");
         }},
        {QStringLiteral("capacity_metric_user_defined_loading_calculated"), [&] { f.cmdCalculate.userClick(); }},
        {QStringLiteral("capacity_metric_no_loading_calculated"),
         [&] {
             f.optDone.userClick();
             f.cmdCalculate.userClick();
         }},
        {QStringLiteral("capacity_reopened_after_close"),
         [&] {
             f.cmdClose.userClick();
             program.selectionScreen().cmdValveCap.userClick();
             f.refrigerantMenu("R-22")->userPick();
             f.seriesMenu(series::VULK)->userPick();
             conditions("4", "38", "32");
             f.cmdCalculate.userClick();
         }},
    });
}

} // namespace korveld::screenshots
