// SPDX-License-Identifier: GPL-3.0-or-later
#include "Monitor.h"

namespace rungbox::ladder {

Monitor::Monitor() : m_layout(Layout::build({})) {}

bool Monitor::refresh(std::span<const LineText> lines, int currentLine,
                      const engine::Controller* running, engine::InstructionSet set) {
    bool changed = false;
    bool same = lines.size() == m_cells.size() && set == m_layout.instructionSet();
    for (std::size_t i = 0; same && i < lines.size(); ++i) {
        const auto& cells = m_cells[i];
        same = cells[0] == lines[i].code && cells[1] == lines[i].location &&
               cells[2] == lines[i].setValue;
    }
    if (!same) {
        m_cells.resize(lines.size());
        for (std::size_t i = 0; i < lines.size(); ++i) {
            m_cells[i] = {std::string(lines[i].code), std::string(lines[i].location),
                          std::string(lines[i].setValue)};
        }
        m_layout = Layout::build(lines, set);
        changed = true;
    }
    if (currentLine != m_currentLine) {
        m_currentLine = currentLine;
        changed = true;
    }
    if (running != nullptr) {
        PowerFlow flow = PowerFlow::evaluate(m_layout, *running);
        if (!m_flow || changed || !(flow == *m_flow)) {
            m_flow = std::move(flow);
            changed = true;
        }
    } else if (m_flow) {
        m_flow.reset();
        changed = true;
    }
    return changed;
}

} // namespace rungbox::ladder
