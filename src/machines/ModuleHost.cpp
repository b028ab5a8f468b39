// SPDX-License-Identifier: GPL-3.0-or-later
#include "ModuleHost.h"
#include "l10n/Mark.h"

#include <array>
#include <type_traits>

namespace rungbox::machines {

namespace {

constexpr std::array<std::string_view, kModuleKinds> kWords = {
    "none", "gate", "conveyor", "motor", "tank", "traffic", "carpark"};
constexpr std::array<std::string_view, kModuleKinds> kTitles = {
    "none",
    QT_TRANSLATE_NOOP("Machines", "House Gate"),
    QT_TRANSLATE_NOOP("Machines", "Conveyor"),
    QT_TRANSLATE_NOOP("Machines", "Motor Starter"),
    QT_TRANSLATE_NOOP("Machines", "Tank and Pumps"),
    QT_TRANSLATE_NOOP("Machines", "Traffic Intersection"),
    QT_TRANSLATE_NOOP("Machines", "Car Park")};

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

std::string_view moduleTitle(ModuleKind kind) {
    return kTitles[static_cast<std::size_t>(kind)];
}

std::span<const Control> moduleControls(ModuleKind kind) {
    switch (kind) {
    case ModuleKind::Motor:
        return MotorPlant::kControls;
    case ModuleKind::Tank:
        return TankPlant::kControls;
    case ModuleKind::Traffic:
        return TrafficPlant::kControls;
    case ModuleKind::CarPark:
        return CarParkPlant::kControls;
    case ModuleKind::None:
    case ModuleKind::Gate:
    case ModuleKind::Conveyor:
        break;
    }
    return {};
}

void ModuleHost::choose(ModuleKind kind) {
    m_kind = kind;
    reset();
}

template <typename Host> auto* ModuleHost::of(Host& host, ModuleKind kind) {
    using Result = std::conditional_t<std::is_const_v<Host>, const Plant*, Plant*>;
    switch (kind) {
    case ModuleKind::None:
        return static_cast<Result>(nullptr);
    case ModuleKind::Gate:
        return static_cast<Result>(&host.m_gate);
    case ModuleKind::Conveyor:
        return static_cast<Result>(&host.m_conveyor);
    case ModuleKind::Motor:
        return static_cast<Result>(&host.m_motor);
    case ModuleKind::Tank:
        return static_cast<Result>(&host.m_tank);
    case ModuleKind::Traffic:
        return static_cast<Result>(&host.m_traffic);
    case ModuleKind::CarPark:
        return static_cast<Result>(&host.m_carPark);
    }
    return static_cast<Result>(nullptr);
}

Plant* ModuleHost::plantOf(ModuleKind kind) {
    return of(*this, kind);
}

Plant* ModuleHost::plant() {
    return of(*this, m_kind);
}

const Plant* ModuleHost::plant() const {
    return of(*this, m_kind);
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
