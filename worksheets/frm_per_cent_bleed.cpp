#include "worksheets/frm_per_cent_bleed.h"

#include "worksheets/frm_korveld.h"

namespace korveld {

namespace {

constexpr Colour kLightGreen{192, 255, 192};

constexpr FormDesign kDesign{.name = "frmPerCentBleed",
                             .caption = "Per Cent Bleed Options Available",
                             .width = 4215,
                             .height = 3660,
                             .borderStyle = BorderStyle::FixedSingle,
                             .backColour = kLightGreen,
                             .helpContextId = HelpId::HowToUseSelection,
                             .startUpPosition = StartUpPosition::BesideOwner};

} // namespace

frmPerCentBleed::frmPerCentBleed(Program& program) : Form(program, kDesign) {
    opt10.onClick = [this] { opt10_Click(); };
    opt15.onClick = [this] { opt15_Click(); };
    opt20.onClick = [this] { opt20_Click(); };
    opt25.onClick = [this] { opt25_Click(); };
    opt30.onClick = [this] { opt30_Click(); };
    opt40.onClick = [this] { opt40_Click(); };
    opt50.onClick = [this] { opt50_Click(); };
    optNone.onClick = [this] { optNone_Click(); };
    cmdExit.onClick = [this] { cmdExit_Click(); };
}

void frmPerCentBleed::closeButtonPressed() {
    cmdExit_Click();
}

std::array<OptionButton*, 7> frmPerCentBleed::percentageOptions() {
    return {&opt10, &opt15, &opt20, &opt25, &opt30, &opt40, &opt50};
}

void frmPerCentBleed::percentageChosen(OptionButton& option, std::int16_t bleedOption, float fraction,
                                       std::string_view text) {
    if (!option.value()) {
        return;
    }
    program().form<frmkorveld>().txtBleedPerCent.setText(std::string(text));
    uv().BleedFraction = fraction;
    uv().BleedOption = bleedOption;
}

// clang-format off
void frmPerCentBleed::opt10_Click() { percentageChosen(opt10, 1, 0.10f, "10%"); }
void frmPerCentBleed::opt15_Click() { percentageChosen(opt15, 2, 0.15f, "15%"); }
void frmPerCentBleed::opt20_Click() { percentageChosen(opt20, 3, 0.20f, "20%"); }
void frmPerCentBleed::opt25_Click() { percentageChosen(opt25, 4, 0.25f, "25%"); }
void frmPerCentBleed::opt30_Click() { percentageChosen(opt30, 5, 0.30f, "30%"); }
void frmPerCentBleed::opt40_Click() { percentageChosen(opt40, 6, 0.40f, "40%"); }
void frmPerCentBleed::opt50_Click() { percentageChosen(opt50, 7, 0.50f, "50%"); }
// clang-format on

void frmPerCentBleed::optNone_Click() {
    if (!optNone.value()) {
        return;
    }
    auto& worksheet = program().form<frmkorveld>();
    worksheet.txtBleedPerCent.setText("");
    uv().BleedOption = 0;
    uv().BleedPart.clear();
    for (OptionButton* option : percentageOptions()) {
        option->setValue(false);
    }
    worksheet.optNO.setValue(true);
}

void frmPerCentBleed::cmdExit_Click() {
    Hide();
    auto& worksheet = program().form<frmkorveld>();
    worksheet.optYES.setValue(false);
    worksheet.optYES.setCaption("New Bleed");
    worksheet.optNO.setCaption("Clear Bleed");
}

} // namespace korveld
