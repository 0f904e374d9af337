// The Units menu of the selection worksheet.
#include "worksheets/frm_korveld.h"

namespace korveld {

void frmkorveld::mnuBtu_Click() {}
void frmkorveld::mnuTons_Click() {}
void frmkorveld::mnuKWatts_Click() {}
void frmkorveld::mnuKiloCal_Click() {}

} // namespace korveld
