// Every window on screen: a window opens at its design position where it fits and is moved the
// least that keeps its frame inside the free area of the screen where it does not; one larger
// than the area starts at its top left; a reopened worksheet keeps the place the user gave it.
// ctest runs these on a 1024x768 screen at 100 %, 150 % and 200 %, and under a window manager.
#include "app/help_viewer.h"
#include "app/operating_window_chart.h"
#include "app/window_placement.h"
#include "engine/series_numbers.h"
#include "worksheet_gui.h"

#include <QScreen>
#include <cmath>

namespace korveld::testing {
namespace {

using namespace korveld::series;

// ---- The rule ----

struct InsideCase {
    const char* name;
    QRect frame;
    QPoint expected;
};

class PlacedInside : public ::testing::TestWithParam<InsideCase> {};

TEST_P(PlacedInside, MovesTheFrameTheLeastThatKeepsItInsideTheArea) {
    const QRect area(0, 30, 1024, 738); // a panel along the top
    EXPECT_EQ(placedInside(GetParam().frame, area), GetParam().expected);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(WindowPlacement, PlacedInside, ::testing::Values(
    InsideCase{"FitsWhereItIs",          QRect(100, 100, 500, 400),  QPoint(100, 100)},
    InsideCase{"TouchesEveryEdge",       QRect(0, 30, 1024, 738),    QPoint(0, 30)},
    InsideCase{"BelowTheBottom",         QRect(100, 600, 500, 400),  QPoint(100, 368)},
    InsideCase{"OneRowBelowTheBottom",   QRect(0, 369, 500, 400),    QPoint(0, 368)},
    InsideCase{"RightOfTheRightEdge",    QRect(900, 100, 500, 400),  QPoint(524, 100)},
    InsideCase{"UnderThePanel",          QRect(16, 16, 500, 400),    QPoint(16, 30)},
    InsideCase{"LeftOfTheScreen",        QRect(-40, 100, 500, 400),  QPoint(0, 100)},
    InsideCase{"TallerThanTheArea",      QRect(200, 100, 500, 900),  QPoint(200, 30)},
    InsideCase{"WiderThanTheArea",       QRect(200, 100, 1100, 300), QPoint(0, 100)},
    InsideCase{"LargerThanTheArea",      QRect(300, 300, 1100, 900), QPoint(0, 30)},
    InsideCase{"ExactlyAsWideAsTheArea", QRect(5, 100, 1024, 300),   QPoint(0, 100)}
), [](const auto& info) { return std::string(info.param.name); });
// clang-format on

// ---- The program's windows ----

class WindowPlacement : public WorksheetGui {
public:
    // Every window of the program shown now: its frame inside the free area of its screen, or,
    // in a direction in which it is larger than that area, starting at the area's edge.
    void expectEveryWindowOnScreen(const std::string& when) {
        int windows = 0;
        for (QWidget* window : QApplication::topLevelWidgets()) {
            if (!window->isVisible() || window->windowType() == Qt::Popup) {
                continue;
            }
            ++windows;
            // Once the window system has framed it.
            const auto placed = [window] {
                const QRect frame = window->frameGeometry();
                return placedInside(frame, window->screen()->availableGeometry()) == frame.topLeft();
            };
            const QRect frame = window->frameGeometry();
            EXPECT_TRUE(waitFor(placed, 3000))
                << when << ": " << window->objectName().toStdString() << " at " << frame.x() << "," << frame.y() << " "
                << frame.width() << "x" << frame.height();
        }
        EXPECT_GT(windows, 0) << when;
    }
    QRect area() const { return QGuiApplication::primaryScreen()->availableGeometry(); }
    static QRect frameOf(QWidget& window) { return window.frameGeometry(); }
};

TEST_F(WindowPlacement, EveryWindowOpensWhollyOnScreen) {
    frmtxvCapacity& capacity = rateKO("12000"); // the widest layout
    expectEveryWindowOnScreen("capacity worksheet with loading");
    act([&] { capacity.cmdClose.userClick(); });
    frmResults* results = selectShowing({"R-134a", VMP, "40", "24000"}); // the tallest results dialog
    ASSERT_NE(results, nullptr);
    expectEveryWindowOnScreen("selection worksheet and results dialog");
    act([&] { results->cmdChart.userClick(); });
    ASSERT_NE(m_platform->chartWindow(), nullptr);
    ASSERT_TRUE(waitFor([&] { return m_platform->chartWindow()->isVisible(); }));
    expectEveryWindowOnScreen("chart");
    act([&] { screen().mnuIntroduction.userPick(); });
    ASSERT_NE(m_platform->helpViewer().window(), nullptr);
    expectEveryWindowOnScreen("help window");
}

// Waits until the window stands at `expected(frame size)`, and says where it stands otherwise. At
// 150 % a logical position may fall between two screen pixels: within a pixel is there.
::testing::AssertionResult standsAt(QWidget& window, const std::function<QPoint(QSize)>& expected) {
    const int tolerance = window.devicePixelRatioF() == std::floor(window.devicePixelRatioF()) ? 0 : 1;
    const auto there = [&] {
        const QPoint off = window.frameGeometry().topLeft() - expected(window.frameGeometry().size());
        return std::abs(off.x()) <= tolerance && std::abs(off.y()) <= tolerance;
    };
    if (waitFor(there, 3000)) {
        return ::testing::AssertionSuccess();
    }
    const QRect frame = window.frameGeometry();
    const QPoint wanted = expected(frame.size());
    return ::testing::AssertionFailure() << window.objectName().toStdString() << " at " << frame.x() << "," << frame.y()
                                         << " (" << frame.width() << "x" << frame.height() << "), expected at "
                                         << wanted.x() << "," << wanted.y();
}

TEST_F(WindowPlacement, WindowsOpenAtTheirDesignPositionWhereItFits) {
    start();
    const QRect free = area();
    // The start screen in the middle of the screen.
    EXPECT_TRUE(standsAt(windowOf(screen()), [&](QSize size) {
        return placedInside(QRect(free.center() - QPoint(size.width() / 2, size.height() / 2), size), free);
    }));
    // The worksheet at its design position, 240 twips from the screen's top left.
    frmkorveld& sheet = openSelection();
    FormWindow& sheetWindow = windowOf(sheet);
    EXPECT_TRUE(standsAt(sheetWindow, [&](QSize size) { return placedInside(QRect(QPoint(16, 16), size), free); }));
    // The results dialog beside it, the tops in line.
    enter(sheet, {"R-22", KO, "40", "14840"});
    act([&] { sheet.cmdSelect.userClick(); });
    ASSERT_NE(results(), nullptr);
    EXPECT_TRUE(standsAt(windowOf(*results()), [&](QSize size) {
        return placedInside(QRect(besideFrame(sheetWindow.frameGeometry()), size), free);
    }));
}

TEST_F(WindowPlacement, AReopenedWorksheetKeepsThePlaceTheUserGaveIt) {
    frmkorveld& sheet = openSelection();
    FormWindow& window = windowOf(sheet);
    const QPoint moved = area().topLeft() + QPoint(40, 30);
    ASSERT_TRUE(waitFor([&] { return !window.placementPending(); }));
    moveFrameTo(window, moved, frameMarginsOf(window)); // as the user drags it
    // Where the user put it, unless it is larger than the screen, where it stays at its top.
    const auto wherePut = [&](QSize size) { return placedInside(QRect(moved, size), area()); };
    ASSERT_TRUE(standsAt(window, [&](QSize) { return moved; }));
    act([&] { sheet.cmdClose.userClick(); });
    act([&] { screen().cmdValveSelect.userClick(); });
    ASSERT_TRUE(waitFor([&] { return window.isVisible() && !window.placementPending(); }));
    EXPECT_TRUE(standsAt(window, wherePut));
}

TEST_F(WindowPlacement, AWindowDraggedPartlyOffScreenOpensAgainWhollyOnIt) {
    frmtxvCapacity& sheet = openCapacity();
    FormWindow& window = windowOf(sheet);
    ASSERT_TRUE(waitFor([&] { return !window.placementPending(); }));
    // Half off the right edge: where the user leaves it during the run, but reopened wholly inside.
    const QPoint off = area().topRight() - QPoint(window.width() / 2, -40);
    moveFrameTo(window, off, frameMarginsOf(window));
    ASSERT_TRUE(standsAt(window, [&](QSize) { return off; }));
    act([&] { sheet.cmdClose.userClick(); });
    act([&] { screen().cmdValveCap.userClick(); });
    ASSERT_TRUE(waitFor([&] { return window.isVisible() && !window.placementPending(); }));
    EXPECT_TRUE(standsAt(window, [&](QSize size) { return placedInside(QRect(off, size), area()); }));
}

} // namespace
} // namespace korveld::testing
