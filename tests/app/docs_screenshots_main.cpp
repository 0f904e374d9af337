// Photographs the program's windows for the README: each window grabbed as the screen shows it,
// after the steps a user takes. scripts/screenshots.sh --docs runs it under Xvfb and writes docs/.
#include "app/form_window.h"
#include "app/operating_window_chart.h"
#include "app/qt_adapter.h"
#include "app/qt_platform.h"
#include "engine/series_numbers.h"
#include "worksheets/frm_korveld.h"
#include "worksheets/frm_results.h"
#include "worksheets/frm_selection.h"
#include "worksheets/frm_txv_capacity.h"

#include <QApplication>
#include <QDir>
#include <QPainter>
#include <QTest>
#include <cstdio>

namespace {

using namespace korveld;

bool save(const QImage& image, const QString& folder, const QString& name) {
    const QString path = QDir(folder).filePath(name + QStringLiteral(".png"));
    const bool written = image.save(path);
    std::printf("%s %s (%dx%d)\n", written ? "wrote" : "FAILED", qPrintable(path), image.width(), image.height());
    return written;
}

QImage grabbed(QWidget& window) {
    QTest::qWait(300);
    return window.grab().toImage();
}

// Two windows side by side, as they stand on the screen.
QImage sideBySide(const QImage& left, const QImage& right) {
    constexpr int kGap = 12;
    QImage both(left.width() + kGap + right.width(), std::max(left.height(), right.height()), QImage::Format_RGB32);
    both.fill(QColor(90, 90, 90));
    QPainter painter(&both);
    painter.drawImage(0, 0, left);
    painter.drawImage(left.width() + kGap, 0, right);
    return both;
}

} // namespace

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("KORVELD"));
    if (argc < 3) {
        std::fprintf(stderr, "usage: korveld_docs_screenshots OUTPUT_FOLDER PROGRAM_FOLDER\n");
        return 2;
    }
    const QString output = QString::fromLocal8Bit(argv[1]);
    QtPlatform platform;
    platform.setApplicationFolder(QString::fromLocal8Bit(argv[2]));
    Program program(platform);
    QtAdapter adapter(program, platform);
    bool ok = true;

    adapter.dispatch([&] { program.start(); });
    ok = save(grabbed(*adapter.windowOf(program.selectionScreen())), output, QStringLiteral("start-screen")) && ok;

    // The capacity worksheet: R-22, KO, 40 / 100 / 90 °F, loading against a 12,000 Btu/h system.
    adapter.dispatch([&] { program.selectionScreen().cmdValveCap.userClick(); });
    auto& capacity = program.form<frmtxvCapacity>();
    adapter.dispatch([&] {
        capacity.mnuRefR22.userPick();
        capacity.mnuKO.userPick();
        capacity.optYES.userClick();
        capacity.txtSystemCapacity.userType("12000");
        capacity.txtEvapTemp.userType("40");
        capacity.txtCondTemp.userType("100");
        capacity.txtLiqTemp.userType("90");
        capacity.cmdCalculate.userClick();
    });
    ok = save(grabbed(*adapter.windowOf(capacity)), output, QStringLiteral("capacity-worksheet")) && ok;
    adapter.dispatch([&] { capacity.cmdClose.userClick(); });

    // The selection worksheet with its answer: R-134a, VMP, 24,000 Btu/h.
    adapter.dispatch([&] { program.selectionScreen().cmdValveSelect.userClick(); });
    auto& selection = program.form<frmkorveld>();
    const auto enter = [&](const char* refrigerant, std::int16_t series, const char* required) {
        adapter.dispatch([&] {
            selection.refrigerantMenu(refrigerant)->userPick();
            selection.seriesMenu(series)->userPick();
            selection.txtEvapTemp.userType("40");
            selection.txtCondTemp.userType("100");
            selection.txtLiqTemp.userType("90");
            selection.txtInputCap.userType(required);
        });
    };
    enter("R-134a", series::VMP, "24000");
    adapter.dispatch([&] { selection.cmdSelect.userClick(); });
    auto* results = static_cast<frmResults*>(program.loaded(FormId::frmResults));
    if (results == nullptr) {
        std::fprintf(stderr, "the selection showed no results dialog\n");
        return 1;
    }
    const QImage resultsImage = grabbed(*adapter.windowOf(*results));
    ok = save(sideBySide(grabbed(*adapter.windowOf(selection)), resultsImage), output,
              QStringLiteral("selection-worksheet")) &&
         ok;
    ok = save(resultsImage, output, QStringLiteral("results-dialog")) && ok;

    // The chart of that selection, from the results dialog.
    adapter.dispatch([&] { results->cmdChart.userClick(); });
    ok = save(grabbed(*platform.chartWindow()), output, QStringLiteral("operating-windows")) && ok;
    adapter.dispatch([&] {
        selection.Timer1.setEnabled(false);
        results->cmdOK.setEnabled(true);
        results->cmdOK.userClick();
    });

    // A requirement that falls between two valves, from the worksheet's View menu.
    enter("R-22", series::QZ, "41500");
    adapter.dispatch([&] { selection.mnuOperatingWindows.userPick(); });
    ok = save(grabbed(*platform.chartWindow()), output, QStringLiteral("operating-windows-between")) && ok;
    return ok ? 0 : 1;
}
