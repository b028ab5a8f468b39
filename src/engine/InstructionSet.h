// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The two instruction sets a program can be written in. The set is a property of the program,
// stored with it (the program file's version line) and never guessed from its text: a classic
// program reads, runs and saves exactly as it always has.

#include <cstdint>

namespace rungbox::engine {

enum class InstructionSet : std::uint8_t {
    Classic,  ///< flat relay numbers, LD/AND/OR (NOT, TIM, CNT, BLK), OUT, TIM, CNT, DIFU, SFT, END
    Extended, ///< channel.bit addresses, the memory areas and the bit instructions of the course
              ///< controllers (KEEP, DIFD, SET, RSET, IL/ILC, JMP/JME, CNTR, TIMH, special relays)
};

} // namespace rungbox::engine
