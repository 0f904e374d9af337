// Keyboard use on real widgets: the Tab key visits every control a user can reach in the window's
// order, the & accelerators press their buttons and open their menus, and every widget carries
// the model's accessible name.
#include "app/help_viewer.h"
#include "engine/series_numbers.h"
#include "worksheet_gui.h"

#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <set>

namespace korveld::testing {
namespace {

using namespace korveld::series;

class Keyboard : public WorksheetGui {
public:
    frmSelection& startScreen() {
        start();
        return screen();
    }
    frmkorveld& selectionTyped() {
        frmkorveld& sheet = openSelection();
        enter(sheet, {"R-22", KO, "40", "14840"});
        return sheet;
    }
    frmResults& resultsShown() { return *selectShowing({"R-22", KO, "40", "14840"}); }
    FormWindow& activate(const Form& form) {
        FormWindow& window = windowOf(form);
        window.activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(&window));
        return window;
    }
};

using Opener = std::function<Form&(Keyboard&)>;

// ---- Tab ----

struct TabCase {
    const char* name;
    Opener open;
    std::vector<const char*> chain; // empty: the model's order of the controls a user can reach
};

class TabKey : public Keyboard, public ::testing::WithParamInterface<TabCase> {};

TEST_P(TabKey, VisitsEveryReachableControlInOrderAndComesRound) {
    Form& form = GetParam().open(*this);
    FormWindow& window = activate(form);
    std::vector<std::string> expected(GetParam().chain.begin(), GetParam().chain.end());
    if (expected.empty()) {
        // An option group is visited once, at its chosen option or else its first (OptionGroupTab).
        std::set<const OptionButton*> groupsVisited;
        for (const Control* control : form.tabOrder()) {
            if (control->kind() == ControlKind::Label || control->kind() == ControlKind::Frame ||
                !control->isUsable()) {
                continue;
            }
            if (control->kind() == ControlKind::OptionButton) {
                const auto* option = static_cast<const OptionButton*>(control);
                bool chosenElsewhere = false;
                for (const OptionButton* o = option->firstInGroup(); o != nullptr; o = o->nextInGroup()) {
                    chosenElsewhere = chosenElsewhere || (o != option && o->value() && o->isUsable());
                }
                if ((!option->value() && chosenElsewhere) || !groupsVisited.insert(option->firstInGroup()).second) {
                    continue;
                }
            }
            expected.push_back(control->fullName());
        }
    }
    ASSERT_FALSE(expected.empty());
    auto* first = window.findChild<QWidget*>(QString::fromStdString(expected.front()));
    ASSERT_NE(first, nullptr);
    first->setFocus(Qt::TabFocusReason);
    std::vector<std::string> visited;
    for (std::size_t i = 0; i <= expected.size(); ++i) {
        QWidget* focused = QApplication::focusWidget();
        ASSERT_NE(focused, nullptr);
        visited.push_back(focused->objectName().toStdString());
        QTest::keyClick(focused, Qt::Key_Tab);
    }
    expected.push_back(expected.front());
    EXPECT_EQ(visited, expected);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Keyboard, TabKey, ::testing::Values(
    TabCase{"StartScreen", [](Keyboard& k) -> Form& { return k.startScreen(); },
            {"cmdValveSelect", "txtValSelect", "cmdValveCap", "txtValCap", "cmdExit"}},
    TabCase{"ResultsDialogKO", [](Keyboard& k) -> Form& { return k.resultsShown(); },
            {"txtValSelected", "txtValCapacity", "txtValveLoading", "cmdOK", "cmdPrintButton", "cmdPreview",
             "cmdSavePdf", "cmdChart", "cmdAddToSchedule"}},
    TabCase{"CapacityRatedWithLoading", [](Keyboard& k) -> Form& { return k.rateKO("12000"); }, {}},
    TabCase{"SelectionKO", [](Keyboard& k) -> Form& { return k.selectionTyped(); }, {}}
), [](const auto& info) { return std::string(info.param.name); });
// clang-format on

// ---- Accelerators ----

struct AcceleratorCase {
    const char* name;
    Opener open;
    Qt::Key key;
    const char* button; // the button the accelerator presses
};

class Accelerators : public Keyboard, public ::testing::WithParamInterface<AcceleratorCase> {};

TEST_P(Accelerators, AltAndTheUnderlinedLetterPressTheButton) {
    const AcceleratorCase& row = GetParam();
    Form& form = row.open(*this);
    Control* button = form.findControl(row.button);
    ASSERT_NE(button, nullptr);
    // What the button does is tested elsewhere; here only that the key reaches it.
    std::string pressed;
    button->onClick = [&] { pressed = button->fullName(); };
    FormWindow& window = activate(form);
    QTest::keyClick(&window, row.key, Qt::AltModifier);
    // The button shows itself pressed for a moment first.
    EXPECT_TRUE(waitFor([&] { return !pressed.empty(); }));
    EXPECT_EQ(pressed, row.button);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Keyboard, Accelerators, ::testing::Values(
    AcceleratorCase{"AltX_Exit",      [](Keyboard& k) -> Form& { return k.startScreen(); },    Qt::Key_X, "cmdExit"},
    AcceleratorCase{"AltC_Calculate", [](Keyboard& k) -> Form& { return k.typeKO(); },  Qt::Key_C, "cmdCalculate"},
    AcceleratorCase{"AltP_Print",     [](Keyboard& k) -> Form& { return k.resultsShown(); },   Qt::Key_P, "cmdPrintButton"}
), [](const auto& info) { return std::string(info.param.name); });
// clang-format on

struct MenuKeyCase {
    const char* name;
    Opener open;
    Qt::Key key;
    std::function<MenuEntry&(Form&)> menu;
};

class MenuKeys : public Keyboard, public ::testing::WithParamInterface<MenuKeyCase> {};

TEST_P(MenuKeys, AltAndTheUnderlinedLetterOpenTheMenu) {
    const MenuKeyCase& row = GetParam();
    Form& form = row.open(*this);
    FormWindow& window = activate(form);
    QMenu* menu = window.actionOf(row.menu(form))->menu();
    ASSERT_NE(menu, nullptr);
    QTest::keyClick(&window, row.key, Qt::AltModifier);
    EXPECT_TRUE(waitFor([&] { return menu->isVisible(); }));
    menu->close();
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Keyboard, MenuKeys, ::testing::Values(
    MenuKeyCase{"AltU_CapacityUnits", [](Keyboard& k) -> Form& { return k.typeKO(); }, Qt::Key_U,
                [](Form& f) -> MenuEntry& { return static_cast<frmtxvCapacity&>(f).mnuUnits; }},
    MenuKeyCase{"AltV_SelectionView", [](Keyboard& k) -> Form& { return k.selectionTyped(); }, Qt::Key_V,
                [](Form& f) -> MenuEntry& { return static_cast<frmkorveld&>(f).mnuView; }}
), [](const auto& info) { return std::string(info.param.name); });
// clang-format on

// ---- Accessible names reach the widgets ----

TEST_F(Keyboard, EveryWidgetCarriesItsControlsAccessibleName) {
    frmtxvCapacity& sheet = rateKO("12000");
    for (const Control& control : sheet.controls()) {
        QWidget* widget = windowOf(sheet).widgetOf(control);
        ASSERT_NE(widget, nullptr);
        EXPECT_EQ(widget->accessibleName().toStdString(), control.accessibleName()) << control.fullName();
    }
    EXPECT_EQ(widget(sheet, "txtSystemCapacity")->accessibleName(), QStringLiteral("System Capacity"));
}

} // namespace
} // namespace korveld::testing

