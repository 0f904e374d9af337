// What only a real X server with a window manager shows: the dialogs stay above their worksheet
// when it is activated or clicked, they minimise and restore with it, and windows open inside the
// area a panel leaves free. run_under_window_manager.sh runs these under Xvfb and openbox; on any
// other platform they are skipped.
#include "app/window_placement.h"
#include "engine/series_numbers.h"
#include "worksheet_gui.h"

#include <QProcess>
#include <QRegularExpression>
#include <QScreen>
#include <QWindow>
#include <cmath>

namespace korveld::testing {
namespace {

using namespace korveld::series;

QString run(const QString& program, const QStringList& arguments) {
    QProcess process;
    process.start(program, arguments);
    process.waitForFinished(10000);
    return QString::fromLocal8Bit(process.readAllStandardOutput());
}

// The managed windows from the bottom of the stack to the top, as the window manager keeps them.
std::vector<WId> stackingOrder() {
    const QString list = run(QStringLiteral("xprop"), {QStringLiteral("-root"), QStringLiteral("-notype"),
                                                       QStringLiteral("_NET_CLIENT_LIST_STACKING")});
    std::vector<WId> order;
    static const QRegularExpression id(QStringLiteral("0x[0-9a-fA-F]+"));
    for (auto match = id.globalMatch(list); match.hasNext();) {
        order.push_back(match.next().captured().toULongLong(nullptr, 16));
    }
    return order;
}

bool isAbove(QWidget& upper, QWidget& lower) {
    const std::vector<WId> order = stackingOrder();
    const auto up = std::find(order.begin(), order.end(), upper.winId());
    const auto down = std::find(order.begin(), order.end(), lower.winId());
    return up != order.end() && down != order.end() && up > down;
}

// "Normal" or "Iconic", as the window manager sets the window's WM_STATE.
QString windowState(QWidget& window) {
    const QString state = run(QStringLiteral("xprop"),
                              {QStringLiteral("-id"), QString::number(window.winId()), QStringLiteral("WM_STATE")});
    static const QRegularExpression pattern(QStringLiteral("window state: (\\w+)"));
    return pattern.match(state).captured(1);
}

class WindowManager : public WorksheetGui {
public:
    void SetUp() override {
        if (QGuiApplication::platformName() != QStringLiteral("xcb")) {
            GTEST_SKIP() << "needs an X server with a window manager (run_under_window_manager.sh)";
        }
        WorksheetGui::SetUp();
    }
    Form& resultsShown() { return *selectShowing({"R-22", KO, "40", "14840"}); }
    Form& bleedShown() {
        frmkorveld& sheet = openSelection();
        enter(sheet, {"R-22", KO, "40", "14840"});
        act([&] { sheet.optYES.userClick(); });
        EXPECT_TRUE(waitFor([this] { return windowOf(*bleedDialog()).isVisible(); }));
        return *bleedDialog();
    }
    FormWindow& worksheet() { return windowOf(*selectionSheet()); }
    // A point of the worksheet's client area that no other window covers, in screen pixels.
    QPoint uncoveredPointOf(FormWindow& window, const QWidget& dialog) {
        const QRect client(window.mapToGlobal(QPoint(0, 0)), window.size());
        QPoint point = client.bottomLeft() + QPoint(12, -12);
        if (dialog.frameGeometry().contains(point)) {
            point = client.topLeft() + QPoint(12, 40);
        }
        const qreal ratio = window.devicePixelRatioF();
        return {static_cast<int>(std::lround(point.x() * ratio)), static_cast<int>(std::lround(point.y() * ratio))};
    }
};

using Opener = std::function<Form&(WindowManager&)>;

struct DialogCase {
    const char* name;
    Opener open;
};

class OwnedDialogUnderWindowManager : public WindowManager, public ::testing::WithParamInterface<DialogCase> {};

TEST_P(OwnedDialogUnderWindowManager, StaysAboveTheWorksheetWhenTheWorksheetIsActivated) {
    FormWindow& dialog = windowOf(GetParam().open(*this));
    ASSERT_TRUE(waitFor([&] { return isAbove(dialog, worksheet()); }));
    // As a taskbar or Alt+Tab activates it.
    run(QStringLiteral("xdotool"), {QStringLiteral("windowactivate"), QString::number(worksheet().winId())});
    QTest::qWait(300);
    EXPECT_TRUE(waitFor([&] { return isAbove(dialog, worksheet()); }));
    EXPECT_TRUE(dialog.isVisible());
}

TEST_P(OwnedDialogUnderWindowManager, MinimisesAndRestoresWithTheWorksheet) {
    FormWindow& dialog = windowOf(GetParam().open(*this));
    ASSERT_TRUE(waitFor([&] { return windowState(dialog) == QStringLiteral("Normal"); }));
    ASSERT_TRUE(waitFor([&] { return QApplication::activeWindow() == &dialog; }));
    worksheet().showMinimized();
    EXPECT_TRUE(waitFor([&] { return windowState(dialog) == QStringLiteral("Iconic"); }));
    worksheet().showNormal();
    EXPECT_TRUE(waitFor([&] { return windowState(worksheet()) == QStringLiteral("Normal"); }));
    EXPECT_TRUE(waitFor([&] { return windowState(dialog) == QStringLiteral("Normal"); }));
    EXPECT_TRUE(waitFor([&] { return isAbove(dialog, worksheet()); }));
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(WindowManager, OwnedDialogUnderWindowManager, ::testing::Values(
    DialogCase{"ResultsDialog", [](WindowManager& t) -> Form& { return t.resultsShown(); }},
    DialogCase{"BleedDialog",   [](WindowManager& t) -> Form& { return t.bleedShown(); }}
), [](const auto& info) { return std::string(info.param.name); });
// clang-format on

TEST_F(WindowManager, AClickOnTheDisabledWorksheetLeavesTheResultsDialogInFrontWithTheFocus) {
    FormWindow& dialog = windowOf(resultsShown());
    ASSERT_TRUE(waitFor([&] { return QApplication::activeWindow() == &dialog; }));
    const QPoint point = uncoveredPointOf(worksheet(), dialog);
    // The pointer's real click through the X server, which the window manager sees first.
    run(QStringLiteral("xdotool"), {QStringLiteral("mousemove"), QStringLiteral("--sync"), QString::number(point.x()),
                                    QString::number(point.y()), QStringLiteral("click"), QStringLiteral("1")});
    QTest::qWait(300);
    EXPECT_TRUE(waitFor([&] { return QApplication::activeWindow() == &dialog; }));
    EXPECT_TRUE(waitFor([&] { return isAbove(dialog, worksheet()); }));
    EXPECT_FALSE(selectionSheet()->enabled());
}

TEST_F(WindowManager, WindowsOpenInsideTheAreaAPanelLeavesFree) {
    // A panel along the bottom of the screen, as a desktop's taskbar reserves it.
    QWidget panel(nullptr, Qt::FramelessWindowHint);
    panel.setObjectName(QStringLiteral("panel"));
    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    panel.setGeometry(screen.left(), screen.bottom() - 39, screen.width(), 40);
    panel.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&panel));
    const int reserved = static_cast<int>(std::lround(40 * panel.devicePixelRatioF()));
    run(QStringLiteral("xprop"), {QStringLiteral("-id"), QString::number(panel.winId()), QStringLiteral("-f"),
                                  QStringLiteral("_NET_WM_STRUT"), QStringLiteral("32c"), QStringLiteral("-set"),
                                  QStringLiteral("_NET_WM_STRUT"), QStringLiteral("0,0,0,%1").arg(reserved)});
    ASSERT_TRUE(waitFor([&] {
        return QGuiApplication::primaryScreen()->availableGeometry().bottom() < screen.bottom() - 30;
    })) << "the window manager did not reserve the panel's area";
    const QRect area = QGuiApplication::primaryScreen()->availableGeometry();

