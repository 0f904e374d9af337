// The program: the start screen in a real window, driven by the window models.
#include "app/program_options.h"
#include "app/qt_adapter.h"
#include "app/qt_conversions.h"
#include "app/qt_platform.h"
#include "generated/project_identity.h"
#include "worksheets/application.h"
#include "worksheets/program.h"

#include <QApplication>
#include <QFileInfo>
#include <iostream>

int main(int argc, char* argv[]) {
    const std::string versionText = korveld::VersionText("korveld");
    const korveld::ProgramOptionContext context{
        versionText,
        [&argc, argv] {
            // The program's folder as the running program finds it, through a link too.
            QCoreApplication core(argc, argv);
            return korveld::QtPlatform().ApplicationFolder();
        },
        [](const std::string& path) { return QFileInfo(QString::fromStdString(path)).isFile(); }};
    if (const std::optional<int> status = korveld::runProgramOption(argc, argv, context, std::cout, std::cerr)) {
        return *status;
    }
    QApplication application(argc, argv);
    QApplication::setApplicationName(korveld::qs(korveld::kApplicationTitle));
    // Names the desktop entry, so that desktops show the window under its launcher and icon.
    QGuiApplication::setDesktopFileName(korveld::qs(korveld::kDesktopEntryName));
    QApplication::setQuitOnLastWindowClosed(false);
    korveld::QtPlatform platform;
    korveld::Program program(platform);
    korveld::QtAdapter adapter(program, platform);
    adapter.dispatch([&program] { program.start(); });
    return QApplication::exec();
}
