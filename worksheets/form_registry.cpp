#include "worksheets/frm_selection.h"
#include "worksheets/frm_txv_capacity.h"
#include "worksheets/program.h"

namespace korveld {

void registerStandardForms(Program& program) {
    program.registerForm<frmSelection>();
    program.registerForm<frmtxvCapacity>();
}

} // namespace korveld
