// SPDX-License-Identifier: GPL-3.0-or-later
#include "Recorder.h"

#include "engine/AddressMap.h"

#include <algorithm>
#include <bit>
#include <cassert>
#include <climits>
#include <cstring>
#include <tuple>

namespace rungbox::trace {

namespace {

// A block is closed once its frames reach this size. Small enough that reading one block to
// answer a query takes microseconds; large enough that the per-block snapshot costs little.
constexpr std::size_t kBlockBytes = std::size_t{16} << 10;
// The longest frame: four header varints and, per signal, its slot and a value delta.
constexpr std::size_t kMaxVarint = 10;
constexpr std::size_t kMaxFrameBytes = 4 * kMaxVarint + Recorder::kMaxSignals * 2 * kMaxVarint;

// A frame starts with its number of changes times 4 plus one of these: the frame is one sample
// one millisecond and one scan after the last; or its samples are each one millisecond and one
// scan apart, their number follows; or the milliseconds, scans and samples follow.
constexpr std::uint64_t kOneStep = 1;
constexpr std::uint64_t kSteps = 2;
constexpr std::uint64_t kFull = 0;

// The value of a slot that was not recorded at that time.
constexpr std::int32_t kUnknown = INT32_MIN;

constexpr std::int32_t kNoSlot = -1;

std::uint8_t* putVarint(std::uint8_t* out, std::uint64_t value) {
    while (value >= 0x80) {
        *out++ = static_cast<std::uint8_t>(value | 0x80);
        value >>= 7;
    }
    *out++ = static_cast<std::uint8_t>(value);
    return out;
}

std::uint64_t getVarint(const std::uint8_t*& in) {
    std::uint64_t value = 0;
    int shift = 0;
    while ((*in & 0x80) != 0) {
        value |= std::uint64_t{static_cast<std::uint8_t>(*in++ & 0x7f)} << shift;
        shift += 7;
    }
    value |= std::uint64_t{*in++} << shift;
    return value;
}

std::uint64_t zigzag(std::int32_t value) {
    return (static_cast<std::uint64_t>(static_cast<std::uint32_t>(value)) << 1) ^
           static_cast<std::uint64_t>(static_cast<std::int64_t>(value >> 31));
}

std::int32_t unzigzag(std::uint64_t value) {
    const auto half = static_cast<std::uint32_t>(value >> 1);
    return static_cast<std::int32_t>(half ^ (0U - static_cast<std::uint32_t>(value & 1)));
}

std::size_t blockMemory(std::size_t bytesCapacity, std::size_t snapshotCapacity) {
    return sizeof(std::vector<std::uint8_t>) * 2 + sizeof(std::size_t) * 2 + bytesCapacity +
           snapshotCapacity * sizeof(std::int32_t) + 2 * sizeof(std::uint64_t);
}

// Relays `first` to `first` + 15 as bytes 0 or 1, relay `first` in the lowest byte of the first
// word. Written as a plain copy so that the compiler turns it into one vector compare.
std::array<std::uint64_t, 2> readWindow(const engine::Controller& plc, int first) {
    std::array<std::uint8_t, 16> bytes{};
    for (std::size_t j = 0; j < bytes.size(); ++j) {
        bytes[j] = plc.relay(first + static_cast<int>(j)) ? 1 : 0;
    }
    std::array<std::uint64_t, 2> words{};
    std::memcpy(words.data(), bytes.data(), sizeof words);
    return words;
}

// Units: timers 0 to 7, then counters 0 to 7.
constexpr int timerUnit(int n) {
    return n;
}
constexpr int counterUnit(int n) {
    return engine::kTimerCount + n;
}

} // namespace

// Walks the recording frame by frame from the start of a block, keeping the value of every slot.
class Recorder::Reader {
public:
    Reader(const Recorder& recorder, std::size_t block) : m_recorder(recorder), m_block(block) {
        enterBlock();
        m_state = recorder.m_blocks[block].snapshot;
        m_state.resize(recorder.m_slots.size(), kUnknown);
        m_point = recorder.m_blocks[block].base;
    }

