// Ctrl+C on real widgets: the capacity rows and the selection's answer reach the clipboard as
// tab-separated text wherever the focus is, unless the user has selected text in a box.
#include "engine/series_numbers.h"
#include "worksheet_gui.h"

#include <QClipboard>
#include <QLineEdit>

namespace korveld::testing {
namespace {

struct CopyCase {
    const char* name;
    bool selection; // the results dialog of a KO selection, else the rated capacity worksheet
    const char* focus;
    bool selectText; // the focused box's text is selected first
    const char* clipboardStart;
};

class CopyKey : public WorksheetGui, public ::testing::WithParamInterface<CopyCase> {};

TEST_P(CopyKey, PutsTheWindowsTableOrTheSelectedText) {
    const CopyCase& row = GetParam();
    Form& form = row.selection ? static_cast<Form&>(*selectShowing({"R-22", series::KO, "40", "14840"}))
                               : static_cast<Form&>(rateKO("12000"));
    FormWindow& window = windowOf(form);
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    QWidget* focused = widget(form, row.focus);
    ASSERT_NE(focused, nullptr);
    focused->setFocus(Qt::MouseFocusReason); // a click: nothing selected
    if (row.selectText) {
        qobject_cast<QLineEdit*>(focused)->selectAll();
    }
    QGuiApplication::clipboard()->setText(QStringLiteral("before"));
    QTest::keyClick(focused, Qt::Key_C, Qt::ControlModifier);
    EXPECT_TRUE(QGuiApplication::clipboard()->text().startsWith(QString::fromUtf8(row.clipboardStart)))
        << QGuiApplication::clipboard()->text().toStdString();
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Copy, CopyKey, ::testing::Values(
    CopyCase{"CapacityRowBox",      false, "txtValCap(3)", false, "Valve Name\tCapacity (Btu/h)\tValve Loading (% of 12000 Btu/h)\nKOE 1/4\t"},
    CopyCase{"CapacityEntryEmpty",  false, "txtEvapTemp",  false, "Valve Name\t"},
    CopyCase{"CapacitySelectedText", false, "txtEvapTemp", true,  "40"},
    CopyCase{"ResultsOKButton",     true,  "cmdOK",        false, "Selected Expansion Valve\tExpansion Valve Capacity\t% Loading\t"},
    CopyCase{"ResultsNameSelected", true,  "txtValSelected", true,  "Selected Expansion Valve\t"},
    CopyCase{"CapacityRowSelected", false, "txtValCap(2)", true,  "Valve Name\t"}
), [](const auto& info) { return std::string(info.param.name); });
// clang-format on

TEST_F(WorksheetGui, CopyBeforeCalculateLeavesTheClipboardAlone) {
    frmtxvCapacity& sheet = openCapacity();
    FormWindow& window = windowOf(sheet);
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    QGuiApplication::clipboard()->setText(QStringLiteral("before"));
    QTest::keyClick(widget(sheet, "cmdCalculate"), Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(QGuiApplication::clipboard()->text(), QStringLiteral("before"));
}

} // namespace
} // namespace korveld::testing