    frmtxvCapacity& capacity = rateKO("12000");
    frmResults* results = selectShowing({"R-134a", VMP, "40", "24000"});
    ASSERT_NE(results, nullptr);
    for (QWidget* window : {static_cast<QWidget*>(&windowOf(capacity)), static_cast<QWidget*>(&worksheet()),
                            static_cast<QWidget*>(&windowOf(*results))}) {
        // Once the window manager has framed it.
        EXPECT_TRUE(waitFor([&] {
            const QRect frame = window->frameGeometry();
            return frame != window->geometry() && placedInside(frame, area) == frame.topLeft();
        })) << window->objectName().toStdString()
            << " frame " << window->frameGeometry().x() << "," << window->frameGeometry().y() << " "
            << window->frameGeometry().width() << "x" << window->frameGeometry().height();
    }
}

} // namespace
} // namespace korveld::testing

namespace korveld::testing {
namespace {

TEST_F(WindowManager, AWorksheetDraggedByItsTitleBarOpensAgainWhereItWasLeft) {
    frmkorveld& sheet = openSelection();
    FormWindow& window = worksheet();
    ASSERT_TRUE(waitFor([&] { return !window.placementPending(); }));
    const QRect frame = window.frameGeometry();
    if (frame.height() >= window.screen()->availableGeometry().height()) {
        GTEST_SKIP() << "the worksheet is taller than the screen at this scale: it always opens at the top";
    }
    const qreal ratio = window.devicePixelRatioF();
    const auto px = [ratio](int v) { return QString::number(static_cast<int>(std::lround(v * ratio))); };
    const QPoint grab(frame.center().x(), frame.top() + 8);
    for (const QStringList& step :
         {QStringList{"mousemove", "--sync", px(grab.x()), px(grab.y())}, QStringList{"mousedown", "1"},
          QStringList{"mousemove", "--sync", px(grab.x() + 20), px(grab.y() + 15)},
          QStringList{"mousemove", "--sync", px(grab.x() + 40), px(grab.y() + 30)},
          QStringList{"mousemove", "--sync", px(grab.x() + 60), px(grab.y() + 50)}, QStringList{"mouseup", "1"}}) {
        run(QStringLiteral("xdotool"), step);
        QTest::qWait(100);
    }
    ASSERT_TRUE(waitFor([&] { return window.frameGeometry().topLeft() != frame.topLeft(); }));
    QTest::qWait(300);
    const QPoint left = window.frameGeometry().topLeft();
    act([&] { sheet.cmdClose.userClick(); });
    act([&] { screen().cmdValveSelect.userClick(); });
    ASSERT_TRUE(waitFor([&] { return window.isVisible() && !window.placementPending(); }));
    QTest::qWait(500);
    // Where it was left; a worksheet larger than the screen (at 200 %) goes back to its top.
    const QRect now = window.frameGeometry();
    const QPoint expected = placedInside(QRect(left, now.size()), window.screen()->availableGeometry());
    EXPECT_EQ(now.topLeft(), expected) << "left at " << left.x() << "," << left.y() << ", now at " << now.x() << ","
                                       << now.y();
}

} // namespace
} // namespace korveld::testing
