// A window's timer: interval in milliseconds, enabled state and its Timer handler. The Qt adapter
// drives it with a real timer; scripted runs and tests call fire().
#pragma once

#include "worksheets/control.h"

#include <cstdint>
#include <string_view>

namespace korveld {

class Form;

struct TimerDesign {
    std::string_view name;
    std::int32_t interval = 0; // ms; 0 never fires
    bool enabled = true;
};

class Timer {
public:
    Timer(Form& form, const TimerDesign& design);
    Timer(const Timer&) = delete;
    Timer& operator=(const Timer&) = delete;

    std::string_view name() const { return m_name; }
    Form& form() const { return m_form; }
    Timer* nextInForm() const { return m_next; }

    std::int32_t interval() const { return m_interval; }
    void setInterval(std::int32_t interval);
    bool enabled() const { return m_enabled; }
    void setEnabled(bool enabled);
    // Counts every change that restarts the countdown, so a driver knows when to restart.
    std::uint32_t generation() const { return m_generation; }

    // The interval has passed: runs onTimer when the timer is enabled with a non-zero interval.
    bool fire();

    // Interval and enabled state back to the design, the count of changes back to zero; for a
    // model that no driver runs.
    void restoreDesign();

    Handler onTimer;

private:
    friend class Form;

    Form& m_form;
    Timer* m_next = nullptr;
    std::string_view m_name;
    TimerDesign m_design;
    std::int32_t m_interval;
    std::uint32_t m_generation = 0;
    bool m_enabled;
};

} // namespace korveld
