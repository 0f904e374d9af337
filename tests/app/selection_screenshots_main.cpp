// Drives the selection worksheet of the real program on a display and photographs the screen after
// each step with ImageMagick's import: the worksheet for four series families, the results dialog
// in its four layouts and the bleed dialog. scripts/screenshots.sh runs it under Xvfb.
#include "app/form_window.h"
#include "app/qt_adapter.h"
#include "app/qt_platform.h"
#include "engine/series_numbers.h"
#include "worksheets/frm_korveld.h"
#include "worksheets/frm_per_cent_bleed.h"
#include "worksheets/frm_results.h"
#include "worksheets/frm_selection.h"

#include <QApplication>
#include <QDir>
#include <QProcess>
#include <QTest>
#include <QTimer>
#include <cstdio>
#include <functional>
#include <utility>
#include <vector>

namespace {

using namespace korveld;

bool photograph(const QString& folder, const QString& name) {
    QTest::qWait(700);
    const QString path = QDir(folder).filePath(name + QStringLiteral(".png"));
    const int status =
        QProcess::execute(QStringLiteral("import"), {QStringLiteral("-window"), QStringLiteral("root"), path});
    std::printf("%s %s\n", status == 0 ? "wrote" : "FAILED", qPrintable(path));
    return status == 0;
}

struct System {
    const char* refrigerant;
    std::int16_t series;
    const char* evap;
    const char* capacity;
};

} // namespace

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("KORVELD"));
    if (argc < 3) {
        std::fprintf(stderr, "usage: korveld_selection_screenshots OUTPUT_FOLDER PROGRAM_FOLDER\n");
        return 2;
    }
    const QString output = QString::fromLocal8Bit(argv[1]);
    QtPlatform platform;
    platform.setApplicationFolder(QString::fromLocal8Bit(argv[2]));
    Program program(platform);
    QtAdapter adapter(program, platform);
    adapter.dispatch([&] { program.start(); });
    adapter.dispatch([&] { program.selectionScreen().cmdValveSelect.userClick(); });
    auto& sheet = static_cast<frmkorveld&>(*program.loaded(FormId::frmkorveld));

    // A system typed in as a user would; the results dialog of a selection sits beside the worksheet.
    const auto enter = [&](const System& system) {
        sheet.refrigerantMenu(system.refrigerant)->userPick();
        sheet.seriesMenu(system.series)->userPick();
        sheet.txtEvapTemp.userType(system.evap);
        sheet.txtCondTemp.userType("100");
        sheet.txtLiqTemp.userType("90");
        sheet.txtInputCap.userType(system.capacity);
    };
    const auto selectAndPlace = [&] {
        sheet.cmdSelect.userClick();
        if (Form* results = program.loaded(FormId::frmResults)) {
            adapter.renderAll();
            adapter.windowOf(*results)->move(adapter.windowOf(sheet)->frameGeometry().topRight() + QPoint(10, 0));
        }
    };
    const auto closeResults = [&] {
        if (auto* results = static_cast<frmResults*>(program.loaded(FormId::frmResults))) {
            // Skips the timed box: OK as the timer would leave it.
            sheet.Timer1.setEnabled(false);
            results->cmdOK.setEnabled(true);
            results->cmdOK.userClick();
        }
    };

    using namespace korveld::series;
    const std::vector<std::pair<QString, std::function<void()>>> steps{
        {QStringLiteral("selection_worksheet_start"), [] {}},
        {QStringLiteral("selection_worksheet_KO"),
         [&] {
             enter({"R-22", KO, "40", "14840"});
         }},
        {QStringLiteral("selection_worksheet_QZ"),
         [&] {
             enter({"R-404A", QZ, "20", "30000"});
         }},
        {QStringLiteral("selection_worksheet_VMP"),
         [&] {
             enter({"R-134a", VMP, "40", "24000"});
         }},
        {QStringLiteral("selection_worksheet_DQQ"),
         [&] {
             enter({"R-22", DQQ, "40", "12000"});
         }},
        {QStringLiteral("results_KO_R22"),
         [&] {
             enter({"R-22", KO, "40", "14840"});
             selectAndPlace();
         }},
        {QStringLiteral("results_KO_R134a_advice"),
         [&] {
             closeResults();
             enter({"R-134a", KO, "40", "12000"});
             selectAndPlace();
         }},
        {QStringLiteral("results_VMP_R22"),
         [&] {
             closeResults();
             enter({"R-22", VMP, "40", "48000"});
             selectAndPlace();
         }},
        {QStringLiteral("results_VMP_R134a_advice"),
         [&] {
             closeResults();
             enter({"R-134a", VMP, "40", "24000"});
             selectAndPlace();
         }},
        {QStringLiteral("results_advice_timer_box"), [&] { adapter.dispatch([&] { sheet.Timer1.fire(); }); }},
        {QStringLiteral("bleed_dialog"),
         [&] {
             closeResults();
             enter({"R-22", KO, "40", "14840"});
             sheet.optYES.userClick();
             adapter.renderAll();
             if (Form* bleed = program.loaded(FormId::frmPerCentBleed)) {
                 adapter.windowOf(*bleed)->move(adapter.windowOf(sheet)->frameGeometry().topRight() + QPoint(10, 0));
                 static_cast<frmPerCentBleed*>(bleed)->opt20.userClick();
             }
         }},
    };
    bool ok = true;
    for (const auto& [name, step] : steps) {
        if (name == QStringLiteral("results_advice_timer_box")) {
            // The box is modal: photograph it from inside its own event loop.
            QTimer::singleShot(0, [&, name = name] {
                ok = photograph(output, name) && ok;
                if (QWidget* box = QApplication::activeModalWidget()) {
                    box->close();
                }
            });
            step();
            continue;
        }
        adapter.dispatch(step);
        ok = photograph(output, name) && ok;
    }
    return ok ? 0 : 1;
}
