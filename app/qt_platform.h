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
class ScheduleWindowWidget;
class SeriesComparisonWindow;
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
    // The comparison window, once a comparison has been shown.
    SeriesComparisonWindow* comparisonWindow() const { return m_comparison.get(); }
    ScheduleWindowWidget* scheduleWidget() const { return m_schedule.get(); }
    // Tests answer the schedule's file choosers, the tag question and the save question.
    void setFileNameChooser(std::function<std::string(FileQuestion, const std::string&)> chooser) {
        m_chooseFileName = std::move(chooser);
    }
    void setInputAnswerer(std::function<std::optional<std::string>(const std::string&)> answerer) {
        m_answerInput = std::move(answerer);
    }
    void setSaveChangesAnswerer(std::function<SaveChangesAnswer(const std::string&)> answerer) {
        m_answerSaveChanges = std::move(answerer);
    }
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
    void ShowSeriesComparison(SeriesComparison& comparison) override;
    void ShowSchedule(ScheduleWindow& schedule) override;
    void HideSchedule() override;
    std::optional<std::string> InputBox(const std::string& prompt, const std::string& title,
                                        const std::string& initial) override;
    std::string AskFileName(FileQuestion question, const std::string& offered) override;
    SaveChangesAnswer AskSaveChanges(const std::string& prompt, const std::string& title) override;
    FileReadResult ReadTextFile(const std::string& path, std::size_t limit) override;
    std::optional<std::string> WriteTextFile(const std::string& path, const std::string& text) override;
    bool WritePdfPages(const std::vector<korveld::PrintDocument>& pages, const std::string& title,
                       const std::string& path) override;
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
    std::unique_ptr<SeriesComparisonWindow> m_comparison;
    std::unique_ptr<ScheduleWindowWidget> m_schedule;
    std::function<std::string(FileQuestion, const std::string&)> m_chooseFileName;
    std::function<std::optional<std::string>(const std::string&)> m_answerInput;
    std::function<SaveChangesAnswer(const std::string&)> m_answerSaveChanges;
    bool m_ended = false;
};

} // namespace korveld
