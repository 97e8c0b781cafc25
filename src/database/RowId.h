#pragma once

#include <QtGlobal>

namespace orvik {

// The Id of a table row. Engines count them in 64 bits and a lab's database outlives any guess about how high
// they go, so an Id is never narrowed on its way to a list, a load or a command line.
using RowId = qint64;

} // namespace orvik
