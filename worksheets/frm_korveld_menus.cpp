// The Refrigerant and Valve Types menus of the selection worksheet: what a pick shows, the
// combinations refused, and how a series pick sets up the option frames, stacked from the top.
#include "engine/choice_rules.h"
#include "engine/number_text.h"
#include "worksheets/frm_korveld.h"
#include "worksheets/messages.h"
#include "worksheets/platform.h"

namespace korveld {

namespace {

// The right-hand frames start below the valve box and follow each other with a small gap.
constexpr Twips kStackTop = 1320;
constexpr Twips kStackGap = 60;

void applyOption(OptionButton& option, const OptionChange& change) {
    if (change.enabled) {
        option.setEnabled(*change.enabled);
    }
    if (change.chosen) {
        option.setValue(*change.chosen);
    }
}

void applyFlowBox(CheckBox& box, CheckBoxState state) {
    box.setValue(state.checked ? CheckBox::Checked : CheckBox::Unchecked);
    box.setEnabled(state.enabled);
}

} // namespace

void frmkorveld::bindPickMenus() {
    for (std::size_t i = 0; i < Refrigerants().size(); ++i) {
        // Small captures keep the handlers free of allocations.
        m_picks.refrigerantEntry(i).onClick = [this, i] {
            refrigerantPick(m_picks.refrigerantEntry(i), Refrigerants()[i]);
        };
    }
    for (std::size_t i = 0; i < SeriesMenu().size(); ++i) {
        m_picks.seriesEntry(i).onClick = [this, i] { seriesPick(m_picks.seriesEntry(i), SeriesMenu()[i].SeriesNo); };
    }
}

void frmkorveld::refrigerantPick(MenuEntry& entry, const RefrigerantInfo& refrigerant) {
    entry.setChecked(true);
    if (!entry.checked()) {
        return;
    }
    txtSelRefrig.setText(std::string(refrigerant.name));
    for (MenuEntry* other : m_picks.refrigerantEntries()) {
        if (other != &entry) {
            other->setChecked(false);
        }
    }
    RefIndex = refrigerant.RefIndex;
    R507Flag = refrigerant.R507Flag;
    RefLetter = refrigerant.RefLetter;
    if (const std::optional<Refusal> refusal =
            RefrigerantPickRefusal(Worksheet::Selection, refrigerant.name, txtSelValve.text())) {
        (refusal->emptied == ChoiceBox::RefrigerantText ? txtSelRefrig : txtSelValve).setText("");
        ShowMessage(*this, refusal->prompt, refusal->title);
    }
    uv().EvapTempEntry = ToSingleSaturated(LeadingNumber(txtEvapTemp.text(), platform().UserNumberLocale()));
    UpdateChargeOptions(uv().EvapTempEntry);
    PowerHead(RefIndex, SeriesNo);
    if (refrigerant.choosesNoCharge) {
        optMOPNone.setValue(true);
    }
    stackFrames();
}

void frmkorveld::seriesPick(MenuEntry& entry, std::int16_t pickedSeries) {
    entry.setChecked(true);
    if (!entry.checked()) {
        return;
    }
    txtSelValve.setText(std::string(SeriesText(pickedSeries)));
    for (MenuEntry* other : m_picks.seriesEntries()) {
        if (other != &entry) {
            other->setChecked(false);
        }
    }
    m_picks.mnuKSer->setChecked(false);
    m_picks.mnuVSer->setChecked(false);
    SeriesNo = pickedSeries;
    if (const std::optional<Refusal> refusal =
            SeriesPickRefusal(Worksheet::Selection, pickedSeries, txtSelRefrig.text())) {
        (refusal->emptied == ChoiceBox::RefrigerantText ? txtSelRefrig : txtSelValve).setText("");
        ShowMessage(*this, refusal->prompt, refusal->title);
        if (refusal->endsPick) {
            return;
        }
    }
    const SeriesSetUp* setUp = SetUpOf(pickedSeries);
    if (setUp == nullptr) {
        return;
    }

    frmeFlow.setVisible(true);
    fmeLineConn.setVisible(true);
    const std::array<CheckBoxState, 4> flow = FlowBoxStates(*setUp, optExternal.value());
    applyFlowBox(chkStandard, flow[static_cast<std::size_t>(FlowCheckBox::chkStandard)]);
    applyFlowBox(chkCheck, flow[static_cast<std::size_t>(FlowCheckBox::chkCheck)]);
    applyFlowBox(chkByflow, flow[static_cast<std::size_t>(FlowCheckBox::chkByflow)]);
    applyFlowBox(chkBalPorted, flow[static_cast<std::size_t>(FlowCheckBox::chkBalPorted)]);

    const ConnectionChange connection = ConnectionChangeFor(setUp->connection);
    applyOption(optSweat, connection.sweat);
    applyOption(optFlare, connection.flare);

    const EqualizerChange equalizer = EqualizerChangeFor(setUp->equalizer, optDistNone.value());
    if (equalizer.frameVisible) {
        fmeEqualizer.setVisible(*equalizer.frameVisible);
    }
    applyOption(optExternal, equalizer.external);
    applyOption(optInternal, equalizer.internal);

    switch (setUp->extra) {
    case ExtraFrame::Bleed:
        fmeQZStrainer.setVisible(false);
        fmeBleedOption.setVisible(true);
        fmeBleedOption.setCaption(std::string(kBleedFrameCaption));
        optNO.setValue(true);
        lblBleed.setVisible(true);
        txtBleedPerCent.setVisible(true);
        break;
    case ExtraFrame::Strainer:
        fmeBleedOption.setVisible(false);
        fmeQZStrainer.setVisible(true);
        optQZNo.setValue(true);
        uv().StrainerCode.clear();
        break;
    case ExtraFrame::None:
        fmeBleedOption.setVisible(false);
        fmeQZStrainer.setVisible(false);
        break;
    }

    switch (setUp->charge) {
    case ChargeFrameSetUp::Hidden:
        fmeMOP.setVisible(false);
        break;
    case ChargeFrameSetUp::ShownNoChargeChosen:
        fmeMOP.setVisible(true);
        PowerHead(RefIndex, SeriesNo);
        optMOPNone.setValue(true);
        break;
    case ChargeFrameSetUp::ShownChoiceKept:
        fmeMOP.setVisible(true);
        PowerHead(RefIndex, SeriesNo);
        break;
    }

    lblEvapRange.setCaption(std::string(SeriesRangeHint(pickedSeries, metricShown())));
    if (setUp->updatesChargeOptions) {
        uv().EvapTempEntry = ToSingleSaturated(LeadingNumber(txtEvapTemp.text(), platform().UserNumberLocale()));
        UpdateChargeOptions(uv().EvapTempEntry);
        if (setUp->hidesChargeFrameAfterUpdate) {
            fmeMOP.setVisible(false);
        }
    }
    stackFrames();
}

// The shown frames of the right-hand column follow each other from the top; the charge frame,
// always last, takes its place even while hidden, so that it appears there when shown.
void frmkorveld::stackFrames() {
    Twips top = kStackTop;
    for (Frame* frame : {&fmeQZStrainer, &fmeBleedOption, &fmeLineConn, &fmeEqualizer}) {
        if (frame->visible()) {
            frame->setTop(top);
            top += frame->height() + kStackGap;
        }
    }
    fmeMOP.setTop(top);
}

} // namespace korveld
