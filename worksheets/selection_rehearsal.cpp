#include "worksheets/selection_rehearsal.h"

#include "engine/choice_rules.h"
#include "worksheets/frm_korveld.h"
#include "worksheets/frm_results.h"
#include "worksheets/frm_selection.h"
#include "worksheets/user_steps.h"

namespace korveld {

SelectionRehearsal::SelectionRehearsal(NumberLocale locale) : m_program(m_platform), m_locale(std::move(locale)) {
    registerStandardForms(m_program);
}

void SelectionRehearsal::setDateTime(std::string date, std::string time) {
    m_date = std::move(date);
    m_time = std::move(time);
}

SelectionOutcome SelectionRehearsal::run(const SelectionInputs& inputs, bool printReport) {
    if (m_used) {
        m_program.reset();
    }
    m_used = true;
    m_platform.reset();
    m_platform.setLogging(false);
    m_platform.setNumberLocale(m_locale);
    if (!m_date.empty() || !m_time.empty()) {
        m_platform.setDateTime(m_date, m_time);
    }
    m_program.dispatch([this] { m_program.start(); });
    UserClick(m_program, m_program.selectionScreen().cmdValveSelect);
    auto& sheet = m_program.form<frmkorveld>();
    EnterSelectionInputs(m_program, sheet, inputs);
    UserClick(m_program, sheet.cmdSelect);

    SelectionOutcome outcome;
    outcome.SeriesNo = inputs.SeriesNo;
    outcome.seriesText = std::string(SeriesText(inputs.SeriesNo));
    auto* results = static_cast<frmResults*>(m_program.loaded(FormId::frmResults));
    if (m_platform.messages().empty() && results != nullptr && results->visible() && sheet.selectedValve()) {
        outcome.valve = sheet.selectedValve();
        outcome.valveName = results->txtValSelected.text();
        outcome.capacityText = results->txtValCapacity.text();
        outcome.loadingText = results->txtValveLoading.text();
        outcome.powerAssembly = results->txtPowAssby.text();
        outcome.cageAssembly = results->txtCageAssby.text();
        outcome.replaceAdvice = m_program.uv().ReplaceAdvice;
        outcome.conditions = sheet.selectionConditions();
        if (printReport && UserClick(m_program, results->cmdPrintButton) && !m_platform.printed().empty()) {
            outcome.report = m_platform.printed().back();
        }
    } else if (!m_platform.messages().empty()) {
        const RecordingPlatform::Message& first = m_platform.messages().front();
        outcome.message = SelectionOutcome::Message{first.title, first.prompt};
    }
    return outcome;
}

} // namespace korveld
