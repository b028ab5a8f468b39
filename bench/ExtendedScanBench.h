// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The scan benchmark's extended program (ExtendedBenchProgram.h): BM_ExtendedScan, which checks
// the program's fast scan against the reference scan before timing it, kept apart from the
// classic program's benchmarks so that adding it leaves their code and their runs as they were.

namespace rungbox::bench {

/// True when scan() runs the extended program as generated machine code.
bool extendedRunsMachineCode();

} // namespace rungbox::bench
