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

void frmkorveld::buildPickMenus() {
    const auto add = [this](MenuEntry& parent, std::string_view name, std::string_view caption) -> MenuEntry& {
        return m_pickMenus.emplace_back(parent, MenuDesign{.name = name, .caption = caption});
    };
    const std::span<const RefrigerantInfo> refrigerants = Refrigerants();
    m_refrigerantMenus.reserve(refrigerants.size());
    for (std::size_t i = 0; i < refrigerants.size(); ++i) {
        MenuEntry& entry = add(mnuRefrig, refrigerants[i].menuControl, refrigerants[i].name);
        // Small captures keep the handlers free of allocations.
        entry.onClick = [this, i] { refrigerantPick(*m_refrigerantMenus[i].first, Refrigerants()[i]); };
        m_refrigerantMenus.emplace_back(&entry, refrigerants[i].name);
    }
    m_seriesMenus.reserve(SeriesMenu().size());
    for (const SeriesMenuEntry& series : SeriesMenu()) {
        MenuEntry* parent = &mnuValTypes;
        if (series.group == SeriesMenuGroup::KSeries) {
            if (mnuKSer == nullptr) {
                mnuKSer = &add(mnuValTypes, "mnuKSer", "\"K\" Series");
            }
            parent = mnuKSer;
        } else if (series.group == SeriesMenuGroup::VSeries) {
            if (mnuVSer == nullptr) {
                mnuVSer = &add(mnuValTypes, "mnuVSer", "\"V\" Series");
            }
            parent = mnuVSer;
        }
        MenuEntry& entry = add(*parent, series.menuControl, series.caption);
        const std::size_t index = m_seriesMenus.size();
        entry.onClick = [this, index] { seriesPick(*m_seriesMenus[index].first, m_seriesMenus[index].second); };
        m_seriesMenus.emplace_back(&entry, series.SeriesNo);
    }
}

MenuEntry* frmkorveld::refrigerantMenu(std::string_view name) const {
    for (const auto& [entry, refrigerant] : m_refrigerantMenus) {
        if (refrigerant == name) {
            return entry;
        }
    }
    return nullptr;
}

MenuEntry* frmkorveld::seriesMenu(std::int16_t series) const {
    for (const auto& [entry, number] : m_seriesMenus) {
        if (number == series) {
            return entry;
        }
    }
    return nullptr;
}

void frmkorveld::clearPickMarks() {
    for (MenuEntry& entry : m_pickMenus) {
        entry.setChecked(false);
    }
}

void frmkorveld::refrigerantPick(MenuEntry& entry, const RefrigerantInfo& refrigerant) {
    entry.setChecked(true);
    if (!entry.checked()) {
        return;
    }
    txtSelRefrig.setText(std::string(refrigerant.name));
    for (const auto& [other, name] : m_refrigerantMenus) {
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
    for (const auto& [other, number] : m_seriesMenus) {
        if (other != &entry) {
            other->setChecked(false);
        }
    }
    mnuKSer->setChecked(false);
    mnuVSer->setChecked(false);
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
