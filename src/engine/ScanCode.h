// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Machine code for one fused program, where the platform allows it (x86-64 with POSIX memory
// mapping). The code does exactly what the fused interpreter does with the same operations:
// every operation becomes the two to five instructions it needs with its addresses written in,
// and every tail becomes a call of the controller's function for that kind of step.

#include "FusedProgram.h"

#include <array>
#include <cstddef>
#include <cstdint>

namespace rungbox::engine {

class ScanCode {
public:
    /// Runs one tail step with the result register `result` (0 or 1). Nothing may unwind
    /// through the generated code's frames, hence noexcept.
    using TailFn = void (*)(void* context, const Step* step, unsigned result) noexcept;

    /// The function for each kind of step, indexed by OpCode: set exactly for the kinds the
    /// instruction table marks as tails (OpInfo::tail). One function per kind keeps every call in
    /// the code going to one fixed place, which the processor predicts.
    using Tails = std::array<TailFn, kOpCodeCount>;

    ScanCode() = default;
    ~ScanCode();
    ScanCode(ScanCode&& other) noexcept;
    ScanCode& operator=(ScanCode&& other) noexcept;
    ScanCode(const ScanCode&) = delete;
    ScanCode& operator=(const ScanCode&) = delete;

    /// Generates the code of `program`. The code points at the program's tail steps, so
    /// `program` must outlive it and stay unchanged. Gives an empty ScanCode where no code can be
    /// generated; callers then interpret the program.
    static ScanCode generate(const FusedProgram& program, const Tails& tails);

    /// True when run() may be called.
    bool usable() const { return m_entry != nullptr; }

    /// Runs the program on `mem` (kWorkspaceSize bytes, each 0 or 1), calling the tail functions
    /// with `context` for every tail. Returns 0 after END, or the line of the invalid step that
    /// stopped it.
    int run(std::uint8_t* mem, void* context) const { return m_entry(mem, context); }

    /// Bytes of machine code (0 when not usable).
    std::size_t size() const { return m_size; }

private:
    using Entry = int (*)(std::uint8_t* mem, void* context);

    void release();

    void* m_memory = nullptr;
    std::size_t m_size = 0;
    std::size_t m_mapped = 0;
    Entry m_entry = nullptr;
};

} // namespace rungbox::engine
