// Drives the real program through its help views on a display and photographs the screen after
// each step with ImageMagick's import: scripts/screenshots.sh runs it under Xvfb.
#include "app/help_viewer.h"
#include "app/qt_adapter.h"
#include "app/qt_platform.h"
#include "worksheets/frm_selection.h"

#include <QApplication>
#include <QCursor>
#include <QDir>
#include <QLineEdit>
#include <QProcess>
#include <QTest>
#include <QWidget>
#include <cstdio>
#include <functional>
#include <utility>
#include <vector>

namespace {

bool photograph(const QString& folder, const QString& name) {
    QTest::qWait(700);
    const QString path = QDir(folder).filePath(name + QStringLiteral(".png"));
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
        std::fprintf(stderr, "usage: korveld_screenshots OUTPUT_FOLDER PROGRAM_FOLDER\n");
        return 2;
    }
    const QString output = QString::fromLocal8Bit(argv[1]);
    korveld::QtPlatform platform;
    platform.setApplicationFolder(QString::fromLocal8Bit(argv[2]));
    korveld::Program program(platform);
    korveld::QtAdapter adapter(program, platform);
    adapter.dispatch([&] { program.start(); });
    korveld::frmSelection& screen = program.selectionScreen();
    korveld::HelpViewer& viewer = platform.helpViewer();

    const std::vector<std::pair<QString, std::function<void()>>> steps{
        {QStringLiteral("start_screen"), [] {}},
        {QStringLiteral("help_topic"), [&] { screen.mnuValveCapacity.userPick(); }},
        {QStringLiteral("help_popup"),
         [&] {
             QCursor::setPos(300, 300);
             screen.help().HelpContextPopup(korveld::HelpId::DistributorPopup);
         }},
        {QStringLiteral("help_contents"),
         [&] {
             if (viewer.popup() != nullptr) {
                 viewer.popup()->close();
             }
             screen.mnuContents.userPick();
         }},
        {QStringLiteral("help_search"),
         [&] {
             screen.help().HelpSearch();
             if (viewer.window() != nullptr && viewer.window()->searchDialog() != nullptr) {
                 QTest::keyClicks(viewer.window()->searchDialog()->findChild<QLineEdit*>(), QStringLiteral("charge"));
             }
         }},
        {QStringLiteral("help_missing_file"),
         [&] {
             if (viewer.window() != nullptr && viewer.window()->searchDialog() != nullptr) {
                 viewer.window()->searchDialog()->close();
             }
             program.uv().HelpFile = "/nonexistent/PALDEN.HLP";
             screen.help().HelpContext(korveld::HelpId::Introduction);
         }},
    };
    bool ok = true;
    for (const auto& [name, step] : steps) {
        adapter.dispatch(step);
        ok = photograph(output, name) && ok;
    }
    return ok ? 0 : 1;
}
