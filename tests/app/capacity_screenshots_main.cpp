// Drives the capacity worksheet of the real program on a display and photographs the screen after
// each step with ImageMagick's import: scripts/screenshots.sh runs it under Xvfb.
#include "app/qt_adapter.h"
#include "app/qt_platform.h"
#include "worksheets/frm_selection.h"
#include "worksheets/frm_txv_capacity.h"

#include <QApplication>
#include <QDir>
#include <QProcess>
#include <QTest>
#include <cstdio>
#include <functional>
#include <utility>
#include <vector>

namespace {

bool photograph(const QString& folder, const QString& name) {
    QTest::qWait(500);
    const QString path = QDir(folder).filePath(QStringLiteral("capacity_") + name + QStringLiteral(".png"));
    const int status =
        QProcess::execute(QStringLiteral("import"), {QStringLiteral("-window"), QStringLiteral("root"), path});
    std::printf("%s %s\n", status == 0 ? "wrote" : "FAILED", qPrintable(path));
    return status == 0;
}

} // namespace

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("KORVELD"));
    if (argc < 3) {
        std::fprintf(stderr, "usage: korveld_capacity_screenshots OUTPUT_FOLDER PROGRAM_FOLDER\n");
        return 2;
    }
    const QString output = QString::fromLocal8Bit(argv[1]);
    korveld::QtPlatform platform;
    platform.setApplicationFolder(QString::fromLocal8Bit(argv[2]));
    korveld::Program program(platform);
    korveld::QtAdapter adapter(program, platform);
    adapter.dispatch([&] {
        program.start();
        program.selectionScreen().cmdValveCap.userClick();
    });
    auto& f = program.form<korveld::frmtxvCapacity>();
    const auto conditions = [&f](const char* evap, const char* cond, const char* liq) {
        f.txtEvapTemp.userType(evap);
        f.txtCondTemp.userType(cond);
        f.txtLiqTemp.userType(liq);
    };

    const std::vector<std::pair<QString, std::function<void()>>> steps{
        {QStringLiteral("opened"), [] {}},
        {QStringLiteral("english_before_calculate"),
         [&] {
             f.mnuRefR22.userPick();
             f.mnuKO.userPick();
             conditions("40", "100", "90");
         }},
        {QStringLiteral("english_calculated"), [&] { f.cmdCalculate.userClick(); }},
        {QStringLiteral("english_loading_before_calculate"),
         [&] {
             f.optYES.userClick();
             f.txtSystemCapacity.userType("12000");
         }},
        {QStringLiteral("english_loading_calculated"), [&] { f.cmdCalculate.userClick(); }},
        {QStringLiteral("metric_user_defined_before_calculate"),
         [&] {
             f.mnuMetric.userPick();
             f.mnuKiloWatts.userPick();
             f.mnuQZ.userPick();
             f.optUserDefined.userClick();
             f.txtPressureDrop.userType("2.1");
         }},
        {QStringLiteral("metric_user_defined_loading_calculated"), [&] { f.cmdCalculate.userClick(); }},
        {QStringLiteral("metric_no_loading_calculated"),
         [&] {
             f.optDone.userClick();
             f.cmdCalculate.userClick();
         }},
        {QStringLiteral("reopened_after_close"),
         [&] {
             f.cmdClose.userClick();
             program.selectionScreen().cmdValveCap.userClick();
             f.mnuRefR22.userPick();
             f.mnuVULK.userPick();
             conditions("4", "38", "32");
             f.cmdCalculate.userClick();
         }},
    };
    bool ok = true;
    for (const auto& [name, step] : steps) {
        adapter.dispatch(step);
        ok = photograph(output, name) && ok;
    }
    return ok ? 0 : 1;
}
