#include "app/schedule_window_widget.h"

#include "app/qt_adapter.h"
#include "app/qt_conversions.h"
#include "worksheets/schedule_window.h"

#include <QCloseEvent>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

namespace korveld {

namespace {

QPushButton* button(QWidget* parent, std::string_view caption, const char* name) {
    auto* created = new QPushButton(qs(caption), parent);
    created->setObjectName(QString::fromLatin1(name));
    created->setAutoDefault(false);
    return created;
}

} // namespace

ScheduleWindowWidget::ScheduleWindowWidget(QtAdapter* adapter)
    : QWidget(nullptr, Qt::Window), m_adapter(adapter), m_menuBar(new QMenuBar(this)), m_table(new QTableWidget(this)) {
    setObjectName("frmSchedule");
    QMenu* file = m_menuBar->addMenu(qs(kFileMenuCaption));
    file->setObjectName("mnuScheduleFile");
    const auto entry = [this, file](std::string_view caption, const char* name, const QKeySequence& keys, auto action) {
        QAction* created = file->addAction(qs(caption));
        created->setObjectName(QString::fromLatin1(name));
        created->setShortcut(keys);
        connect(created, &QAction::triggered, this, [this, action] { run(action); });
        return created;
    };
    entry(kOpenCaption, "mnuScheduleOpen", QKeySequence::Open, [this] { m_model->open(); });
    entry(kSaveCaption, "mnuScheduleSave", QKeySequence::Save, [this] { m_model->save(); });
    entry(kSaveAsCaption, "mnuScheduleSaveAs", QKeySequence::SaveAs, [this] { m_model->saveAs(); });
    file->addSeparator();
    entry(kExportCsvCaption, "mnuScheduleCsv", QKeySequence(), [this] { m_model->exportCsv(); });
    entry(kExportPdfCaption, "mnuSchedulePdf", QKeySequence(), [this] { m_model->exportPdf(); });
    file->addSeparator();
    entry(kCloseCaption, "mnuScheduleClose", QKeySequence(), [this] { m_model->close(); });

    m_table->setObjectName("tblSchedule");
    m_table->setColumnCount(static_cast<int>(kScheduleHeadings.size()));
    QStringList headings;
    for (std::string_view heading : kScheduleHeadings) {
        headings << qs(heading);
    }
    m_table->setHorizontalHeaderLabels(headings);
    m_table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_table->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_table->setSelectionMode(QAbstractItemView::SingleSelection);
    m_table->setTabKeyNavigation(false);
    m_table->verticalHeader()->setVisible(false);
    m_table->horizontalHeader()->setStretchLastSection(true);
    m_table->installEventFilter(this);
    connect(m_table, &QTableWidget::currentCellChanged, this, [this](int row, int, int, int) {
        if (!m_rendering && m_model != nullptr) {
            m_model->setCurrentRow(row < 0 ? std::nullopt : std::optional<std::size_t>(row));
            render();
        }
    });
    connect(m_table, &QTableWidget::cellDoubleClicked, this, [this](int, int) { act(&ScheduleWindow::reopen); });

    m_remove = button(this, kRemoveCaption, "cmdRemove");
    m_moveUp = button(this, kMoveUpCaption, "cmdMoveUp");
    m_moveDown = button(this, kMoveDownCaption, "cmdMoveDown");
    m_reopen = button(this, kReopenCaption, "cmdReopen");
    m_close = button(this, kCloseCaption, "cmdCloseSchedule");
    connect(m_remove, &QPushButton::clicked, this, [this] { act(&ScheduleWindow::remove); });
    connect(m_moveUp, &QPushButton::clicked, this, [this] { act(&ScheduleWindow::moveUp); });
    connect(m_moveDown, &QPushButton::clicked, this, [this] { act(&ScheduleWindow::moveDown); });
    connect(m_reopen, &QPushButton::clicked, this, [this] { act(&ScheduleWindow::reopen); });
    connect(m_close, &QPushButton::clicked, this, [this] { run([this] { m_model->close(); }); });

    auto* buttons = new QHBoxLayout;
    for (QPushButton* each : {m_reopen, m_remove, m_moveUp, m_moveDown}) {
        buttons->addWidget(each);
    }
    buttons->addStretch();
    buttons->addWidget(m_close);
    // Tab goes as the eye reads: the table, then the buttons from the left.
    QWidget::setTabOrder(m_table, m_reopen);
    QWidget::setTabOrder(m_reopen, m_remove);
    QWidget::setTabOrder(m_remove, m_moveUp);
    QWidget::setTabOrder(m_moveUp, m_moveDown);
    QWidget::setTabOrder(m_moveDown, m_close);
    auto* layout = new QVBoxLayout(this);
    layout->setMenuBar(m_menuBar);
    layout->addWidget(m_table);
    layout->addLayout(buttons);
    resize(1000, 420);
}

void ScheduleWindowWidget::setModel(ScheduleWindow& model) {
    m_model = &model;
    render();
}

void ScheduleWindowWidget::act(void (ScheduleWindow::*action)()) {
    run([this, action] { (m_model->*action)(); });
}

void ScheduleWindowWidget::run(const std::function<void()>& action) {
    if (m_model == nullptr) {
        return;
    }
    if (m_adapter != nullptr) {
        m_adapter->dispatch(action);
    } else {
        action();
    }
    if (m_model != nullptr) {
        render();
    }
}

void ScheduleWindowWidget::render() {
    if (m_model == nullptr) {
        return;
    }
    m_rendering = true;
    setWindowTitle(qs(m_model->title()));
    const Schedule& schedule = m_model->schedule();
    const auto rows = static_cast<int>(schedule.size());
    m_table->setRowCount(rows);
    for (int row = 0; row < rows; ++row) {
        for (int column = 0; column < m_table->columnCount(); ++column) {
            const QString text = qs(schedule.cell(static_cast<std::size_t>(row), static_cast<ScheduleColumn>(column)));
            QTableWidgetItem* item = m_table->item(row, column);
            if (item == nullptr) {
                item = new QTableWidgetItem;
                m_table->setItem(row, column, item);
            }
            item->setText(text);
            item->setToolTip(text);
        }
    }
    const std::optional<std::size_t> current = m_model->currentRow();
    if (current) {
        m_table->setCurrentCell(static_cast<int>(*current), std::max(0, m_table->currentColumn()));
    } else {
        m_table->setCurrentCell(-1, -1);
    }
    m_table->resizeColumnsToContents();
    m_remove->setEnabled(m_model->canRemove());
    m_reopen->setEnabled(m_model->canRemove());
    m_moveUp->setEnabled(m_model->canMoveUp());
    m_moveDown->setEnabled(m_model->canMoveDown());
    m_rendering = false;
}

void ScheduleWindowWidget::closeEvent(QCloseEvent* event) {
    // The model decides: with unsaved changes it asks, and Cancel keeps the window open.
    if (m_model != nullptr && m_model->visible()) {
        event->ignore();
        run([this] { m_model->close(); });
        return;
    }
    event->accept();
}

bool ScheduleWindowWidget::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_table && event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() == Qt::Key_Delete) {
            act(&ScheduleWindow::remove);
            return true;
        }
        if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) {
            act(&ScheduleWindow::reopen);
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

} // namespace korveld
