// The worksheets in real windows, brought into the states the screen tests look at: a rated
// capacity worksheet, a selection worksheet with a system typed in, the results dialog shown.
// Each step is a user's action on the model, run as one event of the program.
#pragma once

#include "gui_fixture.h"
#include "worksheets/frm_korveld.h"
#include "worksheets/frm_per_cent_bleed.h"
#include "worksheets/frm_results.h"
#include "worksheets/frm_txv_capacity.h"

#include <cstdint>

namespace korveld::testing {

struct TypedSystem {
    const char* refrigerant;
    std::int16_t series;
    const char* evap;
    const char* capacity;
};

class WorksheetGui : public GuiTest {
public:
    // Runs one user step and renders.
    void act(const std::function<void()>& step) { m_adapter->dispatch(step); }

    frmtxvCapacity& openCapacity();
    // R-22, KO, 40 / 100 / 90 °F typed (and loading with the system capacity, when given).
    frmtxvCapacity& typeKO(const char* systemCapacity = nullptr);
    // The same, calculated.
    frmtxvCapacity& rateKO(const char* systemCapacity = nullptr);

    frmkorveld& openSelection();
    // Refrigerant, series, 40 / 100 / 90 °F (or the evaporator given) and the required capacity.
    void enter(frmkorveld& sheet, const TypedSystem& system);
    // Enters the system, presses Select, and returns the results dialog (nullptr when none showed).
    frmResults* selectShowing(const TypedSystem& system);

    frmPerCentBleed* bleedDialog() const { return m_program->loaded<frmPerCentBleed>(); }
    frmResults* results() const { return m_program->loaded<frmResults>(); }
    frmkorveld* selectionSheet() const { return m_program->loaded<frmkorveld>(); }
};

} // namespace korveld::testing
