// The Platform of the real program: Qt message boxes, focus and window activation through the
// adapter, the help viewer, the executable's folder, the default printer, the system's date and
// time formats, and the end of the program.
#pragma once

#include "app/help_viewer.h"
#include "worksheets/platform.h"

#include <QString>
#include <functional>
#include <memory>
#include <optional>

class QWidget;

namespace korveld {

class OperatingWindowChart;
class QtAdapter;

class QtPlatform : public Platform {
public:
    QtPlatform();
    ~QtPlatform() override;

    void attach(QtAdapter* adapter) { m_adapter = adapter; }
    // Tests point the program at a folder of their own.
    void setApplicationFolder(const QString& folder) { m_folder = folder; }
    HelpViewer& helpViewer() { return m_helpViewer; }
    // Tests answer the file dialog of "Save Report as PDF": given the file offered, the file chosen
    // (empty to cancel).
    void setSaveFileChooser(std::function<QString(const QString& offered)> chooser) {
        m_chooseFile = std::move(chooser);
    }
    // The chart window, once a picture has been shown.
    OperatingWindowChart* chartWindow() const { return m_chart.get(); }
    bool ended() const { return m_ended; }

    int MsgBox(const std::string& prompt, std::int16_t style, const std::string& title) override;
    void SetFocus(Control& control) override;
    void ShowWindow(Form& form) override;
    bool WinHelp(std::uintptr_t helpWnd, const std::string& helpFile, HelpCommand command, std::uint32_t contextId,
                 const std::string& key) override;
    std::string ApplicationFolder() override;
    bool PrintDocument(const korveld::PrintDocument& document, const std::string& jobName) override;
    std::string DateText() override;
    std::string TimeText() override;
    void PreviewReport(const ReportPages& report) override;
    PdfSaveResult SaveReportAsPdf(const ReportPages& report) override;
    void ShowOperatingWindows(const OperatingWindows& chart) override;
    void HideOperatingWindows() override;
    void SetClipboardText(const std::string& text) override;
    NumberLocale UserNumberLocale() override;
    void EndProgram() override;

private:
    QWidget* dialogParent() const;

    QtAdapter* m_adapter = nullptr;
    HelpViewer m_helpViewer;
    std::optional<QString> m_folder;
    std::function<QString(const QString&)> m_chooseFile;
    std::unique_ptr<OperatingWindowChart> m_chart;
    bool m_ended = false;
};

} // namespace korveld
