// Our help viewer: one help window (owned by the window that owns all help, the start screen)
// showing a topic, the contents or the search; pop-up topics in a small frameless window at the
// pointer. Problems with the help file are reported in the viewer itself, in plain words.
#pragma once

#include "worksheets/help_file.h"
#include "worksheets/platform.h"

#include <QDialog>
#include <QFrame>
#include <QPointer>
#include <QWidget>
#include <memory>

class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QStackedWidget;
class QTextBrowser;

namespace korveld {

class HelpSearchDialog;

class HelpWindow : public QWidget {
public:
    explicit HelpWindow(QWidget* owner);

    // The file the contents and the search work on; nullptr while the file cannot be used.
    void setFile(std::shared_ptr<const HelpFile> file);
    void showTopic(const HelpTopic& topic);
    void showContents();
    void showMessage(const QString& message);
    void openSearch(const QString& key);
    HelpSearchDialog* searchDialog() const { return m_search; }

private:
    void openTopic(std::int32_t contextId);

    std::shared_ptr<const HelpFile> m_file;
    QPushButton* m_contentsButton = nullptr;
    QPushButton* m_searchButton = nullptr;
    QStackedWidget* m_pages;
    QListWidget* m_contents;
    QLabel* m_title;
    QTextBrowser* m_body;
    QLabel* m_message;
    QPointer<HelpSearchDialog> m_search;
};

// Search over the titles and keywords; the chosen topic opens in the help window.
class HelpSearchDialog : public QDialog {
public:
    HelpSearchDialog(QWidget* parent, std::shared_ptr<const HelpFile> file, std::function<void(std::int32_t)> open);
    void setQuery(const QString& query);

private:
    void refresh();
    void openCurrent();

    std::shared_ptr<const HelpFile> m_file;
    std::function<void(std::int32_t)> m_open;
    QLineEdit* m_query;
    QListWidget* m_results;
};

// A pop-up topic: closes on a click or Escape.
class HelpPopup : public QFrame {
public:
    HelpPopup(QWidget* owner, const QString& title, const QString& html);

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
};

class HelpViewer {
public:
    // Carries out one help command; `owner` is the window that owns every help window.
    void request(QWidget* owner, const QString& helpFile, HelpCommand command, std::uint32_t contextId,
                 const QString& key);

    HelpWindow* window() const { return m_window; }
    HelpPopup* popup() const { return m_popup; }

private:
    HelpWindow& windowFor(QWidget* owner);
    void showWindow(HelpWindow& window);
    void showPopup(QWidget* owner, const QString& title, const QString& html);

    QPointer<HelpWindow> m_window;
    QPointer<HelpPopup> m_popup;
};

} // namespace korveld
