// Support shared by every program of the suite, one header to include:
//   reader.hpp   strict reading of the input with scanf-compatible conversions
//   writer.hpp   buffered, checked standard output, and the spelling of reals
//   program.hpp  the command line, the help text, one way to fail, the exit
//   platform.hpp the operating system, behind a few calls
// Nothing here knows about any particular program.
#pragma once

#include <cfloat>

#include "program.hpp"
#include "reader.hpp"
#include "writer.hpp"

// Reals are rounded to their own precision after every operation (no excess
// precision, as the x87 unit of 32-bit x86 would keep), or single-precision
// answers would depend on the machine. The build selects SSE2 arithmetic
// there; this refuses any build that does not.
static_assert(FLT_EVAL_METHOD == 0,
              "reals must be computed in their own precision (on 32-bit x86: -msse2 -mfpmath=sse)");
