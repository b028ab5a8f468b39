// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The form of a program that the fast scans run. Contacts, block combinations, outputs and the
// block-stack pushes that a later line pops are fused into uniform operations on one byte array
// that run without a branch; only the lines with effects beyond that array (TIM, CNT, DIFU, SFT,
// END and a line that cannot execute) remain separate steps, one after each run of operations.

#include "AddressMap.h"
#include "Program.h"

#include <array>
#include <cstdint>
#include <functional>
#include <vector>

namespace rungbox::engine {

/// Answers whether the bit at workspace byte `address` is forced; see FusedProgram::fuse().
using ForcedRelays = std::function<bool(int address)>;

/// How an operation combines the byte it reads with R.
enum class Combine : std::uint8_t {
    Load, ///< R = condition (LD)
    And,  ///< R = R and condition
    Or,   ///< R = R or condition
    Keep, ///< R unchanged (an operation that only writes)
};

/// FusedOp::kind: a Combine in bits 0-1, and this bit when the byte read is inverted (NOT).
inline constexpr std::uint8_t kNegatedKind = 4;

/// One operation. With R the result register and `mem` the byte array, it does, in order:
///   mem[write] = R ^ invert;  b = mem[read];  x = logic[b];  R = (R & x) | (x >> 1)
/// Every byte of `mem` is 0 or 1, so b is 0 or 1; bit 0 of x keeps R, bit 1 sets it. The write
/// stores the result of the lines before the contact: an OUT or OUT NOT before it, or the push
/// of its own LD. Every operation does all of this, so a run of them takes no branch at all.
struct FusedOp {
    std::uint16_t write = kScratchByte;      ///< a relay, a block-stack entry or the scratch byte
    std::uint16_t read = kZeroByte;          ///< the byte the contact reads
    std::uint8_t invert = 0;                 ///< 1 for OUT NOT
    std::array<std::uint8_t, 2> logic{1, 1}; ///< per byte read; the default keeps R
    /// The same combination as `logic`, named; machine code is generated from this.
    std::uint8_t kind = static_cast<std::uint8_t>(Combine::Keep);
};
static_assert(sizeof(FusedOp) == 8);

/// The `logic` bytes of a combination; `negated` inverts the byte read.
std::array<std::uint8_t, 2> fusedLogic(Combine combine, bool negated);

/// A run of operations followed by one step that is not fused.
struct FusedSegment {
    std::uint32_t opEnd = 0; ///< the run is ops() [previous segment's opEnd, opEnd)
    Step tail;               ///< TIM, CNT, DIFU, SFT, END or Invalid
};

/// A decoded program in fused form. Running its segments in order does exactly what running the
/// program's steps one by one does, except that block-stack entries that no later line pops are
/// never written: nothing can observe them.
class FusedProgram {
public:
    FusedProgram() = default;

    /// Fuses `program`. A relay for which `forced` answers true keeps its value: the OUT and
    /// OUT NOT lines that write it are left out (the controller keeps DIFU and SFT from
    /// changing it). An empty `forced` forces nothing.
    static FusedProgram fuse(const Program& program, const ForcedRelays& forced = {});

    const std::vector<FusedOp>& ops() const { return m_ops; }
    /// The last segment's tail is END or Invalid.
    const std::vector<FusedSegment>& segments() const { return m_segments; }

private:
    std::vector<FusedOp> m_ops;
    std::vector<FusedSegment> m_segments;
};

} // namespace rungbox::engine
