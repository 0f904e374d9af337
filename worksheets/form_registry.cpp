#include "worksheets/frm_korveld.h"
#include "worksheets/frm_per_cent_bleed.h"
#include "worksheets/frm_results.h"
#include "worksheets/frm_selection.h"
#include "worksheets/program.h"

namespace korveld {

void registerStandardForms(Program& program) {
    program.registerForm<frmSelection>();
    program.registerForm<frmkorveld>();
    program.registerForm<frmResults>();
    program.registerForm<frmPerCentBleed>();
}

} // namespace korveld
