// The bleed dialog "Per Cent Bleed Options Available": the bleed added to the capacity of the
// bleed series, none or 10 to 50 %. Shown by the worksheet's Yes, hidden by Accept.
#pragma once

#include "worksheets/controls.h"
#include "worksheets/form.h"
#include "worksheets/program.h"

#include <array>

namespace korveld {

class frmPerCentBleed : public Form {
public:
    static constexpr FormId kFormId = FormId::frmPerCentBleed;

    explicit frmPerCentBleed(Program& program);

    // The close button acts as Accept.
    void closeButtonPressed() override;

    void opt10_Click();
    void opt15_Click();
    void opt20_Click();
    void opt25_Click();
    void opt30_Click();
    void opt40_Click();
    void opt50_Click();
    void optNone_Click();
    void cmdExit_Click();

    // The seven percentage options in the order 10, 15, 20, 25, 30, 40, 50.
    std::array<OptionButton*, 7> percentageOptions();

    // clang-format off
    Label Label1{*this, {.name = "Label1", .rect = {120, 240, 3855, 375},
                         .caption = "Select the desired Per Cent Bleed", .font = Font{"MS Sans Serif", 9.75f, true},
                         .alignment = Alignment::Center}};
    OptionButton opt10{*this, {.name = "opt10", .rect = {600, 720, 1215, 300}, .caption = "10%"}};
    OptionButton opt15{*this, {.name = "opt15", .rect = {600, 1200, 1215, 300}, .caption = "15 %"}};
    OptionButton opt20{*this, {.name = "opt20", .rect = {600, 1680, 1215, 300}, .caption = "20 %"}};
    OptionButton opt25{*this, {.name = "opt25", .rect = {600, 2160, 1215, 300}, .caption = "25 %"}};
    OptionButton opt30{*this, {.name = "opt30", .rect = {2160, 720, 1215, 300}, .caption = "30 %"}};
    OptionButton opt40{*this, {.name = "opt40", .rect = {2160, 1200, 1215, 300}, .caption = "40 %"}};
    OptionButton opt50{*this, {.name = "opt50", .rect = {2160, 1680, 1215, 300}, .caption = "50"}};
    OptionButton optNone{*this, {.name = "optNone", .rect = {2160, 2160, 1215, 300}, .caption = "NONE"}};
    CommandButton cmdExit{*this, {.name = "cmdExit", .rect = {1440, 2640, 1215, 495}, .caption = "&Accept"}};
    // clang-format on

private:
    // A percentage option chosen: the worksheet's bleed text, BleedFraction and BleedOption.
    void percentageChosen(OptionButton& option, std::int16_t bleedOption, float fraction, std::string_view text);
};

} // namespace korveld
