#include "app/help_viewer.h"

#include "app/window_placement.h"

#include <QApplication>
#include <QCursor>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QScreen>
#include <QStackedWidget>
#include <QTextBrowser>
#include <QVBoxLayout>

namespace korveld {

namespace {

constexpr int kContextIdRole = Qt::UserRole + 1;

QString titleOf(const HelpTopic& topic) {
    return QString::fromStdString(topic.title);
}

QString htmlOf(const HelpTopic& topic) {
    return QString::fromStdString(helpBodyHtml(topic));
}

QListWidgetItem* itemFor(const HelpTopic& topic, QListWidget* list) {
    auto* item = new QListWidgetItem(titleOf(topic), list);
    item->setData(kContextIdRole, topic.contextId);
    return item;
}

} // namespace

HelpWindow::HelpWindow(QWidget* owner)
    : QWidget(owner, Qt::Window), m_pages(new QStackedWidget(this)), m_contents(new QListWidget(this)),
      m_title(new QLabel(this)), m_body(new QTextBrowser(this)), m_message(new QLabel(this)) {
    setObjectName(QStringLiteral("helpWindow"));
    setWindowTitle(tr("Help"));
    resize(560, 480);

    auto* contentsButton = m_contentsButton = new QPushButton(tr("&Contents"), this);
    contentsButton->setObjectName(QStringLiteral("helpContentsButton"));
    auto* searchButton = m_searchButton = new QPushButton(tr("&Search..."), this);
    searchButton->setObjectName(QStringLiteral("helpSearchButton"));
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(contentsButton);
    buttons->addWidget(searchButton);
    buttons->addStretch();

    m_contents->setObjectName(QStringLiteral("helpContents"));
    m_title->setObjectName(QStringLiteral("helpTitle"));
    QFont titleFont = m_title->font();
    titleFont.setBold(true);
    titleFont.setPointSizeF(titleFont.pointSizeF() * 1.3);
    m_title->setFont(titleFont);
    m_title->setWordWrap(true);
    m_body->setObjectName(QStringLiteral("helpBody"));
    m_body->setOpenLinks(false);
    m_message->setObjectName(QStringLiteral("helpMessage"));
    m_message->setWordWrap(true);
    m_message->setAlignment(Qt::AlignTop | Qt::AlignLeft);
    m_message->setTextFormat(Qt::PlainText);

    auto* topicPage = new QWidget(this);
    auto* topicLayout = new QVBoxLayout(topicPage);
    topicLayout->setContentsMargins(0, 0, 0, 0);
    topicLayout->addWidget(m_title);
    topicLayout->addWidget(m_body, 1);
    m_pages->addWidget(m_contents);
    m_pages->addWidget(topicPage);
    m_pages->addWidget(m_message);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(buttons);
    layout->addWidget(m_pages, 1);

    connect(contentsButton, &QPushButton::clicked, this, [this] { showContents(); });
    connect(searchButton, &QPushButton::clicked, this, [this] { openSearch({}); });
    connect(m_contents, &QListWidget::itemActivated, this,
            [this](QListWidgetItem* item) { openTopic(item->data(kContextIdRole).toInt()); });
    connect(m_contents, &QListWidget::itemClicked, this,
            [this](QListWidgetItem* item) { openTopic(item->data(kContextIdRole).toInt()); });
}

void HelpWindow::setFile(std::shared_ptr<const HelpFile> file) {
    m_file = std::move(file);
    m_contentsButton->setEnabled(m_file != nullptr);
    m_searchButton->setEnabled(m_file != nullptr);
    if (m_search != nullptr) {
        // The search works on the file it was opened with; a new file gets a new dialog.
        m_search->deleteLater();
        m_search = nullptr;
    }
}

void HelpWindow::showTopic(const HelpTopic& topic) {
    setWindowTitle(tr("Help - %1").arg(titleOf(topic)));
    m_title->setText(titleOf(topic));
    m_body->setHtml(htmlOf(topic));
    m_pages->setCurrentIndex(1);
}

void HelpWindow::showContents() {
    if (!m_file) {
        return;
    }
    setWindowTitle(tr("Help - Contents"));
    m_contents->clear();
    for (const HelpTopic& topic : m_file->topics) {
        if (topic.kind == HelpTopicKind::Topic) {
            itemFor(topic, m_contents);
        }
    }
    m_contents->setCurrentRow(0);
    m_pages->setCurrentIndex(0);
}

void HelpWindow::showMessage(const QString& message) {
    setWindowTitle(tr("Help"));
    m_message->setText(message);
    m_pages->setCurrentIndex(2);
}

void HelpWindow::openSearch(const QString& key) {
    if (!m_file) {
        return;
    }
    if (m_search == nullptr) {
        m_search = new HelpSearchDialog(this, m_file, [this](std::int32_t id) { openTopic(id); });
    }
    m_search->setQuery(key);
    m_search->show();
    m_search->raise();
    m_search->activateWindow();
}

void HelpWindow::openTopic(std::int32_t contextId) {
    if (!m_file) {
        return;
    }
    if (const HelpTopic* topic = m_file->find(contextId)) {
        showTopic(*topic);
    }
}

HelpSearchDialog::HelpSearchDialog(QWidget* parent, std::shared_ptr<const HelpFile> file,
                                   std::function<void(std::int32_t)> open)
    : QDialog(parent), m_file(std::move(file)), m_open(std::move(open)), m_query(new QLineEdit(this)),
      m_results(new QListWidget(this)) {
    setObjectName(QStringLiteral("helpSearch"));
    setWindowTitle(tr("Search For Help On"));
    resize(420, 360);
    m_query->setObjectName(QStringLiteral("helpSearchText"));
    m_results->setObjectName(QStringLiteral("helpSearchResults"));
    auto* prompt = new QLabel(tr("&Type a word, or choose a topic from the list:"), this);
    prompt->setBuddy(m_query);
    auto* display = new QPushButton(tr("&Display"), this);
    display->setObjectName(QStringLiteral("helpSearchDisplay"));
    display->setDefault(true);
    auto* close = new QPushButton(tr("Close"), this);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(display);
    buttons->addWidget(close);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(prompt);
    layout->addWidget(m_query);
    layout->addWidget(m_results, 1);
    layout->addLayout(buttons);

    connect(m_query, &QLineEdit::textChanged, this, [this] { refresh(); });
    connect(m_query, &QLineEdit::returnPressed, this, [this] { openCurrent(); });
    connect(m_results, &QListWidget::itemActivated, this, [this] { openCurrent(); });
    connect(m_results, &QListWidget::itemDoubleClicked, this, [this] { openCurrent(); });
    connect(display, &QPushButton::clicked, this, [this] { openCurrent(); });
    connect(close, &QPushButton::clicked, this, &QDialog::reject);
    refresh();
}

void HelpSearchDialog::setQuery(const QString& query) {
    m_query->setText(query);
    m_query->setFocus();
    refresh();
}

void HelpSearchDialog::refresh() {
    m_results->clear();
    for (const HelpTopic* topic : searchHelp(*m_file, m_query->text().toStdString())) {
        itemFor(*topic, m_results);
    }
    m_results->setCurrentRow(0);
}

void HelpSearchDialog::openCurrent() {
    if (QListWidgetItem* item = m_results->currentItem()) {
        const std::int32_t id = item->data(kContextIdRole).toInt();
        accept();
        m_open(id);
    }
}

HelpPopup::HelpPopup(QWidget* owner, const QString& title, const QString& html) : QFrame(owner, Qt::Popup) {
    setObjectName(QStringLiteral("helpPopup"));
    setAttribute(Qt::WA_DeleteOnClose);
    setFrameShape(QFrame::Box);
    setLineWidth(1);
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, QColor(255, 255, 225));
    palette.setColor(QPalette::WindowText, Qt::black);
    setPalette(palette);
    setAutoFillBackground(true);
    auto* label = new QLabel(this);
    label->setObjectName(QStringLiteral("helpPopupText"));
    label->setTextFormat(Qt::RichText);
    label->setWordWrap(true);
    label->setText(title.isEmpty() ? html : QStringLiteral("<b>%1</b>%2").arg(title.toHtmlEscaped(), html));
    label->setFixedWidth(360);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(8, 6, 8, 6);
    layout->addWidget(label);
}

