// The Select button: the worksheet's controls become one request, the engine selects, and its
// answer comes back through the controls, the program-wide variables and the results dialog.
#include "worksheets/frm_korveld.h"
#include "worksheets/frm_results.h"
#include "worksheets/messages.h"
#include "worksheets/platform.h"
#include "worksheets/schedule_window.h"

#include <tuple>

namespace korveld {

CapacityUnit frmkorveld::capacityUnitShown() const {
    // The chosen unit's entry is the disabled one, tested in this order; none disabled means tons.
    if (!mnuBtu.enabled()) {
        return CapacityUnit::BtuH;
    }
    if (!mnuTons.enabled()) {
        return CapacityUnit::Tons;
    }
    if (!mnuKWatts.enabled()) {
        return CapacityUnit::KW;
    }
    if (!mnuKiloCal.enabled()) {
        return CapacityUnit::KCal;
    }
    return CapacityUnit::Tons;
}

SelectionRequest frmkorveld::readSelectionRequest() {
    SelectionRequest request;
    request.entries = {txtSelRefrig.text(), txtSelValve.text(), txtEvapTemp.text(),    txtCondTemp.text(),
                       txtLiqTemp.text(),   txtInputCap.text(), txtPressureDrop.text()};
    request.SeriesNo = SeriesNo;
    request.RefIndex = RefIndex;
    request.R507Flag = R507Flag;
    request.RefLetter = RefLetter;
    request.capacityUnit = capacityUnitShown();
    request.unitCaption = lblInputUnits.caption();

    if (optDistNone.value()) {
        request.distributor = Distributor::None;
    } else if (optDistVenturi.value()) {
        request.distributor = Distributor::Venturi;
    } else if (optDistOrifice.value() || m_units.DistUserDefined != 1) {
        request.distributor = Distributor::Orifice;
    } else {
        request.distributor = Distributor::UserDefined;
    }
    request.equalizerFrameVisible = fmeEqualizer.visible();
    request.externalChosen = optExternal.value();
    request.connectionFrameVisible = fmeLineConn.visible();
    request.sweatChosen = optSweat.value();

    request.charge.frameVisible = fmeMOP.visible();
    request.charge.chosen.reset();
    for (ChargeOption option :
         {ChargeOption::MOPNone, ChargeOption::MOPCA, ChargeOption::MOP1, ChargeOption::MOP2, ChargeOption::MOP3}) {
        const OptionButton& button = chargeOption(option);
        request.charge.captions[static_cast<std::size_t>(option)] = button.caption();
        if (button.value()) {
            request.charge.chosen = option;
        }
    }

    request.EqualizerCode = uv().EqualizerCode;
    request.ChargeCode = uv().ChargeCode;
    request.StrainerCode = uv().StrainerCode;
    request.BleedOption = uv().BleedOption;
    request.BleedFraction = uv().BleedFraction;
    return request;
}

TextBox* frmkorveld::entryBox(CheckedEntry entry) {
    switch (entry) {
    case CheckedEntry::Refrigerant:
        return &txtSelRefrig;
    case CheckedEntry::Valve:
        return &txtSelValve;
    case CheckedEntry::EvapTemp:
        return &txtEvapTemp;
    case CheckedEntry::CondTemp:
        return &txtCondTemp;
    case CheckedEntry::LiqTemp:
        return &txtLiqTemp;
    case CheckedEntry::Capacity:
        return &txtInputCap;
    case CheckedEntry::PressureDrop:
        return &txtPressureDrop;
    case CheckedEntry::None:
        break;
    }
    return nullptr;
}

void frmkorveld::applyForcedOptions(const ForcedOptions& forced) {
    for (const ForcedOption& step : forced.steps()) {
        OptionButton* option = nullptr;
        switch (step.control) {
        case ForcedControl::optInternal:
            option = &optInternal;
            break;
        case ForcedControl::optExternal:
            option = &optExternal;
            break;
        case ForcedControl::optSweat:
            option = &optSweat;
            break;
        case ForcedControl::optFlare:
            option = &optFlare;
            break;
        }
        option->setEnabled(step.enabled);
        option->setValue(step.chosen);
    }
}

void frmkorveld::cmdSelect_Click() {
    Universal_Variables& v = uv();
    v.ReplaceAdvice.clear();
    v.BleedPart.clear();
    v.AdviceClear = 0;

    const SelectionRequest request = readSelectionRequest();
    const NumberLocale locale = platform().UserNumberLocale();
    const SelectionAnswer answer = SelectValve(request, locale);
    if (answer.selected) {
        // Taken before the answer changes any option, from the very request Select answered.
        m_selectionWindows = SelectionWindows(request, locale);
    }
    v.EqualizerCode = answer.EqualizerCode;
    v.ChargeCode = answer.ChargeCode;
    v.BleedPart = answer.BleedPart;
    v.ReplaceAdvice = answer.ReplaceAdvice;
    v.AdviceClear = answer.AdviceClear;
    if (answer.entryFailure) {
        const EntryFailure& failure = *answer.entryFailure;
        ShowEntryFailure(*this, failure, entryBox(failure.cleared), entryBox(failure.focused));
        return;
    }

    // A selection works out no FlowMultiplier: the one a rating left stands.
    const float FlowMultiplier = v.conditions.FlowMultiplier;
    v.conditions = answer.conditions;
    v.conditions.FlowMultiplier = FlowMultiplier;
    applyForcedOptions(answer.forced);
    if (answer.message) {
        ShowMessage(*this, answer.message->text, answer.message->title);
        return;
    }

    const SelectedValve& valve = *answer.selected;
    SizeNo = valve.SizeNo;
    v.ValName = valve.ValName;
    m_selectionConditions = answer.conditions;
    m_selectedValve = valve;
    showResults(valve, answer.AdviceClear);
}

OperatingWindows frmkorveld::currentWindows() {
    return SelectionWindows(readSelectionRequest(), platform().UserNumberLocale());
}

void frmkorveld::mnuOperatingWindows_Click() {
    platform().ShowOperatingWindows(currentWindows());
}

void frmkorveld::showResults(const SelectedValve& valve, std::int16_t AdviceClear) {
    auto& results = program().form<frmResults>();
    results.txtValveLoading.setText(valve.loadingText);
    results.txtValSelected.setText(valve.SelectedName);
    results.txtValCapacity.setText(valve.capacityText);

    const Assemblies& assemblies = valve.assemblies;
    // Empty assembly boxes are hidden as well, so that none peeks out beside the buttons that take
    // their place in the shorter layouts.
    for (auto [box, label, text] : {std::tuple{&results.txtPowAssby, &results.lblPowAssby, &assemblies.power},
                                    std::tuple{&results.txtCageAssby, &results.lblCageAssby, &assemblies.cage}}) {
        box->setText(*text);
        box->setEnabled(assemblies.shown);
        box->setVisible(assemblies.shown);
        label->setVisible(assemblies.shown);
    }

    results.txtMessage.setVisible(valve.advice.messageVisible);
    if (valve.advice.messageVisible) {
        results.txtMessage.setText(valve.advice.messageText);
    }
    results.applyLayout(valve.layout.height, valve.layout.buttonTop, valve.layout.messageTop);

    if (AdviceClear == 1) {
        Timer1.setEnabled(false);
        results.cmdOK.setEnabled(true);
    } else {
        // OK waits until the timer has repeated the replacement advice in its own box.
        results.cmdOK.setEnabled(false);
        Timer1.setEnabled(false);
        Timer1.setEnabled(true);
    }
    setEnabled(false);
    results.Show(*this);
    if (m_schedule) {
        m_schedule->selectionShown();
    }
}

} // namespace korveld
