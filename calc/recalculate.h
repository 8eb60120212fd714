// Recalculate: reads the selected row's unit weight and the six input fields of the main
// window, computes, and writes the four result fields. Holds no state: every run reads
// everything again.
#pragma once

#include "runtime/window_ops.h"

namespace calc {

void recalculate(rt::WindowOps& ops);

}  // namespace calc
