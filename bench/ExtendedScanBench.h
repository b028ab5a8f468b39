// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The scan benchmark's extended program (ExtendedBenchProgram.h): its check and its timing,
// BM_ExtendedScan, kept apart from the classic program's so that adding it leaves the classic
// benchmark's code as it was.

namespace rungbox::bench {

/// Runs the extended program's fast and reference scans side by side over thousands of scans and
/// ends the process if they disagree or the program stops at an error.
void checkExtendedAgreement();
/// True when scan() runs the extended program as generated machine code.
bool extendedRunsMachineCode();

} // namespace rungbox::bench
