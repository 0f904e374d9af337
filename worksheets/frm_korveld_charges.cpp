// The power-head charge procedures of the selection worksheet at work on the frame fmeMOP and its
// five options: the engine says what changes, these apply it with every cascade.
#include "worksheets/frm_korveld.h"
#include "worksheets/platform.h"

namespace korveld {

OptionButton& frmkorveld::chargeOption(ChargeOption option) {
    switch (option) {
    case ChargeOption::MOPCA:
        return optMOPCA;
    case ChargeOption::MOP1:
        return optMOP1;
    case ChargeOption::MOP2:
        return optMOP2;
    case ChargeOption::MOP3:
        return optMOP3;
    case ChargeOption::MOPNone:
        break;
    }
    return optMOPNone;
}

void frmkorveld::applyCharge(const ChargeFrameChange& change) {
    if (change.frameVisible) {
        fmeMOP.setVisible(*change.frameVisible);
    }
    if (change.frameHeight) {
        fmeMOP.setHeight(*change.frameHeight);
    }
    for (ChargeOption which :
         {ChargeOption::MOPNone, ChargeOption::MOPCA, ChargeOption::MOP1, ChargeOption::MOP2, ChargeOption::MOP3}) {
        const ChargeOptionChange& step = change[which];
        OptionButton& option = chargeOption(which);
        if (step.caption) {
            option.setCaption(std::string(*step.caption));
        }
        if (step.top) {
            option.setTop(*step.top);
        }
        if (step.visible) {
            option.setVisible(*step.visible);
        }
        if (step.enabled) {
            option.setEnabled(*step.enabled);
        }
    }
    // Choosing an option in code runs its Click handler, which writes its range hint.
    if (change.choose) {
        chargeOption(*change.choose).setValue(true);
    }
    if (change.rangeHint) {
        lblEvapRange.setCaption(std::string(*change.rangeHint));
    }
}

void frmkorveld::R12MOPSelect_F(float T) {
    applyCharge(korveld::R12MOPSelect_F(SeriesNo, T));
}

void frmkorveld::R22MOPSelect_F(float T) {
    applyCharge(korveld::R22MOPSelect_F(SeriesNo, T));
}

void frmkorveld::R502MOPSelect_F(float T) {
    applyCharge(korveld::R502MOPSelect_F(SeriesNo, T));
}

void frmkorveld::R12MOPSelect_C(float T) {
    applyCharge(korveld::R12MOPSelect_C(SeriesNo, T));
}

void frmkorveld::R22MOPSelect_C(float T) {
    applyCharge(korveld::R22MOPSelect_C(SeriesNo, T));
}

void frmkorveld::R502MOPSelect_C(float T) {
    applyCharge(korveld::R502MOPSelect_C(SeriesNo, T));
}

void frmkorveld::PowerHead(std::int16_t R, std::int16_t S) {
    applyCharge(korveld::PowerHead(R, S, metricShown()));
}

void frmkorveld::UpdateChargeOptions(float T) {
    applyCharge(korveld::UpdateChargeOptions(RefIndex, SeriesNo, txtEvapTemp.text().empty(), T, metricShown()));
}

// The family's procedure in the units the worksheet shows, as the Change handler of the
// evaporator box calls it.
void frmkorveld::txtEvapTemp_Change() {
    uv().EvapTempEntry = ToSingleSaturated(LeadingNumber(txtEvapTemp.text(), platform().UserNumberLocale()));
    if (txtEvapTemp.text().empty()) {
        return;
    }
    applyCharge(EvaporatorEntryChange(RefIndex, SeriesNo, uv().EvapTempEntry, metricShown()));
}

void frmkorveld::chargeOptionClicked(ChargeOption option) {
    if (chargeOption(option).value()) {
        lblEvapRange.setCaption(std::string(ChargeOptionRangeHint(option, metricShown())));
    }
}

void frmkorveld::optMOPNone_Click() {
    chargeOptionClicked(ChargeOption::MOPNone);
}

void frmkorveld::optMOP1_Click() {
    chargeOptionClicked(ChargeOption::MOP1);
}

void frmkorveld::optMOP2_Click() {
    chargeOptionClicked(ChargeOption::MOP2);
}

void frmkorveld::optMOP3_Click() {
    chargeOptionClicked(ChargeOption::MOP3);
}

void frmkorveld::optMOPCA_Click() {
    chargeOptionClicked(ChargeOption::MOPCA);
}

} // namespace korveld