    /// Reads the next frame if it lies at or before `untilMs`: point() moves to it, and its
    /// changed slots are listed. Otherwise false, and upcoming() tells the frame that would
    /// follow (when not atEnd()).
    bool advance(std::uint64_t untilMs) {
        m_changed.clear();
        if (m_in == m_end) {
            if (m_block + 1 >= m_recorder.m_blocks.size()) {
                return false;
            }
            // The next block starts at the last frame of this one: a frame without time that
            // brings in the signals added there.
            ++m_block;
            enterBlock();
            const Block& block = m_recorder.m_blocks[m_block];
            assert(block.base == m_point);
            for (std::size_t slot = 0; slot < block.snapshot.size(); ++slot) {
                if (m_state[slot] == kUnknown && block.snapshot[slot] != kUnknown) {
                    m_changed.push_back(static_cast<std::uint32_t>(slot));
                }
                m_state[slot] = block.snapshot[slot];
            }
            m_steps = 0;
            return true;
        }
        const std::uint8_t* in = m_in;
        const auto [upcoming, steps, count] = readHeader(in);
        if (upcoming.ms > untilMs) {
            return false;
        }
        m_point = upcoming;
        m_steps = steps;
        for (std::uint64_t k = 0; k < count; ++k) {
            const auto slot = static_cast<std::uint32_t>(getVarint(in));
            std::int32_t& value = m_state[slot];
            if (m_recorder.m_slots[slot].signal.isNumber()) {
                value += unzigzag(getVarint(in));
            } else {
                value ^= 1;
            }
            m_changed.push_back(slot);
        }
        m_in = in;
        return true;
    }

    bool atEnd() const { return m_in == m_end && m_block + 1 >= m_recorder.m_blocks.size(); }
    /// The frame after point() and the samples up to it, when not atEnd() and the last
    /// advance() returned false.
    std::pair<Point, std::uint64_t> upcoming() const {
        const std::uint8_t* in = m_in;
        const auto [at, steps, count] = readHeader(in);
        return {at, steps};
    }

    const Point& point() const { return m_point; }
    const std::vector<std::int32_t>& state() const { return m_state; }
    const std::vector<std::uint32_t>& changed() const { return m_changed; }

private:
    void enterBlock() {
        const Block& block = m_recorder.m_blocks[m_block];
        m_in = block.bytes.get();
        m_end = m_in + block.size;
    }
    struct Header {
        Point at;
        std::uint64_t steps;
        std::uint64_t count;
    };
    Header readHeader(const std::uint8_t*& in) const {
        const std::uint64_t first = getVarint(in);
        const std::uint64_t count = first >> 2;
        std::uint64_t ms = 1;
        std::uint64_t scan = 1;
        std::uint64_t steps = 1;
        switch (first & 3) {
        case kOneStep:
            break;
        case kSteps:
            steps = ms = scan = getVarint(in);
            break;
        default:
            ms = getVarint(in);
            scan = getVarint(in);
            steps = getVarint(in);
            break;
        }
        return {{m_point.ms + ms, m_point.scan + scan}, steps, count};
    }

