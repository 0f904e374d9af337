#include "app/qt_platform.h"

#include "app/form_window.h"
#include "app/operating_window_chart.h"
#include "app/printing.h"
#include "app/qt_adapter.h"
#include "app/qt_conversions.h"
#include "app/report_output.h"
#include "app/schedule_window_widget.h"
#include "app/series_comparison_window.h"
#include "app/window_placement.h"
#include "worksheets/form.h"
#include "worksheets/frm_korveld.h"
#include "worksheets/schedule_window.h"
#include "worksheets/series_comparison.h"
#include "worksheets/text_files.h"

#include <QApplication>
#include <QClipboard>
#include <QDate>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QInputDialog>
#include <QLocale>
#include <QMessageBox>
#include <QPainter>
#include <QPrinter>
#include <QStandardPaths>
#include <QTime>

namespace korveld {

namespace {

QMessageBox::Icon iconOf(std::int16_t style) {
    switch (style & 0x70) {
    case kMsgCritical:
        return QMessageBox::Critical;
    case kMsgQuestion:
        return QMessageBox::Question;
    case kMsgExclamation:
        return QMessageBox::Warning;
    case kMsgInformation:
        return QMessageBox::Information;
    default:
        return QMessageBox::NoIcon;
    }
}

} // namespace

// The window a dialog belongs to: the one it is about, never a hidden window (a window just
// unloaded is hidden until its deletion, which would take the dialog with it) nor a disabled one
// (whose dialogs could not be answered).
QWidget* QtPlatform::dialogParent() const {
    if (m_adapter != nullptr) {
        return m_adapter->messageOwner();
    }
    QWidget* active = QApplication::activeWindow();
    return active != nullptr && active->isVisible() && active->isEnabled() ? active : nullptr;
}

QtPlatform::QtPlatform() = default;
QtPlatform::~QtPlatform() = default;

int QtPlatform::MsgBox(const std::string& prompt, std::int16_t style, const std::string& title) {
    if (m_adapter != nullptr) {
        // The windows show what the handler did so far while the box waits.
        m_adapter->renderAll();
    }
    QWidget* parent = dialogParent();
    const QString caption = title.empty() ? QCoreApplication::applicationName() : QString::fromStdString(title);
    QMessageBox box(iconOf(style), caption, QString::fromStdString(prompt), QMessageBox::Ok, parent);
    box.setObjectName(QStringLiteral("msgBox"));
    box.setTextFormat(Qt::PlainText);
    box.setWindowModality(Qt::ApplicationModal);
    box.exec();
    return kIdOk;
}

void QtPlatform::SetFocus(Control& control) {
    if (m_adapter != nullptr) {
        m_adapter->requestFocus(control);
    }
}

void QtPlatform::ShowWindow(Form& form) {
    if (m_adapter != nullptr) {
        m_adapter->requestActivation(form);
    }
}

bool QtPlatform::WinHelp(std::uintptr_t helpWnd, const std::string& helpFile, HelpCommand command,
                         std::uint32_t contextId, const std::string& key) {
    QWidget* owner = nullptr;
    if (m_adapter != nullptr) {
        owner = m_adapter->windowOfHandle(helpWnd);
    }
    // A pop-up note stays with the window it explains; the help window with the owner of all help.
    if (command == HelpCommand::ContextPopup) {
        if (QWidget* about = dialogParent()) {
            owner = about;
        }
    }
    m_helpViewer.request(owner, QString::fromStdString(helpFile), command, contextId, QString::fromStdString(key));
    return true;
}

std::string QtPlatform::ApplicationFolder() {
    return (m_folder ? *m_folder : QCoreApplication::applicationDirPath()).toStdString();
}

bool QtPlatform::PrintDocument(const korveld::PrintDocument& document, const std::string& jobName) {
    return printOnDefaultPrinter(document, QString::fromStdString(jobName));
}

std::string QtPlatform::DateText() {
    return QLocale::system().toString(QDate::currentDate(), QLocale::ShortFormat).toStdString();
}

std::string QtPlatform::TimeText() {
    return QLocale::system().toString(QTime::currentTime(), QLocale::ShortFormat).toStdString();
}

void QtPlatform::PreviewReport(const ReportPages& report) {
    if (m_adapter != nullptr) {
        m_adapter->renderAll();
    }
    previewReport(report, UserNumberLocale(), dialogParent());
}

PdfSaveResult QtPlatform::SaveReportAsPdf(const ReportPages& report) {
    if (m_adapter != nullptr) {
        m_adapter->renderAll();
    }
    QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (folder.isEmpty() || !QDir(folder).exists()) {
        folder = QDir::homePath();
    }
    const QString offered = QDir(folder).filePath(pdfFileNameFor(report));
    QString chosen = m_chooseFile ? m_chooseFile(offered)
                                  : QFileDialog::getSaveFileName(dialogParent(), QStringLiteral("Save Report as PDF"),
                                                                 offered, QStringLiteral("PDF files (*.pdf)"));
    if (chosen.isEmpty()) {
        return {PdfSaveOutcome::Cancelled, {}};
    }
    if (QFileInfo(chosen).suffix().isEmpty()) {
        chosen += QStringLiteral(".pdf");
    }
    const bool written = writeReportPdf(report, chosen, UserNumberLocale());
    return {written ? PdfSaveOutcome::Saved : PdfSaveOutcome::Failed, chosen.toStdString()};
}

void QtPlatform::ShowOperatingWindows(const OperatingWindows& chart) {
    const bool first = m_chart == nullptr;
    if (first) {
        m_chart = std::make_unique<OperatingWindowChart>();
    }
    // A window the user has not resized follows the picture's own size.
    const bool ownSize = first || !m_chart->isVisible() || m_chart->size() == m_chart->sizeHint();
    m_chart->setChart(chart, UserNumberLocale());
    if (ownSize) {
        m_chart->resize(m_chart->sizeHint());
    }
    // Beside the window it was asked from the first time, where the user left it afterwards.
    QPoint wanted = m_chart->frameGeometry().topLeft();
    QMargins margins;
    if (m_adapter != nullptr && m_adapter->learntFrameMargins()) {
        margins = *m_adapter->learntFrameMargins();
    }
    if (QWidget* from = dialogParent(); first && from != nullptr) {
        wanted = besideFrame(from->frameGeometry());
        margins = frameMarginsOf(*from);
    }
    showInsideScreen(*m_chart, wanted, margins);
    m_chart->raise();
    m_chart->activateWindow();
}

void QtPlatform::HideOperatingWindows() {
    if (m_chart != nullptr) {
        m_chart->hide();
    }
}

void QtPlatform::ShowSeriesComparison(SeriesComparison& comparison) {
    const bool first = m_comparison == nullptr;
    if (first) {
        m_comparison = std::make_unique<SeriesComparisonWindow>(m_adapter);
    }
    // Beside the worksheet it compares for, the first time.
    QWidget* from = m_adapter != nullptr ? m_adapter->windowOf(comparison.worksheet()) : nullptr;
    if (from == nullptr || !from->isVisible()) {
        from = dialogParent();
    }
    m_comparison->setComparison(comparison);
    if (first || !m_comparison->isVisible()) {
        QMargins margins;
        if (m_adapter != nullptr && m_adapter->learntFrameMargins()) {
            margins = *m_adapter->learntFrameMargins();
        }
        QPoint wanted = m_comparison->frameGeometry().topLeft();
        if (first && from != nullptr) {
            wanted = besideFrame(from->frameGeometry());
            margins = frameMarginsOf(*from);
        }
        showInsideScreen(*m_comparison, wanted, margins);
    }
    m_comparison->raise();
    m_comparison->activateWindow();
}

void QtPlatform::ShowSchedule(ScheduleWindow& schedule) {
    const bool first = m_schedule == nullptr;
    if (first) {
        m_schedule = std::make_unique<ScheduleWindowWidget>(m_adapter);
    }
    QWidget* from = m_adapter != nullptr ? m_adapter->windowOf(schedule.worksheet()) : nullptr;
    if (from == nullptr || !from->isVisible()) {
        from = dialogParent();
    }
    m_schedule->setModel(schedule);
    if (!m_schedule->isVisible()) {
        QMargins margins;
        if (m_adapter != nullptr && m_adapter->learntFrameMargins()) {
            margins = *m_adapter->learntFrameMargins();
        }
        QPoint wanted = m_schedule->frameGeometry().topLeft();
        if (first && from != nullptr) {
            wanted = besideFrame(from->frameGeometry());
            margins = frameMarginsOf(*from);
        }
        showInsideScreen(*m_schedule, wanted, margins);
    }
    m_schedule->raise();
    m_schedule->activateWindow();
}

void QtPlatform::HideSchedule() {
    if (m_schedule != nullptr) {
        m_schedule->hide();
    }
}

std::optional<std::string> QtPlatform::InputBox(const std::string& prompt, const std::string& title,
                                                const std::string& initial) {
    if (m_adapter != nullptr) {
        m_adapter->renderAll();
    }
    if (m_answerInput) {
        return m_answerInput(prompt);
    }
    bool ok = false;
    const QString text =
        QInputDialog::getText(dialogParent(), qs(title), qs(prompt), QLineEdit::Normal, qs(initial), &ok);
    return ok ? std::optional<std::string>(text.toStdString()) : std::nullopt;
}

std::string QtPlatform::AskFileName(FileQuestion question, const std::string& offered) {
    if (m_adapter != nullptr) {
        m_adapter->renderAll();
    }
    if (m_chooseFileName) {
        return m_chooseFileName(question, offered);
    }
    QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (folder.isEmpty() || !QDir(folder).exists()) {
        folder = QDir::homePath();
    }
    const QString start = QFileInfo(qs(offered)).isAbsolute() ? qs(offered) : QDir(folder).filePath(qs(offered));
    const FileQuestionTexts texts = TextsOf(question);
    const QString suffix = qs(texts.suffix);
    QString chosen = question == FileQuestion::OpenSchedule
                         ? QFileDialog::getOpenFileName(dialogParent(), qs(texts.title), start, qs(texts.filter))
                         : QFileDialog::getSaveFileName(dialogParent(), qs(texts.title), start, qs(texts.filter));
    if (!chosen.isEmpty() && !suffix.isEmpty() && QFileInfo(chosen).suffix().isEmpty()) {
        chosen += suffix;
    }
    return chosen.toStdString();
}

SaveChangesAnswer QtPlatform::AskSaveChanges(const std::string& prompt, const std::string& title) {
    if (m_adapter != nullptr) {
        m_adapter->renderAll();
    }
    if (m_answerSaveChanges) {
        return m_answerSaveChanges(prompt);
    }
    QMessageBox box(QMessageBox::Warning, qs(title), qs(prompt),
                    QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel, dialogParent());
    box.setObjectName(QStringLiteral("msgSaveChanges"));
    box.setTextFormat(Qt::PlainText);
    box.setDefaultButton(QMessageBox::Save);
    box.setEscapeButton(QMessageBox::Cancel);
    box.setWindowModality(Qt::ApplicationModal);
    switch (box.exec()) {
    case QMessageBox::Save:
        return SaveChangesAnswer::Save;
    case QMessageBox::Discard:
        return SaveChangesAnswer::Discard;
    default:
        return SaveChangesAnswer::Cancel;
    }
}

FileReadResult QtPlatform::ReadTextFile(const std::string& path, std::size_t limit) {
    return ReadWholeFile(path, limit);
}

std::optional<std::string> QtPlatform::WriteTextFile(const std::string& path, const std::string& text) {
    return ReplaceFileWith(path, text);
}

bool QtPlatform::WritePdfPages(const std::vector<korveld::PrintDocument>& pages, const std::string& title,
                               const std::string& path) {
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(qs(path));
    printer.setDocName(qs(title));
    printer.setCreator(QStringLiteral("KORVELD"));
    QPainter painter;
    if (!painter.begin(&printer)) {
        return false;
    }
    for (std::size_t i = 0; i < pages.size(); ++i) {
        if (i > 0) {
            printer.newPage();
        }
        paintOnPages(pages[i], painter, printer);
    }
    return painter.end() && printer.printerState() != QPrinter::Error;
}

void QtPlatform::SetClipboardText(const std::string& text) {
    QGuiApplication::clipboard()->setText(qs(text));
}

NumberLocale QtPlatform::UserNumberLocale() {
    const QLocale locale = QLocale::system();
    return {locale.decimalPoint().toStdString(), locale.groupSeparator().toStdString()};
}

void QtPlatform::EndProgram() {
    m_ended = true;
    if (m_adapter != nullptr) {
        m_adapter->endProgram();
    }
}

} // namespace korveld
