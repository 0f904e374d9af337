#include "gui_fixture.h"
#include "probe_form.h"

#include <QAction>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTimer>

namespace korveld::testing {
namespace {

struct PlacementCase {
    const char* name;
    QRect pixels; // left, top, width, height at 15 twips per pixel
};

class StartScreenPlacement : public GuiTest, public ::testing::WithParamInterface<PlacementCase> {};

TEST_P(StartScreenPlacement, ControlSitsAtItsTwipPosition) {
    start();
    QWidget* control = widget(screen(), GetParam().name);
    ASSERT_NE(control, nullptr);
    EXPECT_EQ(control->geometry(), GetParam().pixels);
    EXPECT_EQ(control->parentWidget(), windowOf(screen()).clientArea());
    EXPECT_TRUE(control->isVisible());
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Adapter, StartScreenPlacement, ::testing::Values(
    PlacementCase{"cmdValveSelect", {40, 80, 153, 89}},
    PlacementCase{"cmdExit",        {168, 280, 81, 33}}
), [](const auto& info) { return std::string(info.param.name); });
// clang-format on

TEST_F(GuiTest, StartScreenShowsItsCaptionTextsFontsAndClientArea) {
    start();
    FormWindow& window = windowOf(screen());
    EXPECT_EQ(window.windowTitle(), QStringLiteral("SELECTION SCREEN"));
    EXPECT_EQ(window.clientArea()->size(), QSize(458, 349));
    auto* exit = widget<QPushButton>(screen(), "cmdExit");
    EXPECT_EQ(exit->text(), QStringLiteral("E&xit"));
    EXPECT_EQ(exit->toolTip(), QStringLiteral("Exit Program."));
    EXPECT_TRUE(exit->font().bold());
    EXPECT_EQ(exit->font().families().front(), QStringLiteral("Times New Roman"));
    EXPECT_TRUE(widget<QPlainTextEdit>(screen(), "txtValCap")->isReadOnly());
    QAction* help = window.actionOf(screen().mnuFormSel_Help);
    ASSERT_NE(help, nullptr);
    ASSERT_NE(help->menu(), nullptr);
    EXPECT_EQ(help->menu()->actions().size(), 5);
}

TEST_F(GuiTest, ExitLeavesTheRunningEventLoop) {
    start();
    QTimer::singleShot(0, [this] { QTest::mouseClick(widget<QPushButton>(screen(), "cmdExit"), Qt::LeftButton); });
    QTimer safety;
    safety.setSingleShot(true);
    QObject::connect(&safety, &QTimer::timeout, [] { QCoreApplication::exit(7); });
    safety.start(5000);
    EXPECT_EQ(QApplication::exec(), 0);
    EXPECT_FALSE(windowOf(screen()).isVisible());
}

TEST_F(GuiTest, WindowCloseButtonOfTheStartScreenMeansExit) {
    start();
    windowOf(screen()).close();
    EXPECT_TRUE(m_platform->ended());
}

TEST_F(GuiTest, ValveCapacitiesButtonOpensTheWorksheetOnceAndKeepsItsState) {
    m_program->registerForm<ProbeForm>();
    start();
    QTest::mouseClick(widget<QPushButton>(screen(), "cmdValveCap"), Qt::LeftButton);
    auto* probe = static_cast<ProbeForm*>(m_program->loaded(FormId::frmtxvCapacity));
    ASSERT_NE(probe, nullptr);
    EXPECT_TRUE(waitFor([&] { return windowOf(*probe).isVisible(); }));
    EXPECT_TRUE(windowOf(screen()).isVisible());
    m_adapter->dispatch([&] {
        probe->txtUpper.setText("KEEP");
        probe->Hide();
    });
    EXPECT_FALSE(windowOf(*probe).isVisible());
    QTest::mouseClick(widget<QPushButton>(screen(), "cmdValveCap"), Qt::LeftButton);
    EXPECT_EQ(m_program->loaded(FormId::frmtxvCapacity), probe);
    EXPECT_TRUE(windowOf(*probe).isVisible());
    EXPECT_EQ(widget<QLineEdit>(*probe, "txtUpper")->text(), QStringLiteral("KEEP"));
}

} // namespace
} // namespace korveld::testing
