#include "engine/series_numbers.h"
#include "gui_fixture.h"
#include "worksheets/frm_korveld.h"
#include "worksheets/frm_results.h"

#include <QAction>
#include <QLineEdit>
#include <QPushButton>

namespace korveld::testing {
namespace {

class SelectionSheetGui : public GuiTest {
protected:
    frmkorveld& openWorksheet() {
        start();
        QTest::mouseClick(widget<QPushButton>(screen(), "cmdValveSelect"), Qt::LeftButton);
        auto* sheet = m_program->loaded<frmkorveld>();
        EXPECT_NE(sheet, nullptr);
        EXPECT_TRUE(waitFor([&] { return windowOf(*sheet).isVisible(); }));
        return *sheet;
    }
    void pick(const Form& form, MenuEntry* entry) {
        ASSERT_NE(entry, nullptr);
        QAction* action = windowOf(form).actionOf(*entry);
        ASSERT_NE(action, nullptr);
        action->trigger();
    }
    void typeInto(const Form& form, const char* name, const char* text) {
        auto* box = widget<QLineEdit>(form, name);
        ASSERT_NE(box, nullptr) << name;
        box->setFocus();
        QTest::keyClicks(box, QString::fromLatin1(text));
    }
    frmResults* results() const { return m_program->loaded<frmResults>(); }
};

TEST_F(SelectionSheetGui, WholeSelectionThroughTheWidgetsShowsTheResultsDialog) {
    frmkorveld& sheet = openWorksheet();
    FormWindow& window = windowOf(sheet);
    EXPECT_EQ(window.windowTitle(), QStringLiteral("Orvik Expansion Valve Selection WorkSheet"));
    pick(sheet, sheet.refrigerantMenu("R-22"));
    pick(sheet, sheet.seriesMenu(series::KO));
    EXPECT_EQ(widget<QLineEdit>(sheet, "txtSelValve")->text(), QStringLiteral("KO"));
    EXPECT_TRUE(widget(sheet, "fmeBleedOption")->isVisible());
    typeInto(sheet, "txtEvapTemp", "40");
    typeInto(sheet, "txtCondTemp", "100");
    typeInto(sheet, "txtLiqTemp", "90");
    typeInto(sheet, "txtInputCap", "14840");
    EXPECT_EQ(sheet.txtInputCap.text(), "14840");
    QTest::mouseClick(widget<QPushButton>(sheet, "cmdSelect"), Qt::LeftButton);

    ASSERT_NE(results(), nullptr);
    frmResults& dialog = *results();
    ASSERT_TRUE(waitFor([&] { return windowOf(dialog).isVisible(); }));
    EXPECT_FALSE(window.isEnabled());
    auto* name = widget<QLineEdit>(dialog, "txtValSelected");
    EXPECT_EQ(name->text(), QStringLiteral("KOE - 1-1/2 - HC "));
    EXPECT_TRUE(name->isReadOnly());
    EXPECT_EQ(name->alignment() & Qt::AlignHCenter, Qt::AlignHCenter);
    EXPECT_EQ(name->palette().color(QPalette::Text), QColor(0, 0, 255));
    EXPECT_EQ(widget<QLineEdit>(dialog, "txtValCapacity")->text(), QStringLiteral("14,840.07  Btu/h"));
    EXPECT_EQ(widget<QLineEdit>(dialog, "txtValveLoading")->text(), QStringLiteral("100.0  %"));
    EXPECT_FALSE(widget(dialog, "txtMessage")->isVisible());
    EXPECT_FALSE(widget(dialog, "lblPowAssby")->isVisible());
    EXPECT_EQ(windowOf(dialog).clientArea()->height(), (2600 - 285 - 2 * 45) / 15);

    QTest::mouseClick(widget<QPushButton>(dialog, "cmdOK"), Qt::LeftButton);
    EXPECT_TRUE(waitFor([&] { return results() == nullptr; }));
    EXPECT_TRUE(window.isEnabled());
}

} // namespace
} // namespace korveld::testing
