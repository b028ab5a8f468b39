// SPDX-License-Identifier: GPL-3.0-or-later
#include "ScanCode.h"

#include <cassert>
#include <cstring>
#include <utility>
#include <vector>

#if defined(__x86_64__) && (defined(__linux__) || defined(__APPLE__) || defined(__FreeBSD__))
#define RUNGBOX_SCAN_CODE 1
#include <sys/mman.h>
#include <unistd.h>
#endif

namespace rungbox::engine {

ScanCode::~ScanCode() {
    release();
}

ScanCode::ScanCode(ScanCode&& other) noexcept
    : m_memory(std::exchange(other.m_memory, nullptr)), m_size(std::exchange(other.m_size, 0)),
      m_mapped(std::exchange(other.m_mapped, 0)), m_entry(std::exchange(other.m_entry, nullptr)) {}

ScanCode& ScanCode::operator=(ScanCode&& other) noexcept {
    if (this != &other) {
        release();
        m_memory = std::exchange(other.m_memory, nullptr);
        m_size = std::exchange(other.m_size, 0);
        m_mapped = std::exchange(other.m_mapped, 0);
        m_entry = std::exchange(other.m_entry, nullptr);
    }
    return *this;
}

#ifdef RUNGBOX_SCAN_CODE

namespace {

// x86-64, System V calling convention. Registers while the code runs:
//   rbx  the byte array `mem`      r12  the tail function's context
//   r13d the result register R     eax  the byte just read
// rbx, r12 and r13 are callee-saved, so they survive the calls of the tail function.
class Emitter {
public:
    std::vector<std::uint8_t> code;

    void bytes(std::initializer_list<std::uint8_t> list) { code.insert(code.end(), list); }
    void u32(std::uint32_t value) {
        for (int i = 0; i < 4; ++i) {
            code.push_back(static_cast<std::uint8_t>(value >> (8 * i)));
        }
    }
    void u64(std::uint64_t value) {
        u32(static_cast<std::uint32_t>(value));
        u32(static_cast<std::uint32_t>(value >> 32));
    }

    void prologue() {
        bytes({0x53});             // push rbx
        bytes({0x41, 0x54});       // push r12
        bytes({0x41, 0x55});       // push r13   (three pushes: rsp is 16-byte aligned again)
        bytes({0x48, 0x89, 0xFB}); // mov rbx, rdi
        bytes({0x49, 0x89, 0xF4}); // mov r12, rsi
        bytes({0x45, 0x31, 0xED}); // xor r13d, r13d
    }
    void returnValue(std::uint32_t value) {
        bytes({0xB8}); // mov eax, imm32
        u32(value);
        bytes({0x41, 0x5D}); // pop r13
        bytes({0x41, 0x5C}); // pop r12
        bytes({0x5B});       // pop rbx
        bytes({0xC3});       // ret
    }

    // mem[address] = R ^ invert
    void write(std::uint16_t address, bool invert) {
        if (invert) {
            bytes({0x44, 0x89, 0xE8}); // mov eax, r13d
            bytes({0x83, 0xF0, 0x01}); // xor eax, 1
            bytes({0x88, 0x83});       // mov [rbx + disp32], al
        } else {
            bytes({0x44, 0x88, 0xAB}); // mov [rbx + disp32], r13b
        }
        u32(address);
    }

    // R = R <combine> (mem[address] ^ negated)
    void contact(std::uint16_t address, Combine combine, bool negated) {
        bytes({0x0F, 0xB6, 0x83}); // movzx eax, byte [rbx + disp32]
        u32(address);
        if (negated) {
            bytes({0x83, 0xF0, 0x01}); // xor eax, 1
        }
        switch (combine) {
        case Combine::Load:
            bytes({0x41, 0x89, 0xC5}); // mov r13d, eax
            break;
        case Combine::And:
            bytes({0x41, 0x21, 0xC5}); // and r13d, eax
            break;
        case Combine::Or:
            bytes({0x41, 0x09, 0xC5}); // or r13d, eax
            break;
        case Combine::Keep:
            break;
        }
    }

    // tail(context, step, R)
    void callTail(ScanCode::TailFn tail, const Step* step) {
        bytes({0x4C, 0x89, 0xE7}); // mov rdi, r12
        bytes({0x48, 0xBE});       // mov rsi, imm64
        u64(reinterpret_cast<std::uintptr_t>(step));
        bytes({0x44, 0x89, 0xEA}); // mov edx, r13d
        bytes({0x48, 0xB8});       // mov rax, imm64
        u64(reinterpret_cast<std::uintptr_t>(tail));
        bytes({0xFF, 0xD0}); // call rax
    }
};

ScanCode::TailFn tailFunction(const ScanCode::Tails& tails, OpCode op) {
    assert(opInfo(op).tail);
    const ScanCode::TailFn tail = tails[static_cast<std::size_t>(op)];
    assert(tail != nullptr);
    return tail;
}

// The last step of a program is END or an invalid line, both of which return; code that ran
// past it would execute whatever follows in memory. ud2 stops the process there instead.
void trapPastTheEnd(Emitter& out) {
    out.bytes({0x0F, 0x0B}); // ud2
}

} // namespace

ScanCode ScanCode::generate(const FusedProgram& program, const Tails& tails) {
    Emitter out;
    out.prologue();
    const auto& ops = program.ops();
    std::size_t next = 0;
    for (const FusedSegment& segment : program.segments()) {
        for (; next < segment.opEnd; ++next) {
            const FusedOp& op = ops[next];
            if (op.write != kScratchByte) {
                out.write(op.write, op.invert != 0);
            }
            const auto combine = static_cast<Combine>(op.kind & 3U);
            if (combine != Combine::Keep) {
                out.contact(op.read, combine, (op.kind & kNegatedKind) != 0);
            }
        }
        const Step& step = segment.tail;
        if (step.op == OpCode::Invalid) {
            out.returnValue(static_cast<std::uint32_t>(step.line));
            break;
        }
        out.callTail(tailFunction(tails, step.op), &step);
        if (step.op == OpCode::End) {
            out.returnValue(0);
            break;
        }
    }
    assert(next == ops.size() && "the last segment ends the program");
    trapPastTheEnd(out);

    // Written while writable, then switched to executable: never both at once.
    const auto page = static_cast<std::size_t>(sysconf(_SC_PAGESIZE));
    const std::size_t mapped = (out.code.size() + page - 1) / page * page;
    void* memory =
        mmap(nullptr, mapped, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
    if (memory == MAP_FAILED) {
        return {};
    }
    std::memcpy(memory, out.code.data(), out.code.size());
    if (mprotect(memory, mapped, PROT_READ | PROT_EXEC) != 0) {
        munmap(memory, mapped);
        return {};
    }
    ScanCode code;
    code.m_memory = memory;
    code.m_size = out.code.size();
    code.m_mapped = mapped;
    code.m_entry = reinterpret_cast<Entry>(memory);
    return code;
}

void ScanCode::release() {
    if (m_memory != nullptr) {
        munmap(m_memory, m_mapped);
    }
    m_memory = nullptr;
    m_size = 0;
    m_mapped = 0;
    m_entry = nullptr;
}

#else

ScanCode ScanCode::generate(const FusedProgram&, const Tails&) {
    return {};
}

void ScanCode::release() {}

#endif

} // namespace rungbox::engine
