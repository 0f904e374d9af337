// The two worksheets, where a rule or a caption differs between them.
#pragma once

namespace korveld {

enum class Worksheet { Capacity, Selection }; // frmtxvCapacity, frmkorveld

} // namespace korveld
