// The keyboard in option groups: each group is one Tab stop, on its chosen option or, with none
// chosen, on the first a user can reach; the arrow keys move the choice round the group as a
// click moves it, passing over hidden and disabled options; check boxes stay stops of their own.
#include "engine/series_numbers.h"
#include "worksheet_gui.h"

#include <QLineEdit>

namespace korveld::testing {
namespace {

using namespace korveld::series;

class OptionGroupTab : public WorksheetGui {
public:
    FormWindow& activate(const Form& form) {
        FormWindow& window = windowOf(form);
        window.activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(&window));
        return window;
    }
    frmkorveld& selection(const TypedSystem& system) {
        frmkorveld& sheet = openSelection();
        enter(sheet, system);
        return sheet;
    }
    frmPerCentBleed& bleed() {
        frmkorveld& sheet = selection({"R-22", KO, "40", "14840"});
        act([&] { sheet.optYES.userClick(); });
        return *bleedDialog();
    }
    // The names of the controls Tab visits from `first` until it comes round to it.
    std::vector<std::string> tabChain(FormWindow& window, const char* first) {
        auto* start = window.findChild<QWidget*>(QString::fromLatin1(first));
        EXPECT_NE(start, nullptr) << first;
        if (start == nullptr) {
            return {};
        }
        start->setFocus(Qt::TabFocusReason);
        std::vector<std::string> visited;
        for (int i = 0; i < 60; ++i) {
            QWidget* focused = QApplication::focusWidget();
            if (focused == nullptr || (i > 0 && focused == start)) {
                break;
            }
            visited.push_back(focused->objectName().toStdString());
            QTest::keyClick(focused, Qt::Key_Tab);
        }
        return visited;
    }
};

using Opener = std::function<Form&(OptionGroupTab&)>;

struct ChainCase {
    const char* name;
    Opener open;
    std::vector<const char*> chain; // from its first entry round to it again
};

class TabChains : public OptionGroupTab, public ::testing::WithParamInterface<ChainCase> {};

TEST_P(TabChains, TabVisitsEachOptionGroupOnce) {
    Form& form = GetParam().open(*this);
    FormWindow& window = activate(form);
    const std::vector<std::string> expected(GetParam().chain.begin(), GetParam().chain.end());
    EXPECT_EQ(tabChain(window, GetParam().chain.front()), expected);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(OptionGroupTab, TabChains, ::testing::Values(
    ChainCase{"CapacityAtStart", [](OptionGroupTab& t) -> Form& { return t.openCapacity(); },
              {"txtSelectRefrig", "txtSelValve", "txtEvapTemp", "txtCondTemp", "txtLiqTemp", "optDistOrifice",
               "optNO", "cmdCalculate", "cmdClose"}},
    // User Defined hides itself when chosen: the stop falls on the first option left, None.
    ChainCase{"CapacityUserDefined", [](OptionGroupTab& t) -> Form& {
                  frmtxvCapacity& f = t.openCapacity();
                  t.act([&] { f.optUserDefined.userClick(); f.optYES.userClick(); });
                  return f; },
              {"txtSelectRefrig", "txtSelValve", "txtEvapTemp", "txtCondTemp", "txtLiqTemp", "optDistNone",
               "txtPressureDrop", "txtSystemCapacity", "optDone", "cmdCalculate", "cmdClose"}},
    // A KO valve: only Standard Flow of the characteristics can be reached; No is the bleed chosen;
    // Internal is disabled.
    ChainCase{"SelectionKO", [](OptionGroupTab& t) -> Form& { return t.selection({"R-22", KO, "40", "14840"}); },
              {"txtEvapTemp", "txtCondTemp", "txtLiqTemp", "txtInputCap", "txtSelRefrig", "txtSelValve",
               "optDistOrifice", "cmdSelect", "chkStandard", "optNO", "txtBleedPerCent", "optSweat", "optExternal",
               "optMOPNone", "cmdClose"}},
    ChainCase{"SelectionQZStrainer", [](OptionGroupTab& t) -> Form& { return t.selection({"R-404A", QZ, "20", "30000"}); },
              {"txtEvapTemp", "txtCondTemp", "txtLiqTemp", "txtInputCap", "txtSelRefrig", "txtSelValve",
               "optDistOrifice", "cmdSelect", "chkStandard", "chkBalPorted", "optQZNo", "optSweat", "optExternal",
               "optMOPNone", "cmdClose"}},
    // No bleed yet: NONE is the chosen option.
    ChainCase{"BleedDialog", [](OptionGroupTab& t) -> Form& { return t.bleed(); }, {"optNone", "cmdExit"}},
    ChainCase{"BleedDialogWithABleed", [](OptionGroupTab& t) -> Form& {
                  frmPerCentBleed& f = t.bleed(); t.act([&] { f.opt30.userClick(); }); return f; },
              {"opt30", "cmdExit"}}
), [](const auto& info) { return std::string(info.param.name); });
// clang-format on

struct ArrowCase {
    const char* name;
    Opener open;
    const char* from; // the option with the focus
    Qt::Key key;
    const char* chosen;                                  // the option chosen and focused afterwards
    std::function<void(OptionGroupTab&, Form&)> clicked; // what its Click did
    const char* focused = nullptr;                       // where its Click put the focus, when it moves it
};

class ArrowKeys : public OptionGroupTab, public ::testing::WithParamInterface<ArrowCase> {};

TEST_P(ArrowKeys, MoveTheChoiceAndRunItsClick) {
    const ArrowCase& row = GetParam();
    Form& form = row.open(*this);
    FormWindow& window = activate(form);
    auto* from = window.findChild<QWidget*>(QString::fromLatin1(row.from));
    ASSERT_NE(from, nullptr);
    from->setFocus(Qt::TabFocusReason);
    QTest::keyClick(from, row.key);
    auto* chosen = static_cast<OptionButton*>(form.findControl(row.chosen));
    ASSERT_NE(chosen, nullptr);
    EXPECT_TRUE(chosen->value());
    QWidget* focused = row.focused != nullptr ? window.findChild<QWidget*>(QString::fromLatin1(row.focused))
                                              : window.widgetOf(*chosen);
    EXPECT_EQ(QApplication::focusWidget(), focused);
    row.clicked(*this, form);
}

frmtxvCapacity& capacity(OptionGroupTab& t) {
    return t.openCapacity();
}

frmkorveld& kO(OptionGroupTab& t) {
    return t.selection({"R-22", KO, "40", "14840"});
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(OptionGroupTab, ArrowKeys, ::testing::Values(
    ArrowCase{"DownToVenturi", [](OptionGroupTab& t) -> Form& { return capacity(t); }, "optDistOrifice", Qt::Key_Down,
              "optDistVenturi", [](OptionGroupTab&, Form& f) { EXPECT_FALSE(static_cast<frmtxvCapacity&>(f).optDistOrifice.value()); }},
    ArrowCase{"RightToUserDefinedShowsItsEntry", [](OptionGroupTab& t) -> Form& {
                  frmtxvCapacity& f = capacity(t); t.act([&] { f.optDistVenturi.userClick(); }); return f; },
              "optDistVenturi", Qt::Key_Right, "optUserDefined",
              [](OptionGroupTab&, Form& f) { EXPECT_TRUE(static_cast<frmtxvCapacity&>(f).txtPressureDrop.visible()); },
              "txtPressureDrop"},
    ArrowCase{"UpRoundsTheGroupPastTheHiddenOption", [](OptionGroupTab& t) -> Form& {
                  frmtxvCapacity& f = capacity(t); t.act([&] { f.optUserDefined.userClick(); f.optDistNone.userClick(); f.optUserDefined.userClick(); }); return f; },
              "optDistNone", Qt::Key_Up, "optDistVenturi",
              [](OptionGroupTab&, Form& f) { EXPECT_FALSE(static_cast<frmtxvCapacity&>(f).txtPressureDrop.visible()); }},
    ArrowCase{"YesTurnsLoadingOn", [](OptionGroupTab& t) -> Form& { return capacity(t); }, "optNO", Qt::Key_Up,
              "optYES", [](OptionGroupTab&, Form& f) { EXPECT_TRUE(static_cast<frmtxvCapacity&>(f).fmeLoading.visible()); },
              "txtSystemCapacity"},
    // W35 and W65 are disabled at 40 deg F: CA goes straight to W100, whose Click writes the range.
    ArrowCase{"PastTheDisabledCharges", [](OptionGroupTab& t) -> Form& { return kO(t); }, "optMOPCA", Qt::Key_Down,
              "optMOP3", [](OptionGroupTab&, Form& f) {
                  EXPECT_EQ(static_cast<frmkorveld&>(f).lblEvapRange.caption(), "Range: -40 to 60 deg F."); }},
    ArrowCase{"InternalWithNoDistributor", [](OptionGroupTab& t) -> Form& {
                  frmkorveld& f = t.selection({"R-134a", VMP, "40", "24000"}); t.act([&] { f.optDistNone.userClick(); }); return f; },
              "optExternal", Qt::Key_Down, "optInternal",
              [](OptionGroupTab&, Form& f) { EXPECT_EQ(static_cast<frmkorveld&>(f).chkStandard.value(), CheckBox::Checked); }},
    ArrowCase{"BleedPercentage", [](OptionGroupTab& t) -> Form& { return t.bleed(); }, "optNone", Qt::Key_Right,
              "opt10", [](OptionGroupTab& t, Form&) { EXPECT_EQ(t.selectionSheet()->txtBleedPerCent.text(), "10%"); }},
    ArrowCase{"BleedBackToNone", [](OptionGroupTab& t) -> Form& {
                  frmPerCentBleed& f = t.bleed(); t.act([&] { f.opt10.userClick(); }); return f; },
              "opt10", Qt::Key_Up, "optNone",
              [](OptionGroupTab& t, Form&) { EXPECT_EQ(t.selectionSheet()->txtBleedPerCent.text(), ""); }}
), [](const auto& info) { return std::string(info.param.name); });
// clang-format on

TEST_F(OptionGroupTab, AnArrowKeyInAGroupWithNoOtherReachableOptionChangesNothing) {
    frmkorveld& sheet = kO(*this);
    FormWindow& window = activate(sheet);
    ASSERT_FALSE(sheet.optInternal.enabled());
    QWidget* external = window.widgetOf(sheet.optExternal);
    external->setFocus(Qt::TabFocusReason);
    QTest::keyClick(external, Qt::Key_Down);
    EXPECT_TRUE(sheet.optExternal.value());
    EXPECT_EQ(QApplication::focusWidget(), external);
}

} // namespace
} // namespace korveld::testing
