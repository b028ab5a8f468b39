// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Reads back a value change dump as VcdWriter writes it, one recording per scope, so that a
// recording made elsewhere (a worker's counterexample runs) can be drawn as a timing diagram.

#include "Recorder.h"

#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace rungbox::trace {

/// One scope of a dump: its name and its recording.
struct VcdRun {
    std::string scope;
    std::unique_ptr<Recorder> recorder;
};

/// At most this many scopes are read: a comparison has two; the bound keeps the controllers
/// the reader replays on (one per scope, about 40 kB each) few.
constexpr std::size_t kMaxVcdRuns = 8;

/// The recordings of `text`, in scope order: each variable whose name parseSignal() or
/// parseWordSignal() reads is
/// recorded (a second name on the same identifier, and any other variable, are left out; past
/// Recorder::kMaxSignals a scope's signals are left out too). Times are milliseconds; the dump
/// carries no scan counts, so a recording read counts one scan a millisecond. An unknown value
/// (x, z) reads as 0. Empty, with `error` set, when `text` is not such a dump: no definitions,
/// nested or too many scopes, times going back, or a value for an undeclared identifier.
std::vector<VcdRun> readVcd(std::string_view text, std::string& error);

} // namespace rungbox::trace
