#include "worksheets/timer.h"

#include "worksheets/form.h"

namespace korveld {

Timer::Timer(Form& form, const TimerDesign& design)
    : m_form(form), m_name(design.name), m_design(design), m_interval(design.interval), m_enabled(design.enabled) {
    form.adopt(this);
}

void Timer::setInterval(std::int32_t interval) {
    m_interval = interval;
    ++m_generation;
}

void Timer::setEnabled(bool enabled) {
    if (enabled != m_enabled) {
        ++m_generation;
    }
    m_enabled = enabled;
}

void Timer::restoreDesign() {
    m_interval = m_design.interval;
    m_enabled = m_design.enabled;
    m_generation = 0;
}

bool Timer::fire() {
    if (!m_enabled || m_interval <= 0) {
        return false;
    }
    if (onTimer) {
        onTimer();
    }
    return true;
}

} // namespace korveld