void HelpPopup::mousePressEvent(QMouseEvent* /*event*/) {
    close();
}

void HelpPopup::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape) {
        close();
        return;
    }
    QFrame::keyPressEvent(event);
}

HelpWindow& HelpViewer::windowFor(QWidget* owner) {
    if (m_window == nullptr) {
        m_window = new HelpWindow(owner);
        // Beside its owner, so the two stay readable side by side.
        if (owner != nullptr) {
            m_window->move(besideFrame(owner->frameGeometry()));
        }
    }
    return *m_window;
}

void HelpViewer::showWindow(HelpWindow& window) {
    // Where it stood last, or beside its owner the first time; wholly on screen either way.
    const QWidget* owner = window.parentWidget();
    showInsideScreen(window, window.frameGeometry().topLeft(), owner != nullptr ? frameMarginsOf(*owner) : QMargins());
}

void HelpViewer::showPopup(QWidget* owner, const QString& title, const QString& html) {
    if (m_popup != nullptr) {
        m_popup->close();
    }
    m_popup = new HelpPopup(owner, title, html);
    m_popup->adjustSize();
    QPoint at = QCursor::pos() + QPoint(8, 8);
    if (const QScreen* screen = QGuiApplication::screenAt(QCursor::pos())) {
        const QRect area = screen->availableGeometry();
        at.setX(std::max(area.left(), std::min(at.x(), area.right() - m_popup->width())));
        at.setY(std::max(area.top(), std::min(at.y(), area.bottom() - m_popup->height())));
    }
    m_popup->move(at);
    m_popup->show();
}

