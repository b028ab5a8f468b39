// SPDX-License-Identifier: GPL-3.0-or-later
#include "Tracing.h"

namespace rungbox::trace {

void Tracing::begin(const engine::Controller& plc, std::uint64_t runMs) {
    if (m_runs == Runs::Latest || m_recorder.empty()) {
        m_recorder.clear();
        m_scans = 0;
    }
    // A run added to the recording starts one millisecond after the last sample before it.
    const std::uint64_t start = m_recorder.empty() ? runMs : m_recorder.lastMs() + 1;
    m_offset = start > runMs ? start - runMs : 0;
    m_recorder.sample(plc, m_offset + runMs, m_scans);
    m_nextScanMs = m_offset + runMs + 1;
    m_begun = true;
}

} // namespace rungbox::trace
