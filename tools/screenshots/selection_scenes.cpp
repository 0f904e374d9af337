// The selection worksheet for four series families, the results dialog in its four layouts, the
// advice box of the timer and the bleed dialog.
#include "app/form_window.h"
#include "engine/series_numbers.h"
#include "photo_session.h"
#include "worksheets/frm_korveld.h"
#include "worksheets/frm_per_cent_bleed.h"
#include "worksheets/frm_selection.h"

#include <QApplication>
#include <QTimer>

namespace korveld::screenshots {

bool SelectionScenes(PhotoSession& session) {
    Program& program = session.program();
    session.dispatch([&] { program.selectionScreen().cmdValveSelect.userClick(); });
    auto& sheet = program.form<frmkorveld>();
    const auto select = [&](const char* refrigerant, std::int16_t series, const char* required) {
        CloseResults(program, sheet);
        EnterSystem(sheet, refrigerant, series, "40", required);
        sheet.cmdSelect.userClick();
    };

    using namespace korveld::series;
    bool ok = session.photographSteps({
        {QStringLiteral("selection_worksheet_start"), [] {}},
        {QStringLiteral("selection_worksheet_KO"), [&] { EnterSystem(sheet, "R-22", KO, "40", "14840"); }},
        {QStringLiteral("selection_worksheet_QZ"), [&] { EnterSystem(sheet, "R-404A", QZ, "20", "30000"); }},
        {QStringLiteral("selection_worksheet_VMP"), [&] { EnterSystem(sheet, "R-134a", VMP, "40", "24000"); }},
        {QStringLiteral("selection_worksheet_DQQ"), [&] { EnterSystem(sheet, "R-22", DQQ, "40", "12000"); }},
        {QStringLiteral("results_KO_R22"), [&] { select("R-22", KO, "14840"); }},
        {QStringLiteral("results_KO_R134a_advice"), [&] { select("R-134a", KO, "12000"); }},
        {QStringLiteral("results_VMP_R22"), [&] { select("R-22", VMP, "48000"); }},
        {QStringLiteral("results_VMP_R134a_advice"), [&] { select("R-134a", VMP, "24000"); }},
    });

    // The advice box is modal: photographed from inside its own event loop.
    QTimer::singleShot(0, [&] {
        ok = session.photographScreen(QStringLiteral("results_advice_timer_box")) && ok;
        if (QWidget* box = QApplication::activeModalWidget()) {
            box->close();
        }
    });
    session.dispatch([&] { sheet.Timer1.fire(); });

    ok = session.photographSteps({
             {QStringLiteral("bleed_dialog"),
              [&] {
                  CloseResults(program, sheet);
                  EnterSystem(sheet, "R-22", KO, "40", "14840");
                  sheet.optYES.userClick();
                  if (auto* bleed = program.loaded<frmPerCentBleed>()) {
                      bleed->opt20.userClick();
                  }
              }},
         }) &&
         ok;
    return ok;
}

} // namespace korveld::screenshots
