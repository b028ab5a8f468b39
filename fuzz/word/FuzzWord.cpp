// SPDX-License-Identifier: GPL-3.0-or-later
// Any text typed as a word operand of an extended program's word instruction (a cell the user
// types, a file or a share link carries). Whatever it says, an operand read is a valid word or a
// constant, its text reads back to the same operand, a word's bits lie in its area, and a word
// names a timing signal that reads back from its own name.
//
// Input: the cell's text, as bytes.

#include "FuzzSupport.h"

#include "engine/WordAddress.h"
#include "trace/Signal.h"

#include <string_view>

using namespace rungbox;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const auto operand = engine::parseWordOperand(text);
    const auto address = engine::parseWordAddress(text);
    fuzz::require(!address || (operand && !operand->constant && operand->address == *address),
                  "a word address is a word operand");
    if (!operand) {
        return 0;
    }
    fuzz::require(engine::parseWordOperand(engine::wordOperandText(*operand)) == operand,
                  "an operand's text reads back to it");
    if (operand->constant) {
        fuzz::require(engine::hexWordText(operand->value).size() == 5, "a constant is #XXXX");
        return 0;
    }
    const engine::WordAddress word = operand->address;
    fuzz::require(word.valid(), "a word read is valid");
    fuzz::require(engine::parseWordAddress(engine::wordAddressText(word)) == word,
                  "a word's text reads back to it");
    if (word.ofBits()) {
        for (int b = 0; b < 16; ++b) {
            fuzz::require(word.bitOf(b).valid(), "a word's bits are valid");
        }
    }
    const trace::Signal signal = trace::wordSignal(word);
    fuzz::require(signal.valid() && trace::parseWordSignal(signal.name()) == signal,
                  "a word's signal reads back from its name");
    return 0;
}
