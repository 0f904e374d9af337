// The View menu's windows beside the worksheet: Compare All Series (every series the refrigerant
// allows, run with what the worksheet shows) and the job's Schedule.
#include "worksheets/frm_korveld.h"
#include "worksheets/platform.h"
#include "worksheets/schedule_window.h"
#include "worksheets/series_comparison.h"

namespace korveld {

void frmkorveld::mnuCompareSeries_Click() {
    if (!m_comparison) {
        m_comparison = std::make_unique<SeriesComparison>(*this);
    }
    m_comparison->refresh();
    platform().ShowSeriesComparison(*m_comparison);
}

ScheduleWindow& frmkorveld::scheduleWindow() {
    if (!m_schedule) {
        m_schedule = std::make_unique<ScheduleWindow>(*this);
    }
    return *m_schedule;
}

void frmkorveld::mnuSchedule_Click() {
    scheduleWindow().show();
}

} // namespace korveld
