// The README's pictures: each window grabbed as the screen shows it, after the steps a user takes.
#include "app/form_window.h"
#include "app/operating_window_chart.h"
#include "app/series_comparison_window.h"
#include "engine/series_numbers.h"
#include "photo_session.h"
#include "worksheets/frm_korveld.h"
#include "worksheets/frm_results.h"
#include "worksheets/frm_selection.h"
#include "worksheets/frm_txv_capacity.h"

#include <QTest>
#include <cstdio>

namespace korveld::screenshots {
namespace {

QImage grabbed(QWidget& window) {
    QTest::qWait(300);
    return window.grab().toImage();
}

} // namespace

bool DocsScenes(PhotoSession& session) {
    Program& program = session.program();
    QtAdapter& adapter = session.adapter();
    bool ok = session.save(grabbed(*adapter.windowOf(program.selectionScreen())), QStringLiteral("start-screen"));

    // The capacity worksheet: R-22, KO, 40 / 100 / 90 °F, loading against a 12,000 Btu/h system.
    session.dispatch([&] { program.selectionScreen().cmdValveCap.userClick(); });
    auto& capacity = program.form<frmtxvCapacity>();
    session.dispatch([&] {
        capacity.refrigerantMenu("R-22")->userPick();
        capacity.seriesMenu(series::KO)->userPick();
        capacity.optYES.userClick();
        capacity.txtSystemCapacity.userType("12000");
        capacity.txtEvapTemp.userType("40");
        capacity.txtCondTemp.userType("100");
        capacity.txtLiqTemp.userType("90");
        capacity.cmdCalculate.userClick();
    });
    ok = session.save(grabbed(*adapter.windowOf(capacity)), QStringLiteral("capacity-worksheet")) && ok;
    session.dispatch([&] { capacity.cmdClose.userClick(); });

    // The selection worksheet with its answer: R-134a, VMP, 24,000 Btu/h.
    session.dispatch([&] { program.selectionScreen().cmdValveSelect.userClick(); });
    auto& selection = program.form<frmkorveld>();
    session.dispatch([&] {
        EnterSystem(selection, "R-134a", series::VMP, "40", "24000");
        selection.cmdSelect.userClick();
    });
    auto* results = program.loaded<frmResults>();
    if (results == nullptr) {
        std::fprintf(stderr, "the selection showed no results dialog\n");
        return false;
    }
    const QImage resultsImage = grabbed(*adapter.windowOf(*results));
    // The whole screen, as the window manager shows the worksheet with its dialog.
    ok = session.photographScreen(QStringLiteral("selection-worksheet")) && ok;
    ok = session.save(resultsImage, QStringLiteral("results-dialog")) && ok;

    // The chart of that selection, from the results dialog.
    session.dispatch([&] { results->cmdChart.userClick(); });
    ok = session.save(grabbed(*session.platform().chartWindow()), QStringLiteral("operating-windows")) && ok;
    session.dispatch([&] { CloseResults(program, selection); });

    // A requirement that falls between two valves, from the worksheet's View menu.
    session.dispatch([&] {
        EnterSystem(selection, "R-22", series::QZ, "40", "41500");
        selection.mnuOperatingWindows.userPick();
    });
    ok = session.save(grabbed(*session.platform().chartWindow()), QStringLiteral("operating-windows-between")) && ok;
    session.platform().HideOperatingWindows();

    // Every series for one duty, beside the worksheet.
    session.dispatch([&] {
        EnterSystem(selection, "R-22", series::KO, "40", "30000");
        selection.mnuCompareSeries.userPick();
    });
    QTest::qWait(300);
    ok = session.photographScreen(QStringLiteral("compare-all-series")) && ok;
    session.platform().comparisonWindow()->hide();

    // A job's schedule: three tagged valves, each added from the results dialog.
    struct Duty {
        const char* tag;
        const char* refrigerant;
        std::int16_t series;
        const char* evap;
        const char* required;
    };
    for (const Duty& duty :
         {Duty{"EVAP-1", "R-22", series::KO, "40", "14840"}, Duty{"EVAP-2", "R-22", series::QZ, "20", "30000"},
          Duty{"COOLER-3", "R-134a", series::VMP, "40", "24000"}}) {
        session.platform().setInputAnswerer(
            [&duty](const std::string&) { return std::optional<std::string>(duty.tag); });
        session.dispatch([&] {
            EnterSystem(selection, duty.refrigerant, duty.series, duty.evap, duty.required);
            selection.cmdSelect.userClick();
        });
        if (auto* dialog = static_cast<frmResults*>(program.loaded(FormId::frmResults))) {
            session.dispatch([&] { dialog->cmdAddToSchedule.userClick(); });
            session.dispatch([&] { CloseResults(program, selection); });
        }
    }
    QTest::qWait(300);
    ok = session.photographScreen(QStringLiteral("schedule")) && ok;
    return ok;
}

} // namespace korveld::screenshots
