#include "worksheets/selection_inputs.h"

#include "engine/choice_rules.h"
#include "engine/number_text.h"
#include "worksheets/frm_korveld.h"
#include "worksheets/frm_per_cent_bleed.h"
#include "worksheets/frm_selection.h"
#include "worksheets/program.h"
#include "worksheets/user_steps.h"

#include <algorithm>
#include <cctype>

namespace korveld {

namespace {

MenuEntry& unitEntry(frmkorveld& sheet, CapacityUnit unit) {
    switch (unit) {
    case CapacityUnit::Tons:
        return sheet.mnuTons;
    case CapacityUnit::KW:
        return sheet.mnuKWatts;
    case CapacityUnit::KCal:
        return sheet.mnuKiloCal;
    case CapacityUnit::BtuH:
        break;
    }
    return sheet.mnuBtu;
}

// The charge option a caption names (case ignored), a visible one before a hidden one; "none" is the option
// without MOP whatever its caption.
bool sameCaption(std::string_view a, std::string_view b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return std::tolower(static_cast<unsigned char>(x)) == std::tolower(static_cast<unsigned char>(y));
           });
}

OptionButton* chargeOptionNamed(frmkorveld& sheet, const std::string& caption) {
    if (sameCaption(caption, "none")) {
        return &sheet.optMOPNone;
    }
    OptionButton* hiddenMatch = nullptr;
    for (OptionButton* option : {&sheet.optMOPNone, &sheet.optMOPCA, &sheet.optMOP1, &sheet.optMOP2, &sheet.optMOP3}) {
        if (!caption.empty() && sameCaption(option->caption(), caption)) {
            if (option->visible()) {
                return option;
            }
            hiddenMatch = hiddenMatch != nullptr ? hiddenMatch : option;
        }
    }
    return hiddenMatch;
}

// Choosing the option already chosen is no step at all.
void choose(Program& program, OptionButton& option) {
    if (!option.value()) {
        UserClick(program, option);
    }
}

void enterBleed(Program& program, frmkorveld& sheet, int percent) {
    std::size_t index = kBleedPercents.size();
    for (std::size_t i = 0; i < kBleedPercents.size(); ++i) {
        if (kBleedPercents[i] == percent) {
            index = i;
        }
    }
    if (index == kBleedPercents.size() || !UserClick(program, sheet.optYES)) {
        return;
    }
    auto& dialog = program.form<frmPerCentBleed>();
    choose(program, *dialog.percentageOptions()[index]);
    UserClick(program, dialog.cmdExit);
}

} // namespace

SelectionInputs ReadSelectionInputs(const frmkorveld& sheet) {
    SelectionInputs inputs;
    inputs.unit = sheet.capacityUnitShown();
    inputs.refrigerant = sheet.txtSelRefrig.text();
    inputs.SeriesNo = sheet.txtSelValve.text().empty() ? std::int16_t{0} : SeriesNoOfText(sheet.txtSelValve.text());
    if (sheet.optDistNone.value()) {
        inputs.distributor = DistributorPick::None;
    } else if (sheet.optDistVenturi.value()) {
        inputs.distributor = DistributorPick::Venturi;
    } else if (sheet.optDistOrifice.value() || sheet.units().DistUserDefined != 1) {
        inputs.distributor = DistributorPick::Orifice;
    } else {
        inputs.distributor = DistributorPick::UserDefined;
        inputs.pressureDrop = sheet.txtPressureDrop.text();
    }
    inputs.internalEqualizer = sheet.optInternal.value();
    inputs.flare = sheet.optFlare.value();
    inputs.strainer = sheet.fmeQZStrainer.visible() && sheet.optQZYes.value();
    inputs.evap = sheet.txtEvapTemp.text();
    inputs.cond = sheet.txtCondTemp.text();
    inputs.liquid = sheet.txtLiqTemp.text();
    inputs.capacity = sheet.txtInputCap.text();
    // The charge only where the series shows its frame.
    if (sheet.fmeMOP.visible()) {
        inputs.charge = "none";
        for (const OptionButton* option : {&sheet.optMOPCA, &sheet.optMOP1, &sheet.optMOP2, &sheet.optMOP3}) {
            if (option->value() && !option->caption().empty()) {
                inputs.charge = option->caption();
            }
        }
    }
    const std::int16_t bleed = sheet.uv().BleedOption;
    if (sheet.fmeBleedOption.visible() && bleed >= 1 && bleed <= static_cast<std::int16_t>(kBleedPercents.size())) {
        inputs.bleedPercent = kBleedPercents[static_cast<std::size_t>(bleed - 1)];
    }
    return inputs;
}

void EnterSelectionInputs(Program& program, frmkorveld& sheet, const SelectionInputs& inputs) {
    if (sheet.capacityUnitShown() != inputs.unit) {
        UserPick(program, unitEntry(sheet, inputs.unit));
    }
    if (MenuEntry* entry = inputs.refrigerant.empty() ? nullptr : sheet.refrigerantMenu(inputs.refrigerant)) {
        UserPick(program, *entry);
    }
    EnterFromSeriesPick(program, sheet, inputs);
}

bool EnterOnFreshWorksheet(Program& program, frmkorveld& sheet, const SelectionInputs& inputs) {
    if (sheet.visible() && !sheet.enabled()) {
        return false;
    }
    if (sheet.visible()) {
        UserClick(program, sheet.cmdClose);
    }
    frmSelection& start = program.selectionScreen();
    start.setVisible(true);
    UserClick(program, start.cmdValveSelect);
    EnterSelectionInputs(program, sheet, inputs);
    return true;
}

void EnterFromSeriesPick(Program& program, frmkorveld& sheet, const SelectionInputs& inputs) {
    if (MenuEntry* entry = sheet.seriesMenu(inputs.SeriesNo)) {
        UserPick(program, *entry);
    }
    choose(program, DistributorOption(sheet, inputs.distributor));
    if (inputs.distributor == DistributorPick::UserDefined) {
        UserType(program, sheet.txtPressureDrop, inputs.pressureDrop);
    }
    choose(program, inputs.internalEqualizer ? sheet.optInternal : sheet.optExternal);
    choose(program, inputs.flare ? sheet.optFlare : sheet.optSweat);
    if (inputs.strainer) {
        choose(program, sheet.optQZYes);
    }
    UserType(program, sheet.txtEvapTemp, inputs.evap);
    UserType(program, sheet.txtCondTemp, inputs.cond);
    UserType(program, sheet.txtLiqTemp, inputs.liquid);
    UserType(program, sheet.txtInputCap, inputs.capacity);
    if (OptionButton* charge = inputs.charge.empty() ? nullptr : chargeOptionNamed(sheet, inputs.charge)) {
        choose(program, *charge);
    }
    if (inputs.bleedPercent != 0) {
        enterBleed(program, sheet, inputs.bleedPercent);
    }
}

} // namespace korveld
