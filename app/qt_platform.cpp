#include "app/qt_platform.h"

#include "app/form_window.h"
#include "app/operating_window_chart.h"
#include "app/printing.h"
#include "app/qt_adapter.h"
#include "app/qt_conversions.h"
#include "app/report_output.h"
#include "app/window_placement.h"
#include "worksheets/form.h"

#include <QApplication>
#include <QClipboard>
#include <QDate>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QLocale>
#include <QMessageBox>
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
