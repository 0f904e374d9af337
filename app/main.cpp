// The program: the start screen in a real window, driven by the window models.
#include "app/qt_adapter.h"
#include "app/qt_conversions.h"
#include "app/qt_platform.h"
#include "worksheets/application.h"
#include "worksheets/program.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    QApplication::setApplicationName(korveld::qs(korveld::kApplicationTitle));
    QApplication::setQuitOnLastWindowClosed(false);
    korveld::QtPlatform platform;
    korveld::Program program(platform);
    korveld::QtAdapter adapter(program, platform);
    adapter.dispatch([&program] { program.start(); });
    return QApplication::exec();
}
