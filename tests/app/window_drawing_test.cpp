// What the windows draw: frames whose border runs through their caption, and option circles and
// check boxes that show whole inside their widget and inside their frame's border, in every layout
// the worksheets take.
#include "app/classic_frame.h"
#include "engine/series_numbers.h"
#include "worksheet_gui.h"

#include <QCheckBox>
#include <QRadioButton>
#include <QStyleOptionButton>
#include <utility>
#include <vector>

namespace korveld::testing {
namespace {

using namespace korveld::series;

struct LayoutCase {
    const char* name;
    std::function<Form&(WorksheetGui&)> open;
};

class WindowDrawing : public WorksheetGui, public ::testing::WithParamInterface<LayoutCase> {
public:
    // The fixture's steps, for the rows of the table.
    frmtxvCapacity& capacity(const char* systemCapacity) { return rateKO(systemCapacity); }
    frmtxvCapacity& capacityUserDefined() {
        frmtxvCapacity& sheet = openCapacity();
        act([&] { sheet.optUserDefined.userClick(); });
        return sheet;
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

    QRect indicatorOf(QAbstractButton& button) {
        QStyleOptionButton option;
        option.initFrom(&button);
        const auto element = qobject_cast<QRadioButton*>(&button) != nullptr ? QStyle::SE_RadioButtonIndicator
                                                                             : QStyle::SE_CheckBoxIndicator;
        return button.style()->subElementRect(element, &option, &button);
    }
};

TEST_P(WindowDrawing, IndicatorsShowWholeInsideTheirFrames) {
    Form& form = GetParam().open(*this);
    FormWindow& window = windowOf(form);
    ASSERT_TRUE(waitFor([&] { return window.isVisible(); }));
    int checked = 0;
    std::vector<std::pair<QWidget*, QRect>> drawn; // indicators in their parent's coordinates
    for (QAbstractButton* button : window.findChildren<QAbstractButton*>()) {
        if ((qobject_cast<QRadioButton*>(button) == nullptr && qobject_cast<QCheckBox*>(button) == nullptr) ||
            !button->isVisible()) {
            continue;
        }
        ++checked;
        const QRect indicator = indicatorOf(*button);
        EXPECT_TRUE(button->rect().contains(indicator)) << button->objectName().toStdString();
        // Options 200 twips apart keep their circles apart.
        for (const auto& [parent, other] : drawn) {
            EXPECT_FALSE(parent == button->parentWidget() && other.intersects(indicator.translated(button->pos())))
                << button->objectName().toStdString();
        }
        drawn.emplace_back(button->parentWidget(), indicator.translated(button->pos()));
        if (auto* frame = dynamic_cast<ClassicFrame*>(button->parentWidget())) {
            const QRect inFrame = indicator.translated(button->pos());
            EXPECT_GT(inFrame.top(), frame->borderTop() + 1) << button->objectName().toStdString();
            EXPECT_LT(inFrame.bottom(), frame->height() - 2) << button->objectName().toStdString();
        }
    }
    EXPECT_GT(checked, 0);
}

TEST_P(WindowDrawing, ControlsInAFrameStartBelowItsTopBorder) {
    Form& form = GetParam().open(*this);
    FormWindow& window = windowOf(form);
    for (QGroupBox* box : window.findChildren<QGroupBox*>()) {
        auto* frame = dynamic_cast<ClassicFrame*>(box);
        ASSERT_NE(frame, nullptr) << box->objectName().toStdString();
        if (!frame->isVisible()) {
            continue;
        }
        for (QWidget* child : frame->findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly)) {
            if (child->isVisible()) {
                EXPECT_GT(child->geometry().top(), frame->borderTop()) << child->objectName().toStdString();
            }
        }
    }
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Adapter, WindowDrawing, ::testing::Values(
    LayoutCase{"CapacityRated",         [](WorksheetGui& t) -> Form& { return static_cast<WindowDrawing&>(t).capacity(nullptr); }},
    LayoutCase{"CapacityLoading",       [](WorksheetGui& t) -> Form& { return static_cast<WindowDrawing&>(t).capacity("12000"); }},
    LayoutCase{"CapacityUserDefined",   [](WorksheetGui& t) -> Form& { return static_cast<WindowDrawing&>(t).capacityUserDefined(); }},
    LayoutCase{"SelectionKOR22WithCA",  [](WorksheetGui& t) -> Form& { return static_cast<WindowDrawing&>(t).selection({"R-22", KO, "40", "1"}); }},
    LayoutCase{"SelectionKOR134a",      [](WorksheetGui& t) -> Form& { return static_cast<WindowDrawing&>(t).selection({"R-134a", KO, "40", "1"}); }},
    LayoutCase{"SelectionVMPR134a",     [](WorksheetGui& t) -> Form& { return static_cast<WindowDrawing&>(t).selection({"R-134a", VMP, "40", "1"}); }},
    LayoutCase{"SelectionQZR404A",      [](WorksheetGui& t) -> Form& { return static_cast<WindowDrawing&>(t).selection({"R-404A", QZ, "20", "1"}); }},
    LayoutCase{"BleedDialog",           [](WorksheetGui& t) -> Form& { return static_cast<WindowDrawing&>(t).bleed(); }}
), [](const auto& info) { return std::string(info.param.name); });
// clang-format on

} // namespace
} // namespace korveld::testing
