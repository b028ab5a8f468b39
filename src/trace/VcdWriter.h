// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Writes a recording as an IEEE 1364 value change dump (VCD), the file that waveform viewers
// such as GTKWave read.

#include "Recorder.h"

#include <cstddef>
#include <cstdint>
#include <functional>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

namespace rungbox::trace {

/// Writes one recording to a stream: a timescale of 1 ms, one scope "rungbox" with a wire per
/// bit signal, a 16-bit reg per present value and a 16-bit wire per word (its value changes in
/// all 16 binary digits), each named Signal::name(); the values at the
/// recording's first complete time under $dumpvars (a signal whose address has a name is
/// declared a second time under Signal::userName() with the same identifier, so that viewers
/// show both); then, for each later millisecond in which
/// something changed, "#" and the time followed by the signals whose value differs from what
/// was written before; last, the time of the last sample. A signal not yet recorded reads x.
class VcdWriter {
public:
    /// `out` must outlive the writer; it is not owned.
    explicit VcdWriter(std::ostream& out) : m_out(out) {}

    /// Writes `recorder`'s recording of its present signals, with the names of `names` (not
    /// owned, may be null). An empty recording gives the definitions only.
    void write(const Recorder& recorder, const names::NameTable* names = nullptr);

    /// One recording of several written side by side, in a scope of its own.
    struct Part {
        std::string scope;        ///< the scope's name, a word
        const Recorder* recorder; ///< not owned
    };
    /// Writes several recordings of the same stretch of time (the two runs of a comparison), each
    /// in its scope, their times merged. They are taken to be complete from their first sample;
    /// every part should hold at least one. Meant for short recordings: it gathers every change
    /// before writing.
    void write(const std::vector<Part>& parts);

    /// The short identifier that stands for signal `position` in the value lines: printable
    /// characters from '!' to '~', one for the first 94 signals, then two, and so on.
    static std::string identifier(std::size_t position);

private:
    struct Change {
        std::uint64_t ms;
        std::size_t position;
        int value;
    };
    using ChangeSource = std::function<void(const Recorder::ChangeFn&)>;

    void writeValue(const Signal& signal, std::size_t position, std::optional<int> value);
    void declare(const Signal& signal, std::size_t position, const std::string& name);
    void writeScope(const std::string& name, const std::vector<Signal>& chosen,
                    std::size_t firstPosition, const names::NameTable* names);
    void writeChanges(const std::vector<Signal>& chosen, std::uint64_t first, std::uint64_t last,
                      std::vector<std::optional<int>> written, const ChangeSource& changes);

    std::ostream& m_out;
};

} // namespace rungbox::trace
