// SPDX-License-Identifier: GPL-3.0-or-later
#include "VcdWriter.h"

#include <algorithm>
#include <vector>

namespace rungbox::trace {

namespace {

constexpr char kFirstCode = '!';
constexpr std::size_t kCodes = '~' - '!' + 1;

// A present value as VCD binary digits: the shortest form for 0 and above (a VCD reader extends
// it with zeros on the left), all 16 bits for a negative value.
std::string binary(int value) {
    auto bits = static_cast<unsigned>(value) & ((1U << Signal::kValueBits) - 1);
    if (bits == 0) {
        return "0";
    }
    std::string digits;
    while (bits != 0) {
        digits.insert(digits.begin(), (bits & 1U) != 0 ? '1' : '0');
        bits >>= 1;
    }
    return digits;
}

// A word as all its 16 binary digits, the way a bus's value reads in a viewer.
std::string wordBinary(int value) {
    std::string digits(Signal::kValueBits, '0');
    for (std::size_t b = 0; b < digits.size(); ++b) {
        if ((static_cast<unsigned>(value) >> b & 1U) != 0) {
            digits[digits.size() - 1 - b] = '1';
        }
    }
    return digits;
}

} // namespace

std::string VcdWriter::identifier(std::size_t position) {
    std::string code;
    do {
        code += static_cast<char>(kFirstCode + static_cast<char>(position % kCodes));
        position /= kCodes;
    } while (position-- > 0);
    return code;
}

void VcdWriter::writeValue(const Signal& signal, std::size_t position, std::optional<int> value) {
    if (signal.isWord()) {
        m_out << 'b' << (value ? wordBinary(*value) : "x") << ' ' << identifier(position) << '\n';
    } else if (signal.isNumber()) {
        m_out << 'b' << (value ? binary(*value) : "x") << ' ' << identifier(position) << '\n';
    } else {
        m_out << (value ? (*value != 0 ? '1' : '0') : 'x') << identifier(position) << '\n';
    }
}

void VcdWriter::declare(const Signal& signal, std::size_t position, const std::string& name) {
    if (signal.isWord()) {
        m_out << "$var wire " << Signal::kValueBits << ' ' << identifier(position) << ' ' << name
              << " $end\n";
    } else if (signal.isNumber()) {
        m_out << "$var reg " << Signal::kValueBits << ' ' << identifier(position) << ' ' << name
              << " [" << Signal::kValueBits - 1 << ":0] $end\n";
    } else {
        m_out << "$var wire 1 " << identifier(position) << ' ' << name << " $end\n";
    }
}

void VcdWriter::writeScope(const std::string& name, const std::vector<Signal>& chosen,
                           std::size_t firstPosition, const names::NameTable* names) {
    m_out << "$scope module " << name << " $end\n";
    for (std::size_t k = 0; k < chosen.size(); ++k) {
        const Signal& signal = chosen[k];
        declare(signal, firstPosition + k, signal.name());
        // A named signal is declared a second time on the same code: viewers show both.
        if (const std::string user = names ? signal.userName(*names) : ""; !user.empty()) {
            declare(signal, firstPosition + k, user);
        }
    }
    m_out << "$upscope $end\n";
}

void VcdWriter::write(const Recorder& recorder, const names::NameTable* names) {
    const std::vector<Signal>& chosen = recorder.signalList();
    m_out << "$version rungbox $end\n";
    if (recorder.truncated()) {
        m_out << "$comment the recording is complete from " << recorder.firstMs()
              << " ms on; the part before was dropped $end\n";
    }
    m_out << "$timescale 1 ms $end\n";
    writeScope("rungbox", chosen, 0, names);
    m_out << "$enddefinitions $end\n";
    if (recorder.empty()) {
        return;
    }
    const std::uint64_t first = recorder.firstMs();
    writeChanges(chosen, first, recorder.lastMs(), recorder.valuesAt(first),
                 [&](const Recorder::ChangeFn& change) {
                     recorder.forEachChange(first, recorder.lastMs(), change);
                 });
}

void VcdWriter::write(const std::vector<Part>& parts) {
    m_out << "$version rungbox $end\n";
    m_out << "$timescale 1 ms $end\n";
    std::vector<Signal> chosen;
    std::vector<std::optional<int>> written;
    std::vector<Change> changes;
    std::uint64_t first = UINT64_MAX;
    std::uint64_t last = 0;
    std::size_t defined = 0;
    for (const Part& part : parts) {
        const Recorder& r = *part.recorder;
        writeScope(part.scope, r.signalList(), defined, nullptr);
        defined += r.signalList().size();
        if (!r.empty()) {
            first = std::min(first, r.firstMs());
            last = std::max(last, r.lastMs());
        }
    }
    m_out << "$enddefinitions $end\n";
    if (first == UINT64_MAX) {
        return;
    }
    for (const Part& part : parts) {
        const Recorder& r = *part.recorder;
        const std::size_t base = chosen.size();
        chosen.insert(chosen.end(), r.signalList().begin(), r.signalList().end());
        const std::vector<std::optional<int>> values =
            r.empty() ? std::vector<std::optional<int>>(r.signalList().size()) : r.valuesAt(first);
        written.insert(written.end(), values.begin(), values.end());
        if (!r.empty()) {
            r.forEachChange(first, r.lastMs(), [&](std::uint64_t ms, std::size_t p, int value) {
                changes.push_back({ms, base + p, value});
            });
        }
    }
    // Each part's changes come in time order; a stable sort keeps that order within a time.
    std::stable_sort(changes.begin(), changes.end(),
                     [](const Change& a, const Change& b) { return a.ms < b.ms; });
    writeChanges(chosen, first, last, std::move(written), [&](const Recorder::ChangeFn& change) {
        for (const Change& c : changes) {
            change(c.ms, c.position, c.value);
        }
    });
}

void VcdWriter::writeChanges(const std::vector<Signal>& chosen, std::uint64_t first,
                             std::uint64_t last, std::vector<std::optional<int>> written,
                             const ChangeSource& changes) {
    m_out << '#' << first << '\n' << "$dumpvars\n";
    for (std::size_t p = 0; p < chosen.size(); ++p) {
        writeValue(chosen[p], p, written[p]);
    }
    m_out << "$end\n";

    // Changes are gathered per millisecond; only the last value of each changed signal in it,
    // and only where it differs from what was written, goes into the file, in signal order.
    std::vector<std::optional<int>> current = written;
    std::vector<std::size_t> touched;
    std::vector<bool> isTouched(chosen.size(), false);
    std::uint64_t groupMs = first;
    std::uint64_t writtenMs = first;
    const auto flush = [&] {
        std::sort(touched.begin(), touched.end());
        bool stamped = false;
        for (const std::size_t p : touched) {
            isTouched[p] = false;
            if (current[p] == written[p]) {
                continue;
            }
            if (!stamped) {
                m_out << '#' << groupMs << '\n';
                stamped = true;
                writtenMs = groupMs;
            }
            writeValue(chosen[p], p, current[p]);
            written[p] = current[p];
        }
        touched.clear();
    };
    changes([&](std::uint64_t ms, std::size_t position, int value) {
        if (ms != groupMs) {
            flush();
            groupMs = ms;
        }
        current[position] = value;
        if (!isTouched[position]) {
            isTouched[position] = true;
            touched.push_back(position);
        }
    });
    flush();
    if (last > writtenMs) {
        m_out << '#' << last << '\n';
    }
}

} // namespace rungbox::trace
