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
    if (signal.isNumber()) {
        m_out << 'b' << (value ? binary(*value) : "x") << ' ' << identifier(position) << '\n';
    } else {
        m_out << (value ? (*value != 0 ? '1' : '0') : 'x') << identifier(position) << '\n';
    }
}

void VcdWriter::declare(const Signal& signal, std::size_t position, const std::string& name) {
    if (signal.isNumber()) {
        m_out << "$var reg " << Signal::kValueBits << ' ' << identifier(position) << ' ' << name
              << " [" << Signal::kValueBits - 1 << ":0] $end\n";
    } else {
        m_out << "$var wire 1 " << identifier(position) << ' ' << name << " $end\n";
    }
}

void VcdWriter::write(const Recorder& recorder, const names::NameTable* names) {
    const std::vector<Signal>& chosen = recorder.signalList();
    m_out << "$version rungbox $end\n";
    if (recorder.truncated()) {
        m_out << "$comment the recording is complete from " << recorder.firstMs()
              << " ms on; the part before was dropped $end\n";
    }
    m_out << "$timescale 1 ms $end\n";
    m_out << "$scope module rungbox $end\n";
    for (std::size_t p = 0; p < chosen.size(); ++p) {
        declare(chosen[p], p, chosen[p].name());
        if (const std::string name = names ? chosen[p].userName(*names) : ""; !name.empty()) {
            declare(chosen[p], p, name);
        }
    }
    m_out << "$upscope $end\n";
    m_out << "$enddefinitions $end\n";
    if (recorder.empty()) {
        return;
    }

    const std::uint64_t first = recorder.firstMs();
    std::vector<std::optional<int>> written = recorder.valuesAt(first);
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
    recorder.forEachChange(first, recorder.lastMs(),
                           [&](std::uint64_t ms, std::size_t position, int value) {
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
    if (recorder.lastMs() > writtenMs) {
        m_out << '#' << recorder.lastMs() << '\n';
    }
}

} // namespace rungbox::trace
