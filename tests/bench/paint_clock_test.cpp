// The benchmark's paint clock: a watched window counts as painted only when its own widgets (or
// their children) were painted after the watch began, and the wait ends once painting stops.
#include "bench/paint_clock.h"

#include <QLabel>
#include <QVBoxLayout>
#include <QWidget>
#include <functional>
#include <gtest/gtest.h>
#include <memory>

namespace korveld::bench {
namespace {

using namespace std::chrono_literals;

struct Windows {
    QWidget watched;
    QLabel* child = new QLabel(QStringLiteral("rows"), &watched);
    QWidget other;
};

struct PaintCase {
    const char* name;
    std::function<void(Windows&)> before; // run before the watch starts
    std::function<void(Windows&)> after;  // run after it
    bool painted;
};

PaintClock& clock() {
    return *static_cast<PaintClock*>(QCoreApplication::instance());
}

// Lets whatever painting is pending finish, so only what the case does next is seen.
void settle(QWidget& window) {
    clock().watch(&window);
    clock().waitUntilPainted(200ms);
}

class PaintClockTest : public ::testing::TestWithParam<PaintCase> {};

TEST_P(PaintClockTest, CountsOnlyPaintsOfTheWatchedWindowAfterTheWatch) {
    Windows windows;
    GetParam().before(windows);
    clock().watch(&windows.watched);
    const PaintClock::Clock::time_point watched = PaintClock::Clock::now();
    GetParam().after(windows);
    const auto painted = clock().waitUntilPainted(GetParam().painted ? 3s : 200ms);
    ASSERT_EQ(painted.has_value(), GetParam().painted);
    if (painted) {
        EXPECT_GE(*painted, watched);
    }
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(PaintClock, PaintClockTest, ::testing::Values(
    PaintCase{"ShownWindow",            [](Windows&) {},
                                        [](Windows& w) { w.watched.show(); },                        true},
    PaintCase{"ChildTextChanged",       [](Windows& w) { w.watched.show(); settle(w.watched); },
                                        [](Windows& w) { w.child->setText(QStringLiteral("more")); }, true},
    PaintCase{"ResizedWindow",          [](Windows& w) { w.watched.show(); settle(w.watched); },
                                        [](Windows& w) { w.watched.resize(w.watched.size() + QSize(40, 40)); }, true},
    PaintCase{"NeverShown",             [](Windows&) {},
                                        [](Windows& w) { w.child->setText(QStringLiteral("more")); }, false},
    PaintCase{"PaintedBeforeTheWatch",  [](Windows& w) { w.watched.show(); settle(w.watched); },
                                        [](Windows&) {},                                              false},
    PaintCase{"OnlyAnotherWindow",      [](Windows& w) { w.watched.show(); settle(w.watched); },
                                        [](Windows& w) { w.other.show(); },                          false}),
    [](const ::testing::TestParamInfo<PaintCase>& info) { return std::string(info.param.name); });
// clang-format on

} // namespace
} // namespace korveld::bench

int main(int argc, char* argv[]) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    korveld::bench::PaintClock application(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
