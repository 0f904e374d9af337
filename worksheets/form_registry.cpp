#include "worksheets/frm_selection.h"
#include "worksheets/program.h"

namespace korveld {

void registerStandardForms(Program& program) {
    program.registerForm<frmSelection>();
}

} // namespace korveld
