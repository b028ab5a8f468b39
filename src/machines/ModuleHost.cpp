#include "ModuleHost.h"

#include <array>

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

Plant* ModuleHost::plant() {
    switch (m_kind) {
    case ModuleKind::None:
        return nullptr;
    case ModuleKind::Gate:
        return &m_gate;
    case ModuleKind::Conveyor:
        return &m_conveyor;
    }
    return nullptr;
}

const Plant* ModuleHost::plant() const {
    return const_cast<ModuleHost*>(this)->plant();
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
