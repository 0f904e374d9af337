#include "app/printing.h"
#include "gui_fixture.h"

#include <QImage>
#include <QPainter>
#include <QPrinterInfo>

namespace korveld::testing {
namespace {

TEST(Printing, WithoutADefaultPrinterPrintingFails) {
    if (!QPrinterInfo::defaultPrinter().isNull()) {
        GTEST_SKIP() << "this machine has a default printer";
    }
    PrintDocument document;
    document.newLine().at(10, "date").at(30, "time");
    EXPECT_FALSE(printOnDefaultPrinter(document, QStringLiteral("KORVELD - Valve Capacity Worksheet")));
}

TEST(Printing, PaintsEveryLineAndBreaksPagesWhenFull) {
    PrintDocument document;
    for (int i = 0; i < 10; ++i) {
        document.newLine().at(3, "LABEL :").at(40, std::to_string(i));
    }
    QImage page(800, 60, QImage::Format_RGB32);
    page.fill(Qt::white);
    QPainter painter(&page);
    int pages = 1;
    const int drawn = paintDocument(document, painter, page, page.height(), [&pages] {
        ++pages;
        return true;
    });
    const int linesPerPage = page.height() / painter.fontMetrics().lineSpacing();
    painter.end();
    EXPECT_EQ(drawn, 10);
    EXPECT_EQ(pages, (10 + linesPerPage - 1) / linesPerPage);
    int inked = 0;
    for (int y = 0; y < page.height(); ++y) {
        for (int x = 0; x < page.width(); ++x) {
            inked += page.pixel(x, y) != QColor(Qt::white).rgb() ? 1 : 0;
        }
    }
    EXPECT_GT(inked, 0);
}

TEST(Printing, StoppedPrinterEndsTheDocument) {
    PrintDocument document;
    for (int i = 0; i < 10; ++i) {
        document.newLine().text("x");
    }
    QImage page(200, 40, QImage::Format_RGB32);
    QPainter painter(&page);
    const int drawn = paintDocument(document, painter, page, page.height(), [] { return false; });
    const int linesPerPage = page.height() / painter.fontMetrics().lineSpacing();
    painter.end();
    EXPECT_EQ(drawn, linesPerPage);
}

} // namespace
} // namespace korveld::testing
