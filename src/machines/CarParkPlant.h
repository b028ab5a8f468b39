// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The Car Park: twelve bays behind an entry barrier and an exit barrier, each barrier with an
// induction loop in front of it (a car waiting, or under the arm) and one just past it, a ticket
// machine at the entry and a FULL sign. Cars arrive and stay for seeded times.
//
//   inputs   0  entry approach loop: a car waiting at the entry barrier or driving under it
//            1  ticket push-button (the driver's, momentary)
//            2  entry passed loop: a car just past the entry barrier (it is inside now)
//            3  exit approach loop: a car waiting at the exit barrier or driving under it
//            4  exit passed loop: a car just past the exit barrier (it has left)
//            5  entry barrier up (limit switch)      6  entry barrier down (limit switch)
//            7  exit barrier up (limit switch)       8  exit barrier down (limit switch)
//   outputs  1000 raise the entry barrier, 1001 raise the exit barrier, 1002 FULL sign
//
// A barrier rises while its output is on and falls while it is off, kTravelMs from down to up.
// A car drives under a barrier only once it is fully up, takes kUnderMs to pass beneath the arm
// (its approach loop still on), then kPassedMs on the passed loop; then it parks in a free bay
// (or stands in the aisle when all twelve are taken) or is gone. The driver at the entry presses
// the ticket button a seeded 1 to 4 s after arriving, while FULL is dark and the barrier is not
// rising, and again every kRepressMs while still waiting. Cars waiting behind the one on the
// loop queue in the street. The program's count: the plant watches counter 0 (CNTR 0 counting
// cars in and out, its present value being the cars inside as the program counts them) and
// shows it beside the real count.
//
// Faults: a barrier lowered onto a car under it (the arm stops on the roof); more cars inside
// than places; the FULL sign wrong (lit while not full, or dark while full) for over a second.

#include "Plant.h"
#include "PushButton.h"
#include "Random.h"
#include "l10n/Mark.h"

#include <array>
#include <vector>

namespace rungbox::machines {

class CarParkPlant final : public Plant {
public:
    static constexpr std::array<Control, 3> kControls = {{
        {"ticket", QT_TRANSLATE_NOOP("Machines", "Ticket"), ControlKind::Button},
        {"carin", QT_TRANSLATE_NOOP("Machines", "Car in"), ControlKind::Button},
        {"carout", QT_TRANSLATE_NOOP("Machines", "Car out"), ControlKind::Button},
    }};
    enum ControlIndex : std::size_t { kTicketControl, kCarInControl, kCarOutControl };

    // Inputs: bit n is input n.
    static constexpr std::uint16_t kEntryLoop = 1U << 0;
    static constexpr std::uint16_t kTicket = 1U << 1;
    static constexpr std::uint16_t kEntryPassed = 1U << 2;
    static constexpr std::uint16_t kExitLoop = 1U << 3;
    static constexpr std::uint16_t kExitPassed = 1U << 4;
    static constexpr std::uint16_t kEntryUp = 1U << 5;
    static constexpr std::uint16_t kEntryDown = 1U << 6;
    static constexpr std::uint16_t kExitUp = 1U << 7;
    static constexpr std::uint16_t kExitDown = 1U << 8;
    // Outputs: bit n is output relay 1000 + n.
    static constexpr std::uint16_t kRaiseEntry = 1U << 0;
    static constexpr std::uint16_t kRaiseExit = 1U << 1;
    static constexpr std::uint16_t kFullSign = 1U << 2;

    /// Places: the bays the FULL sign and the program count against.
    static constexpr int kPlaces = 12;
    /// Cars the aisle holds beyond the bays when a program lets too many in; with the aisle
    /// full no more car can drive in, so the count stays bounded.
    static constexpr int kAisle = 6;
    /// Milliseconds of arm travel between down and up: a real car park barrier takes 1-3 s.
    static constexpr int kTravelMs = 2000;
    /// Where (travel ms from down) an arm lowered onto a car stops on its roof.
    static constexpr int kRoofMs = 1200;
    /// A car's time beneath the arm (ms), from the barrier fully up to the passed loop.
    static constexpr int kUnderMs = 1500;
    /// A car's time on a passed loop (ms) before it parks or is gone.
    static constexpr int kPassedMs = 2000;
    /// The FULL sign may disagree with the count this long (ms): a program sees the passed
    /// loop one scan late, and a sign that lags briefly misleads no driver.
    static constexpr int kSignGraceMs = 1000;
    /// Seeded times between arrivals and of stays, in ms: busy enough that the car park fills
    /// within a few minutes (about 13 cars wanted inside on average).
    static constexpr int kArriveMinMs = 8000;
    static constexpr int kArriveMaxMs = 30000;
    static constexpr int kStayMinMs = 90000;
    static constexpr int kStayMaxMs = 400000;
    /// A driver's delay (ms) before pressing the ticket button after reaching the loop.
    static constexpr int kTicketMinMs = 1000;
    static constexpr int kTicketMaxMs = 4000;
    /// A waiting driver presses again after this long (ms), and holds the button kPressMs.
    static constexpr int kRepressMs = 6000;
    static constexpr int kPressMs = 300;
    /// Cars that queue in the street behind the one on the loop; more drive on.
    static constexpr int kQueueMax = 3;
    static constexpr std::uint64_t kSeed = 12;
    /// Car colours the picture picks from by a car's paint number.
    static constexpr int kPaints = 6;