    const Recorder& m_recorder;
    std::size_t m_block;
    const std::uint8_t* m_in = nullptr;
    const std::uint8_t* m_end = nullptr;
    Point m_point;
    std::uint64_t m_steps = 0;
    std::vector<std::int32_t> m_state;
    std::vector<std::uint32_t> m_changed;
};

Recorder::Recorder(const std::vector<Signal>& chosen, std::size_t byteLimit)
    : m_byteLimit(std::max(byteLimit, kMinByteLimit)) {
    for (const Signal& signal : chosen) {
        add(signal);
    }
}

Recorder::~Recorder() = default;

std::optional<std::size_t> Recorder::find(const Signal& signal) const {
    const auto it = std::find(m_signals.begin(), m_signals.end(), signal);
    if (it == m_signals.end()) {
        return std::nullopt;
    }
    return static_cast<std::size_t>(it - m_signals.begin());
}

bool Recorder::add(const Signal& signal) {
    if (!signal.valid() || find(signal) || m_slots.size() >= kMaxSignals) {
        return false;
    }
    m_slotOf.push_back(static_cast<std::uint32_t>(m_slots.size()));
    m_slots.push_back({signal, true, kUnknown});
    m_signals.push_back(signal);
    m_setChanged = true;
    return true;
}

bool Recorder::remove(const Signal& signal) {
    const auto position = find(signal);
    if (!position) {
        return false;
    }
    const auto at = static_cast<std::ptrdiff_t>(*position);
    m_slots[m_slotOf[*position]].present = false;
    m_signals.erase(m_signals.begin() + at);
    m_slotOf.erase(m_slotOf.begin() + at);
    m_setChanged = true;
    return true;
}

void Recorder::putFirst(const std::vector<Signal>& first) {
    std::size_t front = 0;
    for (const Signal& signal : first) {
        const auto position = find(signal);
        if (!position || *position < front) {
            continue; // not recorded, or given twice
        }
        const auto at = static_cast<std::ptrdiff_t>(*position);
        const auto to = static_cast<std::ptrdiff_t>(front);
        std::rotate(m_signals.begin() + to, m_signals.begin() + at, m_signals.begin() + at + 1);
        std::rotate(m_slotOf.begin() + to, m_slotOf.begin() + at, m_slotOf.begin() + at + 1);
        ++front;
    }
}

void Recorder::clear() {
    m_blocks.clear();
    m_memory = 0;
    m_truncated = false;
    // Slots of removed signals are needed only to read what is now forgotten.
    m_slots.clear();
    m_slotOf.clear();
    for (const Signal& signal : m_signals) {
        m_slotOf.push_back(static_cast<std::uint32_t>(m_slots.size()));
        m_slots.push_back({signal, true, kUnknown});
    }
    m_frame = m_last = m_step = Point{};
    m_steps = 0;
    m_setChanged = true;
}

void Recorder::rebuildProbes(const engine::Controller& plc) {
    m_windows.clear();
    m_bitSlots.clear();
    m_wordSlots.clear();
    m_valueSlot.fill(kNoSlot);
    m_doneSlot.fill(kNoSlot);
    std::vector<std::pair<int, std::uint32_t>> relays; // address, slot
    for (std::uint32_t slot = 0; slot < m_slots.size(); ++slot) {
        Slot& s = m_slots[slot];
        if (!s.present) {
            continue;
        }
        s.value = s.signal.read(plc);
        const auto id = static_cast<std::int32_t>(slot);
        switch (s.signal.kind) {
        case SignalKind::Relay:
            relays.emplace_back(s.signal.index, slot);
            break;
        case SignalKind::TimerDone:
            m_doneSlot[static_cast<std::size_t>(timerUnit(s.signal.index))] = id;
            break;
        case SignalKind::CounterDone:
            m_doneSlot[static_cast<std::size_t>(counterUnit(s.signal.index))] = id;
            break;
        case SignalKind::TimerValue:
            m_valueSlot[static_cast<std::size_t>(timerUnit(s.signal.index))] = id;
            break;
        case SignalKind::CounterValue:
            m_valueSlot[static_cast<std::size_t>(counterUnit(s.signal.index))] = id;
            break;
        case SignalKind::Bit:
            m_bitSlots.push_back(slot);
            break;
        case SignalKind::Word:
            m_wordSlots.push_back(slot);
            break;
        }
    }
    // Each window starts at the lowest relay not yet covered and ends within the relay range.
    std::sort(relays.begin(), relays.end());
    for (const auto& [address, slot] : relays) {
        if (m_windows.empty() || address >= m_windows.back().first + kWindow) {
            RelayWindow window;
            window.first = std::min(address, engine::kLastRelay - (kWindow - 1));
            window.last = readWindow(plc, window.first);
            m_windows.push_back(window);
        }
        RelayWindow& window = m_windows.back();
        const auto j = static_cast<std::size_t>(address - window.first);
        window.recorded[j / 8] |= std::uint64_t{1} << (j % 8 * 8);
        window.slot[j] = slot;
    }
    for (int n = 0; n < engine::kTimerCount; ++n) {
        m_unitLast[static_cast<std::size_t>(timerUnit(n))] = plc.timValue(n);
    }
    for (int n = 0; n < engine::kCounterCount; ++n) {
        m_unitLast[static_cast<std::size_t>(counterUnit(n))] = plc.cntValue(n);
    }
    m_changes.reserve(m_slots.size() + 1);
    m_setChanged = false;
}

void Recorder::startBlock() {
    Block block;
    block.base = m_frame;
    block.snapshot.resize(m_slots.size(), kUnknown);
    for (std::size_t slot = 0; slot < m_slots.size(); ++slot) {
        if (m_slots[slot].present) {
            block.snapshot[slot] = m_slots[slot].value;
        }
    }
    // Blocks are closed only between samples, and one sample writes at most two frames (the last
    // sample of a run of equal steps, then its own), so a block that is not yet full has room
    // for both.
    block.capacity = kBlockBytes + 2 * kMaxFrameBytes;
    block.bytes = std::make_unique<std::uint8_t[]>(block.capacity);
    m_memory += blockMemory(block.capacity, block.snapshot.capacity());
    m_blocks.push_back(std::move(block));
    enforceLimit();
}

void Recorder::closeBlock() {
    Block& block = m_blocks.back();
    auto bytes = std::make_unique<std::uint8_t[]>(block.size);
    std::memcpy(bytes.get(), block.bytes.get(), block.size);
    block.bytes = std::move(bytes);
    m_memory -= block.capacity - block.size;
    block.capacity = block.size;
}

void Recorder::enforceLimit() {
    while (m_memory > m_byteLimit && m_blocks.size() > 1) {
        const Block& oldest = m_blocks.front();
        m_memory -= blockMemory(oldest.capacity, oldest.snapshot.capacity());
        m_blocks.pop_front();
        m_truncated = true;
    }
}

void Recorder::setByteLimit(std::size_t bytes) {
    m_byteLimit = std::max(bytes, kMinByteLimit);
    enforceLimit();
}

std::size_t Recorder::memoryBytes() const {
    return m_memory;
}

std::uint64_t Recorder::firstMs() const {
    return m_blocks.empty() ? 0 : m_blocks.front().base.ms;
}

// Compares every signal with its last value, a window of relays or all timer and counter values
// at once; a done bit can only change with its value.
void Recorder::detectChanges(const engine::Controller& plc) {
    for (RelayWindow& window : m_windows) {
        const std::array<std::uint64_t, 2> now = readWindow(plc, window.first);
        for (std::size_t w = 0; w < now.size(); ++w) {
            std::uint64_t changed = (now[w] ^ window.last[w]) & window.recorded[w];
            while (changed != 0) {
                const auto j = static_cast<std::size_t>(std::countr_zero(changed)) / 8 + w * 8;
                changed &= changed - 1;
                const std::uint32_t slot = window.slot[j];
                m_slots[slot].value ^= 1;
                m_changes.push_back({slot, 0, false});
            }
            window.last[w] = now[w];
        }
    }
    // Extended programs' other bits are few and read one by one.
    for (const std::uint32_t slot : m_bitSlots) {
        if (const int now = m_slots[slot].signal.read(plc); now != m_slots[slot].value) {
            m_slots[slot].value = now;
            m_changes.push_back({slot, 0, false});
        }
    }
    // Words too: a change is stored as the difference to the value before.
    for (const std::uint32_t slot : m_wordSlots) {
        if (const int now = m_slots[slot].signal.read(plc); now != m_slots[slot].value) {
            m_changes.push_back({slot, now - m_slots[slot].value, true});
            m_slots[slot].value = now;
        }
    }

    std::array<std::int16_t, kUnits> now{};
    for (int n = 0; n < engine::kTimerCount; ++n) {
        now[static_cast<std::size_t>(timerUnit(n))] = plc.timValue(n);
    }
    for (int n = 0; n < engine::kCounterCount; ++n) {
        now[static_cast<std::size_t>(counterUnit(n))] = plc.cntValue(n);
    }
    if (now == m_unitLast) {
        return;
    }
    for (std::size_t u = 0; u < now.size(); ++u) {
        const int before = m_unitLast[u];
        const int after = now[u];
        if (before == after) {
            continue;
        }
        if (const std::int32_t slot = m_valueSlot[u]; slot != kNoSlot) {
            m_slots[static_cast<std::size_t>(slot)].value = after;
            m_changes.push_back({static_cast<std::uint32_t>(slot), after - before, true});
        }
        if (const std::int32_t slot = m_doneSlot[u];
            slot != kNoSlot && (before == 0) != (after == 0)) {
            m_slots[static_cast<std::size_t>(slot)].value = after == 0 ? 1 : 0;
            m_changes.push_back({static_cast<std::uint32_t>(slot), 0, false});
        }
    }
    m_unitLast = now;
}

void Recorder::writeFrame(const Point& at) {
    Block& block = m_blocks.back();
    assert(block.size + kMaxFrameBytes <= block.capacity);
    std::uint8_t* const start = block.bytes.get() + block.size;
    std::uint8_t* out = start;
    const std::uint64_t ms = at.ms - m_frame.ms;
    const std::uint64_t scan = at.scan - m_frame.scan;
    const std::uint64_t count = m_changes.size() << 2;
    if (ms == 1 && scan == 1 && m_steps == 1) {
        out = putVarint(out, count | kOneStep);
    } else if (ms == m_steps && scan == m_steps) {
        out = putVarint(out, count | kSteps);
        out = putVarint(out, m_steps);
    } else {
        out = putVarint(out, count | kFull);
        out = putVarint(out, ms);
        out = putVarint(out, scan);
        out = putVarint(out, m_steps);
    }
    for (const SlotChange& change : m_changes) {
        out = putVarint(out, change.slot);
        if (change.number) {
            out = putVarint(out, zigzag(change.delta));
        }
    }
    block.size += static_cast<std::size_t>(out - start);
    m_changes.clear();
    m_frame = at;
    m_steps = 0;
}

void Recorder::sample(const engine::Controller& plc, std::uint64_t ms, std::uint64_t scan) {
    const Point now{ms, scan};
    if (m_blocks.empty()) {
        rebuildProbes(plc);
        m_frame = m_last = now;
        m_steps = 0;
        startBlock();
        ++m_revision;
        return;
    }
    assert(ms >= m_last.ms && scan >= m_last.scan);
    // The samples since the last frame are all one step apart; a sample at another distance
    // first stores the one before it, so that the clock between frames can be read back.
    const Point step{ms - m_last.ms, scan - m_last.scan};
    if (m_steps > 0 && step != m_step) {
        writeFrame(m_last);
    }
    if (m_steps == 0) {
        m_step = step;
    }
    ++m_steps;
    m_last = now;

    detectChanges(plc);
    const bool changed = !m_changes.empty();
    if (changed || m_setChanged) {
        writeFrame(now);
        if (changed) {
            ++m_revision;
        }
    }
    if (m_setChanged || m_blocks.back().size >= kBlockBytes) {
        closeBlock();
        if (m_setChanged) {
            rebuildProbes(plc);
        }
        startBlock();
    }
}

std::size_t Recorder::blockFor(std::uint64_t ms) const {
    const auto after =
        std::upper_bound(m_blocks.begin(), m_blocks.end(), ms,
                         [](std::uint64_t t, const Block& b) { return t < b.base.ms; });
    assert(after != m_blocks.begin());
    return static_cast<std::size_t>(after - m_blocks.begin()) - 1;
}

std::vector<std::int64_t> Recorder::positionsOfSlots() const {
    std::vector<std::int64_t> positions(m_slots.size(), -1);
    for (std::size_t p = 0; p < m_slotOf.size(); ++p) {
        positions[m_slotOf[p]] = static_cast<std::int64_t>(p);
    }
    return positions;
}

std::vector<std::optional<int>> Recorder::valuesAt(std::uint64_t ms) const {
    std::vector<std::optional<int>> values(m_signals.size());
    if (empty() || ms < firstMs() || ms > lastMs()) {
        return values;
    }
    Reader reader(*this, blockFor(ms));
    while (reader.advance(ms)) {
    }
    for (std::size_t p = 0; p < m_signals.size(); ++p) {
        const std::int32_t value = reader.state()[m_slotOf[p]];
        if (value != kUnknown) {
            values[p] = value;
        }
    }
    return values;
}

std::optional<int> Recorder::valueAt(std::size_t position, std::uint64_t ms) const {
    assert(position < m_signals.size());
    return valuesAt(ms)[position];
}

std::optional<std::uint64_t> Recorder::scanAt(std::uint64_t ms) const {
    if (empty() || ms < firstMs() || ms > lastMs()) {
        return std::nullopt;
    }
    Reader reader(*this, blockFor(ms));
    while (reader.advance(ms)) {
    }
    const Point from = reader.point();
    // The samples between `from` and the next stored point are evenly spaced.
    Point to = m_last;
    std::uint64_t steps = m_steps;
    if (!reader.atEnd()) {
        std::tie(to, steps) = reader.upcoming();
    }
    if (steps == 0 || to.ms <= ms) {
        return to.ms <= ms ? to.scan : from.scan;
    }
    const std::uint64_t stepMs = (to.ms - from.ms) / steps;
    const std::uint64_t stepScan = (to.scan - from.scan) / steps;
    assert(stepMs > 0);
    return from.scan + (ms - from.ms) / stepMs * stepScan;
}

void Recorder::forEachChange(std::uint64_t fromMs, std::uint64_t toMs,
                             const ChangeFn& change) const {
    if (empty() || fromMs > lastMs()) {
        return;
    }
    fromMs = std::max(fromMs, firstMs());
    const std::vector<std::int64_t> positions = positionsOfSlots();
    Reader reader(*this, blockFor(fromMs));
    while (reader.advance(fromMs)) {
    }
    while (reader.advance(toMs)) {
        for (const std::uint32_t slot : reader.changed()) {
            if (positions[slot] >= 0) {
                change(reader.point().ms, static_cast<std::size_t>(positions[slot]),
                       reader.state()[slot]);
            }
        }
    }
}

} // namespace rungbox::trace
