#include "app/help_viewer.h"
#include "gui_fixture.h"

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QTextBrowser>

namespace korveld::testing {
namespace {

class HelpTest : public GuiTest {
protected:
    void SetUp() override {
        GuiTest::SetUp();
        start();
    }
    HelpWindow* helpWindow() { return m_platform->helpViewer().window(); }
    HelpPopup* popup() { return m_platform->helpViewer().popup(); }
    QString shownTitle() { return helpWindow()->findChild<QLabel*>(QStringLiteral("helpTitle"))->text(); }
    QString shownMessage() { return helpWindow()->findChild<QLabel*>(QStringLiteral("helpMessage"))->text(); }
    void pick(MenuEntry& entry) { windowOf(screen()).actionOf(entry)->trigger(); }
};

struct TopicCase {
    const char* name;
    std::function<MenuEntry&(frmSelection&)> entry;
    const char* title;
};

class HelpMenuTopics : public HelpTest, public ::testing::WithParamInterface<TopicCase> {};

TEST_P(HelpMenuTopics, MenuPickOpensItsTopicInTheOneHelpWindow) {
    pick(GetParam().entry(screen()));
    ASSERT_NE(helpWindow(), nullptr);
    EXPECT_TRUE(helpWindow()->isVisible());
    EXPECT_EQ(shownTitle(), QString::fromLatin1(GetParam().title));
    EXPECT_EQ(helpWindow()->parentWidget(), &windowOf(screen()));
    HelpWindow* first = helpWindow();
    pick(screen().mnuSupport);
    EXPECT_EQ(helpWindow(), first);
    EXPECT_EQ(shownTitle(), QStringLiteral("Obtaining Technical Support"));
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Help, HelpMenuTopics, ::testing::Values(
    TopicCase{"Introduction",   [](frmSelection& f) -> MenuEntry& { return f.mnuIntroduction; },   "Introduction To Orvik Expansion Valve Program"},
    TopicCase{"AboutCapacity",  [](frmSelection& f) -> MenuEntry& { return f.mnuValveCapacity; },  "About Valve Capacity Work Sheet"}
), [](const auto& info) { return std::string(info.param.name); });
// clang-format on

TEST_F(HelpTest, DoubleClickOnTheStartScreenOpensTopic8) {
    QTest::mouseDClick(windowOf(screen()).clientArea(), Qt::LeftButton, {}, QPoint(20, 200));
    ASSERT_NE(helpWindow(), nullptr);
    EXPECT_EQ(shownTitle(), QStringLiteral("The Start Screen"));
    EXPECT_FALSE(helpWindow()->findChild<QTextBrowser*>(QStringLiteral("helpBody"))->toPlainText().isEmpty());
}

TEST_F(HelpTest, HelpKeyOpensTheTopicOfTheFocusedControlOrTheWindow) {
    QApplication::setActiveWindow(&windowOf(screen()));
    ASSERT_TRUE(QTest::qWaitForWindowActive(&windowOf(screen())));
    widget(screen(), "cmdValveSelect")->setFocus();
    QTest::keyClick(&windowOf(screen()), Qt::Key_F1);
    ASSERT_NE(helpWindow(), nullptr);
    EXPECT_EQ(shownTitle(), QStringLiteral("About Valve Selection Work Sheet"));
    widget(screen(), "cmdExit")->setFocus();
    QTest::keyClick(&windowOf(screen()), Qt::Key_F1);
    EXPECT_EQ(shownTitle(), QStringLiteral("The Start Screen"));
}

TEST_F(HelpTest, ContentsListsTheTopicsAndOpensTheOneChosen) {
    pick(screen().mnuContents);
    auto* contents = helpWindow()->findChild<QListWidget*>(QStringLiteral("helpContents"));
    ASSERT_NE(contents, nullptr);
    EXPECT_TRUE(contents->isVisible());
    EXPECT_EQ(contents->count(), 7);
    EXPECT_EQ(contents->item(0)->text(), QStringLiteral("Introduction To Orvik Expansion Valve Program"));
    emit contents->itemActivated(contents->item(2));
    EXPECT_EQ(shownTitle(), contents->item(2)->text());
}

TEST_F(HelpTest, SearchFindsTopicsByKeywordAndOpensTheChosen) {
    m_adapter->dispatch([this] { screen().help().HelpSearch(); });
    ASSERT_NE(helpWindow(), nullptr);
    HelpSearchDialog* search = helpWindow()->searchDialog();
    ASSERT_NE(search, nullptr);
    EXPECT_TRUE(search->isVisible());
    auto* query = search->findChild<QLineEdit*>(QStringLiteral("helpSearchText"));
    auto* results = search->findChild<QListWidget*>(QStringLiteral("helpSearchResults"));
    EXPECT_EQ(results->count(), 15);
    QTest::keyClicks(query, "bleed");
    ASSERT_GE(results->count(), 1);
    const QString first = results->item(0)->text();
    QTest::keyClick(query, Qt::Key_Return);
    EXPECT_FALSE(search->isVisible());
    EXPECT_EQ(shownTitle(), first);
    EXPECT_EQ(first, QStringLiteral("About Valve Selection Work Sheet"));
}

TEST_F(HelpTest, PopupOpensAtThePointerAndClosesOnEscapeOrClick) {
    m_adapter->dispatch([this] { screen().help().HelpContextPopup(HelpId::EvapTempPopup); });
    ASSERT_NE(popup(), nullptr);
    EXPECT_TRUE(popup()->isVisible());
    EXPECT_TRUE(
        popup()->findChild<QLabel*>(QStringLiteral("helpPopupText"))->text().contains("Evaporator Temperature"));
    QTest::keyClick(popup(), Qt::Key_Escape);
    EXPECT_TRUE(waitFor([this] { return popup() == nullptr; }));
    m_adapter->dispatch([this] { screen().help().HelpContextPopup(HelpId::ChargePopup); });
    ASSERT_NE(popup(), nullptr);
    QTest::mouseClick(popup(), Qt::LeftButton);
    EXPECT_TRUE(waitFor([this] { return popup() == nullptr; }));
}

struct BrokenCase {
    const char* name;
    QByteArray file;
    std::int32_t id;
    const char* said;
};

class BrokenHelp : public HelpTest, public ::testing::WithParamInterface<BrokenCase> {};

TEST_P(BrokenHelp, ViewerSaysWhatIsWrongInPlainWords) {
    writeHelpFile(GetParam().file);
    m_adapter->dispatch([this] { screen().help().HelpContext(GetParam().id); });
    ASSERT_NE(helpWindow(), nullptr);
    EXPECT_TRUE(helpWindow()->isVisible());
    EXPECT_TRUE(shownMessage().contains(QString::fromLatin1(GetParam().said))) << shownMessage().toStdString();
    m_adapter->dispatch([this] { screen().help().HelpContextPopup(GetParam().id); });
    ASSERT_NE(popup(), nullptr);
    EXPECT_TRUE(popup()
                    ->findChild<QLabel*>(QStringLiteral("helpPopupText"))
                    ->text()
                    .contains(QString::fromLatin1(GetParam().said)));
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Help, BrokenHelp, ::testing::Values(
    BrokenCase{"MissingFile",   QByteArray(),                                     8,   "was not found"},
    BrokenCase{"UnknownId",     QByteArray("PALDEN HELP 1\n== topic 8 | T\nx\n"), 999, "has no topic 999"}
), [](const auto& info) { return std::string(info.param.name); });
// clang-format on

} // namespace
} // namespace korveld::testing
