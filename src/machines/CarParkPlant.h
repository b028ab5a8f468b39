// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The Car Park: (being built) its terminals, physics and faults are described here.

#include "Plant.h"
#include "PushButton.h"

#include <array>

namespace rungbox::machines {

class CarParkPlant final : public Plant {
public:
    static constexpr std::array<Control, 1> kControls = {{
        {"ticket", "Ticket", ControlKind::Button},
    }};

    enum Fault : std::size_t { kFaultKinds };

    CarParkPlant();

    std::string_view name() const override { return "carpark"; }
    void reset() override;
    std::uint16_t sensorMask() const override { return 0x0001; }
    std::uint16_t sensors() const override;
    void step(std::uint16_t outputs) override;
    std::string stateLine() const override;
    std::span<const FaultCount> faults() const override { return m_faults; }
    std::span<const Control> controls() const override { return kControls; }
    SceneLayout sceneLayout() const override;
    void drawScene(Scene& scene) const override;

protected:
    PushButton* controlButton(std::size_t index) override;

private:
    PushButton m_button;
    std::uint16_t m_outputs = 0;
    std::array<FaultCount, kFaultKinds> m_faults;
};

} // namespace rungbox::machines
