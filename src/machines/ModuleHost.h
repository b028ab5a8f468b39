// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The Module menu's choice and the machine it puts on the controller's terminals. The host owns
// one plant of each kind; the chosen one (none by default) is coupled to each scan of a run:
// before the scan its sensors replace the inputs it drives, after the scan it steps one
// millisecond on the output relays. Choosing a module changes nothing else.

#include "CarParkPlant.h"
#include "ConveyorPlant.h"
#include "GatePlant.h"
#include "MotorPlant.h"
#include "TankPlant.h"
#include "TrafficPlant.h"

#include <cstdint>
#include <optional>
#include <span>
#include <string_view>

namespace rungbox::machines {

/// The Module menu's items, in menu order.
enum class ModuleKind { None, Gate, Conveyor, Motor, Tank, Traffic, CarPark };
/// How many kinds there are, none included.
inline constexpr std::size_t kModuleKinds = 7;

/// "none", "gate", "conveyor", "motor", "tank", "traffic" or "carpark": the word rungbox-sim
/// uses for `kind`.
std::string_view moduleWord(ModuleKind kind);
/// The kind named by `word` (see moduleWord()), or nothing.
std::optional<ModuleKind> moduleKindNamed(std::string_view word);
/// The machine's name titling its window and page ("Motor Starter", marked under "Machines").
std::string_view moduleTitle(ModuleKind kind);
/// The push-buttons and switches of the machines drawn from a scene, by kind (empty for none,
/// the gate and the conveyor, whose hands have commands of their own).
std::span<const Control> moduleControls(ModuleKind kind);

class ModuleHost {
public:
    ModuleKind kind() const { return m_kind; }
    /// Chooses `kind` and puts its machine in its starting state.
    void choose(ModuleKind kind);

    /// The chosen machine, or nullptr when none is chosen.
    Plant* plant();
    const Plant* plant() const;
    GatePlant& gate() { return m_gate; }
    ConveyorPlant& conveyor() { return m_conveyor; }
    const GatePlant& gate() const { return m_gate; }
    const ConveyorPlant& conveyor() const { return m_conveyor; }
    MotorPlant& motor() { return m_motor; }
    TankPlant& tank() { return m_tank; }
    TrafficPlant& traffic() { return m_traffic; }
    CarParkPlant& carPark() { return m_carPark; }
    /// The plant of `kind` whether chosen or not; nullptr for none.
    Plant* plantOf(ModuleKind kind);

    /// The inputs (bit n = input n) the chosen machine drives; 0 when none is chosen.
    std::uint16_t sensorMask() const;
    /// What the next scan reads for the inputs: `switches` (bit n = switch n) with the bits of
    /// sensorMask() replaced by the machine's sensors.
    std::uint16_t inputs(std::uint16_t switches) const;
    /// One millisecond of the chosen machine after a scan left `outputs` (bit n = output relay
    /// 1000 + n). Nothing when none is chosen.
    void afterScan(std::uint16_t outputs);
    /// The chosen machine back in its starting state, as a run's start and stop leave it.
    void reset();

private:
    // The plant of `kind` in `host` (a ModuleHost, const or not), or nullptr for none.
    template <typename Host> static auto* of(Host& host, ModuleKind kind);

    ModuleKind m_kind = ModuleKind::None;
    GatePlant m_gate;
    ConveyorPlant m_conveyor;
    MotorPlant m_motor;
    TankPlant m_tank;
    TrafficPlant m_traffic;
    CarParkPlant m_carPark;
};

} // namespace rungbox::machines
