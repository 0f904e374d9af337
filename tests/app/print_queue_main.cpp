// The real print queue tests run in one process against one private CUPS scheduler, started
// before the first test and pointed at before anything asks for a printer. Where the machine
// cannot run it, the program says why and ends with status 77, which ctest reports as skipped.
#include "private_print_server.h"

#include <QApplication>
#include <gtest/gtest.h>
#include <iostream>

namespace korveld::testing {

namespace {
PrivatePrintServer* server = nullptr;
} // namespace

PrivatePrintServer& printServer() {
    return *server;
}

} // namespace korveld::testing

int main(int argc, char* argv[]) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("KORVELD"));
    QApplication::setQuitOnLastWindowClosed(false);
    ::testing::InitGoogleTest(&argc, argv);

    korveld::testing::PrivatePrintServer server;
    if (!server.start()) {
        std::cout << "Skipped: printing through a real queue cannot be tested here: " << server.whyNot().toStdString()
                  << std::endl;
        return 77;
    }
    std::cout << "Printing through a private CUPS scheduler with " << server.describe().toStdString() << std::endl;
    server.pointClientsHere();
    korveld::testing::server = &server;
    const int result = RUN_ALL_TESTS();
    korveld::testing::server = nullptr;
    return result;
}
