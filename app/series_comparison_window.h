// The window of the series comparison: the model's rows in a table whose headings sort it,
// Ctrl+C copying it, and a double-click (or Enter) on a row picking that series on the worksheet
// and running Select there.
#pragma once

#include <QWidget>

class QTableWidget;

namespace korveld {

class QtAdapter;
class SeriesComparison;

class SeriesComparisonWindow : public QWidget {
public:
    explicit SeriesComparisonWindow(QtAdapter* adapter);

    // Shows the model's rows; the window keeps the model until the next call.
    void setComparison(SeriesComparison& comparison);
    QTableWidget* table() const { return m_table; }

protected:
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void render();
    void sortBy(int column);
    void pickRow(int row);
    void copy();

    QtAdapter* m_adapter;
    QTableWidget* m_table;
    SeriesComparison* m_comparison = nullptr;
};

} // namespace korveld
