// The window of the job's schedule: the model's entries in a table, the buttons for the chosen row
// and the File menu. Every action goes through the model, then the window shows the model again.
#pragma once

#include <QWidget>
#include <functional>

class QLabel;
class QMenuBar;
class QPushButton;
class QTableWidget;

namespace korveld {

class QtAdapter;
class ScheduleWindow;

class ScheduleWindowWidget : public QWidget {
public:
    explicit ScheduleWindowWidget(QtAdapter* adapter);

    void setModel(ScheduleWindow& model);
    // Brings every widget in line with the model.
    void render();
    QTableWidget* table() const { return m_table; }

protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void act(void (ScheduleWindow::*action)());
    void run(const std::function<void()>& action);

    QtAdapter* m_adapter;
    ScheduleWindow* m_model = nullptr;
    QMenuBar* m_menuBar;
    QTableWidget* m_table;
    QPushButton* m_remove;
    QPushButton* m_moveUp;
    QPushButton* m_moveDown;
    QPushButton* m_reopen;
    QPushButton* m_close;
    bool m_rendering = false;
};

} // namespace korveld
