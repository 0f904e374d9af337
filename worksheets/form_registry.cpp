#include "worksheets/frm_korveld.h"
#include "worksheets/frm_per_cent_bleed.h"
#include "worksheets/frm_results.h"
#include "worksheets/frm_selection.h"
#include "worksheets/frm_txv_capacity.h"
#include "worksheets/program.h"

namespace korveld {

void registerStandardForms(Program& program) {
    program.registerForm<frmSelection>();
    program.registerForm<frmtxvCapacity>();
    program.registerForm<frmkorveld>();
    program.registerForm<frmResults>();
    program.registerForm<frmPerCentBleed>();
}

} // namespace korveld
