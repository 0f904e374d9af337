// Dialogs that stay with their worksheet: the results and bleed dialogs are transient windows of
// the worksheet that showed them, a click on the disabled worksheet brings its dialog forward with
// the focus, message boxes and help pop-ups belong to the window they are about, and no dialog
// ever belongs to a hidden window. The window manager's side of it (stacking, minimising) is
// tested under a real X server in x11_window_manager_test.cpp.
#include "app/help_viewer.h"
#include "engine/series_numbers.h"
#include "worksheet_gui.h"

#include <QMenuBar>
#include <QMessageBox>
#include <QTimer>
#include <QWindow>

namespace korveld::testing {
namespace {

using namespace korveld::series;

class DialogOwner : public WorksheetGui {
public:
    frmkorveld& sheet() { return *selectionSheet(); }
    QWidget* sheetWidget(const char* name) { return widget(sheet(), name); }
    Form& resultsShown() { return *selectShowing({"R-22", KO, "40", "14840"}); }
    Form& bleedShown() {
        frmkorveld& worksheet = openSelection();
        enter(worksheet, {"R-22", KO, "40", "14840"});
        act([&] { worksheet.optYES.userClick(); });
        EXPECT_TRUE(waitFor([this] { return windowOf(*bleedDialog()).isVisible(); }));
        return *bleedDialog();
    }

    // Runs `step`, which shows a message box now or soon, and returns the window the box belonged to.
    QWidget* ownerOfMessageShownBy(const std::function<void()>& step) {
        QPointer<QWidget> owner;
        bool shown = false;
        QTimer answer;
        answer.setInterval(5);
        QObject::connect(&answer, &QTimer::timeout, [&] {
            if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget()); box != nullptr && !shown) {
                shown = true;
                owner = box->parentWidget();
                box->done(QMessageBox::Ok);
            }
        });
        answer.start();
        step();
        EXPECT_TRUE(waitFor([&] { return shown; }));
        return owner;
    }
};

using DialogOpener = std::function<Form&(DialogOwner&)>;

struct OwnedDialogCase {
    const char* name;
    DialogOpener open;
};

class OwnedDialogs : public DialogOwner, public ::testing::WithParamInterface<OwnedDialogCase> {};

TEST_P(OwnedDialogs, AreTransientDialogsOfTheWorksheetThatShowedThem) {
    Form& dialog = GetParam().open(*this);
    FormWindow& window = windowOf(dialog);
    EXPECT_EQ(dialog.owner(), &sheet());
    EXPECT_EQ(window.windowType(), Qt::Dialog);
    ASSERT_NE(window.windowHandle(), nullptr);
    EXPECT_EQ(window.windowHandle()->transientParent(), windowOf(sheet()).windowHandle());
}