void HelpViewer::request(QWidget* owner, const QString& helpFile, HelpCommand command, std::uint32_t contextId,
                         const QString& key) {
    // The file is read on every request, so a corrected file counts at once.
    HelpParseResult parsed = loadHelpFile(helpFile.toStdString());
    const bool popup = command == HelpCommand::ContextPopup;
    if (!parsed.ok()) {
        const QString message = QString::fromStdString(parsed.message);
        if (popup) {
            showPopup(owner, {}, QStringLiteral("<p>%1</p>").arg(message.toHtmlEscaped()));
        } else {
            HelpWindow& window = windowFor(owner);
            window.setFile(nullptr);
            window.showMessage(message);
            showWindow(window);
            window.raise();
        }
        return;
    }
    auto file = std::make_shared<const HelpFile>(std::move(parsed.file));
    const HelpTopic* topic = file->find(static_cast<std::int32_t>(contextId));
    const QString unknown =
        QCoreApplication::translate("HelpViewer", "The help file %1 has no topic %2.").arg(helpFile).arg(contextId);
    if (popup) {
        if (topic != nullptr) {
            showPopup(owner, titleOf(*topic), htmlOf(*topic));
        } else {
            showPopup(owner, {}, QStringLiteral("<p>%1</p>").arg(unknown.toHtmlEscaped()));
        }
        return;
    }
    HelpWindow& window = windowFor(owner);
    window.setFile(file);
    switch (command) {
    case HelpCommand::Context:
        if (topic != nullptr) {
            window.showTopic(*topic);
        } else {
            window.showMessage(unknown);
        }
        break;
    case HelpCommand::Index:
        window.showContents();
        break;
    case HelpCommand::PartialKey:
        if (!window.isVisible()) {
            window.showContents();
        }
        showWindow(window);
        window.openSearch(key);
        return;
    case HelpCommand::ContextPopup:
        break;
    }
    showWindow(window);
    window.raise();
    window.activateWindow();
}

} // namespace korveld