namespace korveld::testing {
namespace {

// ---- F1 in every window, as the help file says ----

struct HelpKeyCase {
    const char* name;
    Opener open;
    const char* focused; // the control with the focus, or nullptr for the window's first
    const char* topic;   // the title of the topic F1 opens
};

class HelpKey : public Keyboard, public ::testing::WithParamInterface<HelpKeyCase> {};

TEST_P(HelpKey, OpensTheTopicOfTheWindowOrOfTheFocusedControl) {
    const HelpKeyCase& row = GetParam();
    Form& form = row.open(*this);
    FormWindow& window = activate(form);
    if (row.focused != nullptr) {
        window.findChild<QWidget*>(QString::fromLatin1(row.focused))->setFocus();
    }
    QTest::keyClick(QApplication::focusWidget() != nullptr ? QApplication::focusWidget() : &window, Qt::Key_F1);
    ASSERT_NE(m_platform->helpViewer().window(), nullptr);
    EXPECT_EQ(m_platform->helpViewer().window()->findChild<QLabel*>(QStringLiteral("helpTitle"))->text(),
              QString::fromLatin1(row.topic));
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Keyboard, HelpKey, ::testing::Values(
    HelpKeyCase{"StartScreen",          [](Keyboard& k) -> Form& { return k.startScreen(); }, "cmdExit", "The Start Screen"},
    HelpKeyCase{"StartScreenSelection", [](Keyboard& k) -> Form& { return k.startScreen(); }, "cmdValveSelect",
                "About Valve Selection Work Sheet"},
    HelpKeyCase{"CapacityWorksheet",    [](Keyboard& k) -> Form& { return k.typeKO(); }, "txtEvapTemp",
                "About Valve Capacity Work Sheet"},
    HelpKeyCase{"SelectionWorksheet",   [](Keyboard& k) -> Form& { return k.selectionTyped(); }, "txtInputCap",
                "About Valve Selection Work Sheet"},
    HelpKeyCase{"ResultsDialog",        [](Keyboard& k) -> Form& { return k.resultsShown(); }, "cmdPrintButton",
                "About Valve Selection Work Sheet"},
    HelpKeyCase{"BleedDialog",          [](Keyboard& k) -> Form& {
                    frmkorveld& sheet = k.selectionTyped(); k.act([&] { sheet.optYES.userClick(); });
                    return *k.bleedDialog(); }, "cmdExit", "How To Use The Valve Selection Work Sheet"}
), [](const auto& info) { return std::string(info.param.name); });
// clang-format on

TEST_F(Keyboard, HelpKeyOnAHighlightedMenuEntryOpensItsTopicAndClosesTheMenu) {
    frmtxvCapacity& sheet = typeKO();
    FormWindow& window = activate(sheet);
    QMenu* help = window.actionOf(sheet.mnuHelp)->menu();
    ASSERT_NE(help, nullptr);
    help->popup(window.mapToGlobal(QPoint(0, 0)));
    ASSERT_TRUE(waitFor([&] { return help->isVisible(); }));
    help->setActiveAction(window.actionOf(sheet.mnuHowToUse));
    QTest::keyClick(help, Qt::Key_F1);
    EXPECT_TRUE(waitFor([&] { return !help->isVisible(); }));
    ASSERT_NE(m_platform->helpViewer().window(), nullptr);
    EXPECT_EQ(m_platform->helpViewer().window()->findChild<QLabel*>(QStringLiteral("helpTitle"))->text(),
              QStringLiteral("How To Use The Valve Capacity Work Sheet"));
}

} // namespace
} // namespace korveld::testing