TEST_P(OwnedDialogs, ComeToTheFrontWhenTheWorksheetIsActivated) {
    Form& dialog = GetParam().open(*this);
    // The bleed dialog leaves the worksheet usable; only a disabled worksheet hands on its focus.
    act([&] { sheet().setEnabled(false); });
    FormWindow& worksheet = windowOf(sheet());
    QApplication::setActiveWindow(&worksheet);
    EXPECT_TRUE(waitFor([&] { return QApplication::activeWindow() == &windowOf(dialog); }));
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(DialogOwner, OwnedDialogs, ::testing::Values(
    OwnedDialogCase{"ResultsDialog", [](DialogOwner& t) -> Form& { return t.resultsShown(); }},
    OwnedDialogCase{"BleedDialog",   [](DialogOwner& t) -> Form& { return t.bleedShown(); }}
), [](const auto& info) { return std::string(info.param.name); });
// clang-format on

struct ClickCase {
    const char* name;
    std::function<QWidget*(DialogOwner&, FormWindow&)> target;
};

class ClickOnDisabledWorksheet : public DialogOwner, public ::testing::WithParamInterface<ClickCase> {};

TEST_P(ClickOnDisabledWorksheet, BringsTheResultsDialogForwardWithTheFocus) {
    Form& results = resultsShown();
    FormWindow& worksheet = windowOf(sheet());
    ASSERT_FALSE(worksheet.isEnabled());
    QApplication::setActiveWindow(&worksheet);
    QWidget* target = GetParam().target(*this, worksheet);
    ASSERT_NE(target, nullptr);
    QTest::mouseClick(target, Qt::LeftButton, {}, QPoint(4, 4));
    EXPECT_TRUE(waitFor([&] { return QApplication::activeWindow() == &windowOf(results); }));
    EXPECT_FALSE(sheet().enabled()); // the click reached no handler of the worksheet
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(DialogOwner, ClickOnDisabledWorksheet, ::testing::Values(
    ClickCase{"EmptyArea", [](DialogOwner&, FormWindow& w) -> QWidget* { return w.clientArea(); }},
    ClickCase{"Button",    [](DialogOwner& t, FormWindow&) -> QWidget* { return t.sheetWidget("cmdSelect"); }},
    ClickCase{"Entry",     [](DialogOwner& t, FormWindow&) -> QWidget* { return t.sheetWidget("txtEvapTemp"); }},
    ClickCase{"Frame",     [](DialogOwner& t, FormWindow&) -> QWidget* { return t.sheetWidget("fmeMOP"); }},
    ClickCase{"MenuBar",   [](DialogOwner&, FormWindow& w) -> QWidget* { return w.menuBar(); }}
), [](const auto& info) { return std::string(info.param.name); });
// clang-format on

TEST_F(DialogOwner, AMessageBoxBelongsToTheWindowItIsAbout) {
    frmkorveld& worksheet = openSelection();
    // A refusal of the worksheet's Select: the worksheet.
    EXPECT_EQ(ownerOfMessageShownBy([&] { QTest::mouseClick(widget(worksheet, "cmdSelect"), Qt::LeftButton); }),
              &windowOf(worksheet));
    // The advice the worksheet's timer repeats while the results dialog holds it disabled: the
    // dialog, never the disabled worksheet, whose box could not be answered.
    Form& results = *selectShowing({"R-134a", KO, "40", "12000"});
    ASSERT_TRUE(worksheet.Timer1.enabled());
    auto* timer = windowOf(worksheet).findChild<QTimer*>(QStringLiteral("Timer1"));
    ASSERT_NE(timer, nullptr);
    EXPECT_EQ(ownerOfMessageShownBy([&] { timer->start(1); }), &windowOf(results));
}

TEST_F(DialogOwner, AHelpPopUpBelongsToTheWindowItExplains) {
    frmkorveld& worksheet = openSelection();
    QTest::mouseDClick(widget(worksheet, "txtEvapTemp"), Qt::LeftButton);
    HelpPopup* popup = m_platform->helpViewer().popup();
    ASSERT_NE(popup, nullptr);
    EXPECT_EQ(popup->parentWidget(), &windowOf(worksheet));
    popup->close();
}

TEST_F(DialogOwner, NoDialogBelongsToAHiddenWindow) {
    Form& bleed = bleedShown();
    act([&] { sheet().cmdClose.userClick(); });
    EXPECT_FALSE(bleed.visible());
    EXPECT_FALSE(windowOf(bleed).isVisible());
    // Shown again only with its worksheet, and again as its dialog.
    act([&] { screen().cmdValveSelect.userClick(); });
    enter(sheet(), {"R-22", KO, "40", "14840"});
    act([&] { sheet().optYES.userClick(); });
    ASSERT_TRUE(waitFor([&] { return windowOf(bleed).isVisible(); }));
    EXPECT_EQ(windowOf(bleed).windowHandle()->transientParent(), windowOf(sheet()).windowHandle());
    // A dialog whose owner is hidden when it shows stands alone instead.
    act([&] { bleed.Hide(); });
    act([&] {
        sheet().Hide();
        bleed.Show(sheet());
    });
    ASSERT_TRUE(waitFor([&] { return windowOf(bleed).isVisible(); }));
    EXPECT_EQ(windowOf(bleed).windowHandle()->transientParent(), nullptr);
    EXPECT_EQ(windowOf(bleed).windowType(), Qt::Window);
}

} // namespace
} // namespace korveld::testing
