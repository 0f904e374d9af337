#include "app/series_comparison_window.h"

#include "app/qt_adapter.h"
#include "app/qt_conversions.h"
#include "worksheets/frm_korveld.h"
#include "worksheets/series_comparison.h"

#include <QHeaderView>
#include <QKeyEvent>
#include <QTableWidget>
#include <QVBoxLayout>

namespace korveld {

SeriesComparisonWindow::SeriesComparisonWindow(QtAdapter* adapter)
    : QWidget(nullptr, Qt::Window), m_adapter(adapter), m_table(new QTableWidget(this)) {
    setObjectName("frmCompareSeries");
    m_table->setObjectName("tblComparison");
    m_table->setColumnCount(static_cast<int>(kComparisonHeadings.size()));
    m_table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_table->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_table->setSelectionMode(QAbstractItemView::SingleSelection);
    m_table->setTabKeyNavigation(false);
    m_table->verticalHeader()->setVisible(false);
    m_table->horizontalHeader()->setSectionsClickable(true);
    m_table->horizontalHeader()->setSortIndicatorShown(true);
    m_table->horizontalHeader()->setStretchLastSection(true);
    m_table->installEventFilter(this);
    QStringList headings;
    for (std::string_view heading : kComparisonHeadings) {
        headings << qs(heading);
    }
    m_table->setHorizontalHeaderLabels(headings);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(6, 6, 6, 6);
    layout->addWidget(m_table);
    connect(m_table->horizontalHeader(), &QHeaderView::sectionClicked, this, &SeriesComparisonWindow::sortBy);
    connect(m_table, &QTableWidget::cellDoubleClicked, this, [this](int row, int) { pickRow(row); });
    resize(900, 420);
}

void SeriesComparisonWindow::setComparison(SeriesComparison& comparison) {
    m_comparison = &comparison;
    render();
}

void SeriesComparisonWindow::render() {
    if (m_comparison == nullptr) {
        return;
    }
    setWindowTitle(qs(m_comparison->title()));
    const auto rows = static_cast<int>(m_comparison->rowCount());
    m_table->setRowCount(rows);
    for (int row = 0; row < rows; ++row) {
        for (int column = 0; column < m_table->columnCount(); ++column) {
            const std::string text =
                m_comparison->cell(static_cast<std::size_t>(row), static_cast<ComparisonColumn>(column));
            auto* item = new QTableWidgetItem(qs(text));
            item->setToolTip(qs(text));
            m_table->setItem(row, column, item);
        }
    }
    m_table->horizontalHeader()->setSortIndicator(static_cast<int>(m_comparison->sortColumn()),
                                                  m_comparison->ascending() ? Qt::AscendingOrder : Qt::DescendingOrder);
    m_table->resizeColumnsToContents();
    if (rows > 0 && m_table->currentRow() < 0) {
        m_table->setCurrentCell(0, 0);
    }
}

void SeriesComparisonWindow::sortBy(int column) {
    if (m_comparison == nullptr || column < 0 || column >= static_cast<int>(kComparisonHeadings.size())) {
        return;
    }
    m_comparison->sortBy(static_cast<ComparisonColumn>(column));
    render();
}

void SeriesComparisonWindow::pickRow(int row) {
    if (m_comparison == nullptr || row < 0) {
        return;
    }
    SeriesComparison& comparison = *m_comparison;
    const auto handler = [&comparison, row] { comparison.pickRow(static_cast<std::size_t>(row)); };
    if (m_adapter != nullptr) {
        m_adapter->dispatchFrom(comparison.worksheet(), handler);
    } else {
        handler();
    }
}

void SeriesComparisonWindow::copy() {
    if (m_comparison == nullptr) {
        return;
    }
    SeriesComparison& comparison = *m_comparison;
    if (m_adapter != nullptr) {
        m_adapter->dispatch([&comparison] { comparison.copy(); });
    } else {
        comparison.copy();
    }
}

bool SeriesComparisonWindow::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_table && event->type() == QEvent::KeyPress) {
        auto* key = static_cast<QKeyEvent*>(event);
        if (key->matches(QKeySequence::Copy)) {
            copy();
            return true;
        }
        if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) {
            pickRow(m_table->currentRow());
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void SeriesComparisonWindow::keyPressEvent(QKeyEvent* event) {
    if (event->matches(QKeySequence::Copy)) {
        copy();
        return;
    }
    if (event->key() == Qt::Key_Escape) {
        close();
        return;
    }
    QWidget::keyPressEvent(event);
}

} // namespace korveld