    /// Where the car in a lane is: none there, waiting on the approach loop, under the arm, or
    /// on the passed loop.
    enum class Lane { Empty, Waiting, Under, Passed };

    struct Car {
        int bay = 0;    ///< 0 to kPlaces - 1 a bay, kPlaces and on a place in the aisle
        int stayMs = 0; ///< until it wants to leave
        int paint = 0;  ///< 0 to kPaints - 1
        friend bool operator==(const Car&, const Car&) = default;
    };

    /// One barrier and the car in its lane.
    struct Gate {
        int position = 0; ///< travel ms from down: 0 (down) to kTravelMs (up)
        bool raise = false;
        Lane lane = Lane::Empty;
        int laneMs = 0; ///< in the lane's present phase (Under, Passed)
        Car car;        ///< the car in the lane, when there is one
        bool up() const { return position >= kTravelMs; }
        bool down() const { return position <= 0; }
    };

    enum Fault : std::size_t { kOntoCar, kOverFull, kSignWrong, kFaultKinds };

    CarParkPlant();

    std::string_view name() const override { return "carpark"; }
    void reset() override;
    std::uint16_t sensorMask() const override { return 0x01FF; }
    std::uint16_t sensors() const override;
    void step(std::uint16_t outputs) override;
    std::string stateLine() const override;
    std::span<const FaultCount> faults() const override { return m_faults; }
    std::span<const Control> controls() const override { return kControls; }
    SceneLayout sceneLayout() const override;
    void drawScene(Scene& scene) const override;
    int watchedCounter() const override { return 0; }
    void watchCounter(int presentValue) override { m_programCount = presentValue; }
    std::string invariantBreach() const override;

    // --- The user's hands ----------------------------------------------------------------------

    /// A car arrives at the entry now (joins the queue when the loop is taken).
    void sendCar();
    /// The parked car that would leave soonest wants to leave now.
    void callCarOut();

    // --- State ---------------------------------------------------------------------------------

    const Gate& entry() const { return m_entry; }
    const Gate& exit() const { return m_exit; }
    /// Cars in the bays and the aisle.
    const std::vector<Car>& parked() const { return m_parked; }
    /// The real count: cars past the entry's passed loop and not yet on the exit's.
    int inside() const;
    /// Cars queueing in the street behind the one on the entry loop.
    int queue() const { return static_cast<int>(m_street.size()); }
    bool fullSign() const { return m_full; }
    /// Counter 0's present value after the last scan, or -1 before any.
    int programCount() const { return m_programCount; }

protected:
    PushButton* controlButton(std::size_t index) override;

private:
    void arrive(const Car& car);
    void driveOntoLoop(const Car& car);
    void driverStep();
    bool advanceLane(Gate& gate, bool room);
    void moveEntry();
    void moveExit();
    void park();
    void leaveBays();
    void moveArm(Gate& gate);
    void setFault(Fault fault, bool condition);
    int between(int low, int high);
    Car newCar();
    void handsStep();
    void drawEntry(Scene& scene) const;
    void drawExit(Scene& scene) const;
    void drawBays(Scene& scene) const;
    void drawPanel(Scene& scene) const;

    Random m_random{kSeed};
    Gate m_entry;
    Gate m_exit;
    std::vector<Car> m_parked;
    std::vector<Car> m_street; // the queue, the first next
    int m_arriveMs = 0;        // until the next seeded arrival
    int m_ticketMs = 0;        // until the waiting driver presses
    int m_pressMs = 0;         // the driver's press still held
    int m_signWrongMs = 0;     // the FULL sign disagreeing with the count
    bool m_full = false;
    int m_programCount = -1;
    PushButton m_ticket;
    PushButton m_carIn;
    PushButton m_carOut;
    bool m_carInHeld = false;
    bool m_carOutHeld = false;
    std::array<FaultCount, kFaultKinds> m_faults;
};

} // namespace rungbox::machines
