// The capacity worksheet in real widgets: typed into, picked from its menus, calculated.
#include "engine/series_numbers.h"
#include "gui_fixture.h"
#include "worksheets/frm_txv_capacity.h"

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>

namespace korveld::testing {
namespace {

TEST_F(GuiTest, CapacityWorksheetRatesTheSeriesTypedAndPicked) {
    start();
    QTest::mouseClick(widget<QPushButton>(screen(), "cmdValveCap"), Qt::LeftButton);
    auto& sheet = m_program->form<frmtxvCapacity>();
    FormWindow& window = windowOf(sheet);
    ASSERT_TRUE(waitFor([&] { return window.isVisible(); }));
    const auto pick = [&](MenuEntry& title, MenuEntry& entry) {
        emit window.actionOf(title)->menu()->aboutToShow();
        window.actionOf(entry)->trigger();
    };
    pick(sheet.mnuRefrig, *sheet.refrigerantMenu("R-22"));
    pick(*sheet.pickMenus().mnuKSer, *sheet.seriesMenu(series::KO));
    QTest::keyClicks(widget<QLineEdit>(sheet, "txtEvapTemp"), "40");
    QTest::keyClicks(widget<QLineEdit>(sheet, "txtCondTemp"), "100");
    QTest::keyClicks(widget<QLineEdit>(sheet, "txtLiqTemp"), "90");
    EXPECT_EQ(widget<QLineEdit>(sheet, "txtSelValve")->text(), QStringLiteral("KO"));
    EXPECT_TRUE(window.actionOf(*sheet.seriesMenu(series::KO))->isChecked());
    EXPECT_FALSE(widget<QPushButton>(sheet, "cmdPrint")->isVisible());

    QTest::mouseClick(widget<QPushButton>(sheet, "cmdCalculate"), Qt::LeftButton);
    EXPECT_EQ(widget<QLineEdit>(sheet, "txtValCap(4)")->text(), QStringLiteral("14,840.07"));
    auto* label = widget<QLabel>(sheet, "lblValName(4)");
    EXPECT_EQ(label->text(), QStringLiteral("KOE 1-1/2"));
    EXPECT_TRUE(label->isVisible());
    // The row label ends where its 60-twip design ends, left of the capacity box.
    EXPECT_EQ(label->geometry().right() + 1, (5475 + 60) / 15);
    EXPECT_LT(label->geometry().right(), widget<QLineEdit>(sheet, "txtValCap(4)")->geometry().left());
    EXPECT_FALSE(widget<QLineEdit>(sheet, "txtValCap(10)")->isVisible());
    EXPECT_TRUE(widget<QPushButton>(sheet, "cmdPrint")->isVisible());
    EXPECT_EQ(window.clientArea()->width(), (7185 - 2 * 45) / 15);

    // Typing again makes the rows stale: the window collapses and PRINT goes.
    QTest::keyClicks(widget<QLineEdit>(sheet, "txtLiqTemp"), "5");
    EXPECT_FALSE(widget<QLineEdit>(sheet, "txtValCap(4)")->isVisible());
    EXPECT_FALSE(widget<QPushButton>(sheet, "cmdPrint")->isVisible());
    EXPECT_EQ(window.clientArea()->width(), (4800 - 2 * 45) / 15);
}

} // namespace
} // namespace korveld::testing
