// The comparison and schedule windows with real widgets: the table shows the model, a heading
// sorts, Ctrl+C copies, a double-click selects on the worksheet; the schedule's buttons, File menu
// and title follow its model, and closing it with changes asks first.
#include "app/schedule_window_widget.h"
#include "app/series_comparison_window.h"
#include "engine/series_numbers.h"
#include "worksheet_gui.h"
#include "worksheets/schedule_window.h"
#include "worksheets/series_comparison.h"

#include <QAction>
#include <QClipboard>
#include <QDir>
#include <QFileInfo>
#include <QHeaderView>
#include <QPushButton>
#include <QTableWidget>

namespace korveld::testing {
namespace {

class ComparisonGui : public WorksheetGui {
public:
    SeriesComparisonWindow& compare() {
        frmkorveld& sheet = openSelection();
        enter(sheet, {"R-22", series::KO, "40", "14840"});
        act([&] {
            sheet.mnuView.userPick();
            sheet.mnuCompareSeries.userPick();
        });
        SeriesComparisonWindow* window = m_platform->comparisonWindow();
        EXPECT_NE(window, nullptr);
        EXPECT_TRUE(waitFor([&] { return window->isVisible(); }));
        return *window;
    }
};

TEST_F(ComparisonGui, TheTableShowsTheModelAndAHeadingSortsIt) {
    SeriesComparisonWindow& window = compare();
    const SeriesComparison& model = *selectionSheet()->comparison();
    QTableWidget& table = *window.table();
    ASSERT_EQ(table.rowCount(), static_cast<int>(model.rowCount()));
    EXPECT_EQ(table.item(0, 0)->text(), QStringLiteral("KO"));
    EXPECT_EQ(table.item(0, 1)->text().toStdString(), model.row(0).valveName);
    EXPECT_EQ(window.windowTitle().toStdString(), model.title());

    const int capacity = static_cast<int>(ComparisonColumn::Capacity);
    const QRect heading(table.horizontalHeader()->sectionViewportPosition(capacity), 0,
                        table.horizontalHeader()->sectionSize(capacity), table.horizontalHeader()->height());
    QTest::mouseClick(table.horizontalHeader()->viewport(), Qt::LeftButton, {}, heading.center());
    EXPECT_EQ(model.sortColumn(), ComparisonColumn::Capacity);
    EXPECT_EQ(table.item(0, 1)->text().toStdString(), model.row(0).valveName);
    EXPECT_EQ(table.horizontalHeader()->sortIndicatorSection(), capacity);
}

TEST_F(ComparisonGui, CtrlCCopiesAndADoubleClickSelectsOnTheWorksheet) {
    SeriesComparisonWindow& window = compare();
    QTableWidget& table = *window.table();
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    QGuiApplication::clipboard()->setText(QStringLiteral("before"));
    QTest::keyClick(&table, Qt::Key_C, Qt::ControlModifier);
    EXPECT_TRUE(QGuiApplication::clipboard()->text().startsWith(QStringLiteral("Series\tSelected Valve\t")))
        << QGuiApplication::clipboard()->text().toStdString();

    const std::string expected = selectionSheet()->comparison()->row(1).valveName;
    const QRect cell = table.visualItemRect(table.item(1, 0));
    QTest::mouseClick(table.viewport(), Qt::LeftButton, {}, cell.center());
    QTest::mouseDClick(table.viewport(), Qt::LeftButton, {}, cell.center());
    EXPECT_EQ(selectionSheet()->txtSelValve.text(), selectionSheet()->comparison()->row(1).seriesText);
    ASSERT_NE(results(), nullptr);
    EXPECT_TRUE(waitFor([&] { return windowOf(*results()).isVisible(); }));
    EXPECT_EQ(results()->txtValSelected.text(), expected);
}

TEST_F(WorksheetGui, ScheduleWindowFollowsItsModelAndAsksBeforeClosingWithChanges) {
    frmResults* dialog = selectShowing({"R-22", series::KO, "40", "14840"});
    ASSERT_NE(dialog, nullptr);
    m_platform->setInputAnswerer([](const std::string&) { return std::optional<std::string>("EVAP-1"); });
    auto* add = widget<QPushButton>(*dialog, "cmdAddToSchedule");
    ASSERT_NE(add, nullptr);
    QTest::mouseClick(add, Qt::LeftButton);
    ScheduleWindowWidget* window = m_platform->scheduleWidget();
    ASSERT_NE(window, nullptr);
    ASSERT_TRUE(waitFor([&] { return window->isVisible(); }));
    EXPECT_EQ(window->windowTitle(), QStringLiteral("Schedule - Untitled *"));
    ASSERT_EQ(window->table()->rowCount(), 1);
    EXPECT_EQ(window->table()->item(0, 0)->text(), QStringLiteral("EVAP-1"));
    EXPECT_EQ(window->table()->item(0, 9)->text().toStdString(), dialog->txtValSelected.text());
    EXPECT_TRUE(window->findChild<QPushButton*>("cmdRemove")->isEnabled());
    EXPECT_FALSE(window->findChild<QPushButton*>("cmdMoveUp")->isEnabled());

    // Closing asks; Cancel keeps the window.
    int asked = 0;
    m_platform->setSaveChangesAnswerer([&asked](const std::string&) {
        ++asked;
        return SaveChangesAnswer::Cancel;
    });
    window->close();
    EXPECT_EQ(asked, 1);
    EXPECT_TRUE(window->isVisible());

    // File > Save writes the file chosen, and the title loses its mark.
    const QString file = QDir(m_folder.path()).filePath(QStringLiteral("job.txt"));
    m_platform->setFileNameChooser([&file](FileQuestion, const std::string&) { return file.toStdString(); });
    auto* save = window->findChild<QAction*>("mnuScheduleSave");
    ASSERT_NE(save, nullptr);
    save->trigger();
    EXPECT_TRUE(QFileInfo::exists(file));
    EXPECT_EQ(window->windowTitle(), QStringLiteral("Schedule - job.txt"));
    window->close();
    EXPECT_EQ(asked, 1);
    EXPECT_FALSE(window->isVisible());
}

} // namespace
} // namespace korveld::testing
