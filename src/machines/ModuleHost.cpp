// SPDX-License-Identifier: GPL-3.0-or-later
#include "ModuleHost.h"

#include <array>
#include <type_traits>

namespace rungbox::machines {

namespace {

constexpr std::array<std::string_view, 3> kWords = {"none", "gate", "conveyor"};

} // namespace

std::string_view moduleWord(ModuleKind kind) {
    return kWords[static_cast<std::size_t>(kind)];
}

std::optional<ModuleKind> moduleKindNamed(std::string_view word) {
    for (std::size_t k = 0; k < kWords.size(); ++k) {
        if (kWords[k] == word) {
            return static_cast<ModuleKind>(k);
        }
    }
    return std::nullopt;
}

void ModuleHost::choose(ModuleKind kind) {
    m_kind = kind;
    reset();
}

template <typename Host> auto* ModuleHost::chosen(Host& host) {
    using Result = std::conditional_t<std::is_const_v<Host>, const Plant*, Plant*>;
    switch (host.m_kind) {
    case ModuleKind::None:
        return static_cast<Result>(nullptr);
    case ModuleKind::Gate:
        return static_cast<Result>(&host.m_gate);
    case ModuleKind::Conveyor:
        return static_cast<Result>(&host.m_conveyor);
    }
    return static_cast<Result>(nullptr);
}

Plant* ModuleHost::plant() {
    return chosen(*this);
}

const Plant* ModuleHost::plant() const {
    return chosen(*this);
}

std::uint16_t ModuleHost::sensorMask() const {
    const Plant* chosen = plant();
    return chosen == nullptr ? 0 : chosen->sensorMask();
}

std::uint16_t ModuleHost::inputs(std::uint16_t switches) const {
    const Plant* chosen = plant();
    return chosen == nullptr ? switches : chosen->writeSensors(switches);
}

void ModuleHost::afterScan(std::uint16_t outputs) {
    if (Plant* chosen = plant()) {
        chosen->step(outputs);
    }
}

void ModuleHost::reset() {
    if (Plant* chosen = plant()) {
        chosen->reset();
    }
}

} // namespace rungbox::machines
