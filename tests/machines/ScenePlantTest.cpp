// SPDX-License-Identifier: GPL-3.0-or-later
// What every machine drawn from a scene shares: its hands, its picture, and a state that stays
// possible whatever a program and a user do to it.

#include "machines/ModuleHost.h"
#include "machines/Random.h"
#include "machines/Scene.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <functional>
#include <string>

namespace rungbox::machines {
namespace {

constexpr std::array<ModuleKind, 4> kSceneKinds = {ModuleKind::Motor, ModuleKind::Tank,
                                                   ModuleKind::Traffic, ModuleKind::CarPark};

std::string kindName(const testing::TestParamInfo<ModuleKind>& info) {
    return std::string(moduleWord(info.param));
}

class ScenePlant : public testing::TestWithParam<ModuleKind> {
protected:
    ScenePlant() { host.choose(GetParam()); }
    Plant& plant() { return *host.plant(); }

    ModuleHost host;
};

// Three simulated minutes of outputs that change at random moments and hands that touch random
// controls: a program gone wild and a user clicking everything. (The fuzz target goes on
// where this stops; three minutes keep the sanitizers' run of the suite short.)
constexpr int kWildMs = 180000;
void playWildly(Plant& plant, std::uint64_t seed, const std::function<void()>& eachMs) {
    Random random(seed);
    std::uint16_t outputs = 0;
    const std::size_t controls = plant.controls().size();
    for (int ms = 0; ms < kWildMs; ++ms) {
        if (random.chance(1)) {
            outputs = static_cast<std::uint16_t>(random.next());
        }
        if (controls > 0 && random.chance(1)) {
            plant.operate(random.next() % controls, static_cast<Touch>(random.next() % 5));
        }
        plant.step(outputs);
        eachMs();
    }
}

TEST_P(ScenePlant, StateStaysPossibleWhateverTheInputsDo) {
    int checked = 0;
    playWildly(plant(), 99, [&] {
        const std::string breach = plant().invariantBreach();
        ASSERT_TRUE(breach.empty()) << breach << "\n" << plant().stateLine();
        ASSERT_EQ(plant().sensors() & ~plant().sensorMask(), 0) << "sensors outside the mask";
        ++checked;
    });
    EXPECT_EQ(checked, kWildMs);
}

TEST_P(ScenePlant, SameSeedSameMachineAndResetStartsAfresh) {
    ModuleHost other;
    other.choose(GetParam());
    const std::string fresh = plant().stateLine();
    EXPECT_EQ(fresh.rfind(std::string(plant().name()) + ' ', 0), 0U);
    playWildly(plant(), 5, [] {});
    playWildly(*other.plant(), 5, [] {});
    EXPECT_EQ(plant().stateLine(), other.plant()->stateLine());
    EXPECT_TRUE(sceneOf(plant(), true) == sceneOf(*other.plant(), true));
    plant().reset();
    EXPECT_EQ(plant().stateLine(), fresh);
}

TEST_P(ScenePlant, ControlsAreNamedOnceAndClickableInThePicture) {
    const auto controls = plant().controls();
    ASSERT_FALSE(controls.empty());
    EXPECT_EQ(controls.data(), moduleControls(GetParam()).data());
    const Scene scene = sceneOf(plant(), true);
    for (std::size_t k = 0; k < controls.size(); ++k) {
        EXPECT_EQ(controls[k].word.find(' '), std::string_view::npos) << controls[k].word;
        for (std::size_t j = 0; j < k; ++j) {
            EXPECT_NE(controls[k].word, controls[j].word);
        }
        const auto spot = std::find_if(scene.hotspots().begin(), scene.hotspots().end(),
                                       [k](const SceneHotspot& s) { return s.control == k; });
        ASSERT_NE(spot, scene.hotspots().end()) << controls[k].word << " has no place to click";
        const ScenePoint middle{spot->box.x + spot->box.w / 2, spot->box.y + spot->box.h / 2};
        EXPECT_EQ(scene.controlAt(middle), k);
    }
}

TEST_P(ScenePlant, HandsWorkButtonsAndSwitchesAsTheirKindSays) {
    const auto controls = plant().controls();
    for (std::size_t k = 0; k < controls.size(); ++k) {
        if (controls[k].kind == ControlKind::Button) {
            plant().operate(k, Touch::On); // not a button's touch
            EXPECT_FALSE(plant().controlOn(k));
            plant().operate(k, Touch::Press);
            EXPECT_TRUE(plant().controlOn(k)) << controls[k].word;
            plant().step(0);
            EXPECT_FALSE(plant().controlOn(k)) << "a short press lasts one scan";
            plant().operate(k, Touch::Hold);
            plant().step(0);
            EXPECT_TRUE(plant().controlOn(k)) << "a held button stays down";
            plant().operate(k, Touch::Release);
            EXPECT_FALSE(plant().controlOn(k));
        } else {
            plant().operate(k, Touch::Press); // not a switch's touch
            EXPECT_FALSE(plant().controlOn(k));
            plant().operate(k, Touch::On);
            plant().step(0);
            EXPECT_TRUE(plant().controlOn(k)) << controls[k].word;
            plant().operate(k, Touch::Off);
            EXPECT_FALSE(plant().controlOn(k));
        }
    }
    plant().operate(controls.size(), Touch::Press); // no such control: nothing happens
}

TEST_P(ScenePlant, PictureListsEveryFaultAndSaysWhenStopped) {
    const Scene running = sceneOf(plant(), true);
    const Scene stopped = sceneOf(plant(), false);
    const auto hasText = [](const Scene& scene, std::string_view text) {
        return std::any_of(scene.shapes().begin(), scene.shapes().end(),
                           [text](const Shape& s) { return s.text == text; });
    };
    for (const FaultCount& fault : plant().faults()) {
        EXPECT_TRUE(hasText(running, fault.text)) << fault.text;
    }
    EXPECT_TRUE(running.faultMarks().empty()) << "a fresh machine has no fault to mark";
    EXPECT_FALSE(hasText(running, "Stopped: start the run to work the machine."));
    EXPECT_TRUE(hasText(stopped, "Stopped: start the run to work the machine."));
    EXPECT_EQ(running.width(), plant().sceneLayout().width);
}

INSTANTIATE_TEST_SUITE_P(Machines, ScenePlant, testing::ValuesIn(kSceneKinds), kindName);

TEST(Scene, ButtonsAreClickableTopmostFirstAndFaultsMarked) {
    Scene scene(200, 100);
    scene.button({10, 10, 50, 30}, "A", 0x00FF00, false, 0);
    scene.button({40, 10, 50, 30}, "B", 0x00FF00, true, 1);
    EXPECT_EQ(scene.controlAt({20, 20}), 0U);
    EXPECT_EQ(scene.controlAt({45, 20}), 1U) << "the button drawn last lies on top";
    EXPECT_EQ(scene.controlAt({90, 20}), SIZE_MAX) << "the right edge is outside";
    EXPECT_EQ(scene.controlAt({5, 5}), SIZE_MAX);
    // A pressed button's face moves down and darkens.
    const Shape& face = scene.shapes()[2];
    EXPECT_EQ(face.box.y, 12);
    EXPECT_EQ(face.fill, 0x00B200U); // 70 % of 0xFF
    scene.markFault({20, 50, 40, 20}, "short circuit");
    ASSERT_EQ(scene.faultMarks().size(), 1U);
    EXPECT_EQ(scene.faultMarks()[0].second, "short circuit");
    EXPECT_TRUE(scene.shapes()[scene.shapes().size() - 3].dashed);
}

TEST(Scene, ScriptTouchesFollowTheControlsKind) {
    EXPECT_EQ(touchFor(ControlKind::Button, true, false), Touch::Press);
    EXPECT_EQ(touchFor(ControlKind::Button, false, true), Touch::Hold);
    EXPECT_EQ(touchFor(ControlKind::Button, false, false), Touch::Release);
    EXPECT_EQ(touchFor(ControlKind::Switch, false, true), Touch::On);
    EXPECT_EQ(touchFor(ControlKind::Switch, false, false), Touch::Off);
}

TEST(ModuleHost, EveryKindHasItsWordTitleAndPlant) {
    ModuleHost host;
    for (std::size_t k = 0; k < kModuleKinds; ++k) {
        const auto kind = static_cast<ModuleKind>(k);
        EXPECT_EQ(moduleKindNamed(moduleWord(kind)), kind);
        EXPECT_FALSE(moduleTitle(kind).empty());
        host.choose(kind);
        EXPECT_EQ(host.plant(), host.plantOf(kind));
        if (kind != ModuleKind::None) {
            EXPECT_EQ(host.plant()->name(), moduleWord(kind));
        }
    }
    EXPECT_FALSE(moduleKindNamed("Motor"));
}

} // namespace
} // namespace rungbox::machines
