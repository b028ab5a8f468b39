// SPDX-License-Identifier: GPL-3.0-or-later
// rungbox-sim scripts on an extended program: every place that takes a relay takes the bits of
// the notation too, forces reach every bit area, and the waveform file names the new areas' bits
// by their address text.

#include "editor/CodeGrid.h"
#include "engine/BitAddress.h"
#include "names/NamesFile.h"
#include "sim/Runner.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>

namespace rungbox::test {
namespace {

// Switch 0 sets W0.00, which sets HR1.05, which lights output 10.00; switch 1 drives TR0 and
// output 10.01 through it; W1.00 lights output 10.02.
const char* const kProgram[][2] = {
    {"LD", "0.00"},   {"OUT", "W0.00"}, {"LD", "W0.00"}, {"SET", "HR1.05"}, {"LD", "HR1.05"},
    {"OUT", "10.00"}, {"LD", "0.01"},   {"OUT", "TR0"},  {"LD", "TR0"},     {"OUT", "10.01"},
    {"LD", "W1.00"},  {"OUT", "10.02"}, {"END", ""},
};

editor::CodeGrid extendedGrid() {
    editor::CodeGrid grid;
    grid.setInstructionSet(engine::InstructionSet::Extended);
    int row = 1;
    for (const auto& [code, location] : kProgram) {
        grid.setText(row, editor::kCodeCol, code);
        grid.setText(row, editor::kLocationCol, location);
        ++row;
    }
    return grid;
}

struct SimRun {
    std::ostringstream out;
    std::ostringstream err;
    sim::Runner runner{out, err};

    explicit SimRun(const std::string& names = "") {
        runner.loadProgram(extendedGrid());
        runner.useNames(names::readNamesFile(names, engine::InstructionSet::Extended).table);
    }
    int script(const std::string& text) {
        std::istringstream in(text);
        return runner.run(in);
    }
};

TEST(ExtendedScript, BitCommandsTakeTheNotationAndForceEveryArea) {
    struct Row {
        const char* script;
        const char* printed;
    };
    const Row rows[] = {
        // Every spelling of one relay is that relay; W, HR and TR read in their notation.
        {"press\nin 0 1\nscan 2\nexpect relay W0.00 1\nexpect relay HR1.05 1\n"
         "expect relay 10.00 1\nexpect relay 1000 1\nexpect relay IR10.00 1\nrelay H1.05\n",
         "relay HR1.05 = 1\n"},
        // HR keeps its state when the switch goes off; a force of HR holds it off.
        {"press\nin 0 1\nscan 2\nin 0 0\nscan 1\nexpect relay HR1.05 1\nforce HR1.05 0\nscan 1\n"
         "expect relay 10.00 0\nrelay 10.00\n",
         "relay 10.00 = 0\n"},
        // A forced input bit drives TR0 and the output through it.
        {"press\nforce 0.01 1\nscan 1\nexpect relay TR0 1\nrelay 10.01\nunforce 0.01\nscan 1\n"
         "relay TR0\n",
         "relay 10.01 = 1\nrelay TR0 = 0\n"},
        // A forced work bit reads as forced at once, and lights its output at the next scan.
        {"press\nforce W1.00 1\nrelay W1.00\nscan 1\nexpect relay 10.02 1\n", "relay W1.00 = 1\n"},
        // Names stand for the new areas' bits; the special relays' names are read as addresses.
        {"press\nin 0 1\nscan 2\nexpect relay LATCH 1\nrelay P_On\nrelay LAMP\n",
         "relay 253.13 = 1\nrelay 10.00 = 1\n"},
    };
    for (const Row& row : rows) {
        SimRun run("HR1.05\tLATCH\n1000\tLAMP\n");
        EXPECT_EQ(run.script(row.script), 0) << row.script << run.err.str();
        EXPECT_EQ(run.out.str(), row.printed) << row.script;
    }
}

// A bit of each area reads as its workspace byte in an extended program's script; a classic
// program's script refuses the notation, as it always has.
TEST(ExtendedScript, BitsOfEveryAreaReadAsTheirWorkspaceByte) {
    const engine::InstructionSet extended = engine::InstructionSet::Extended;
    const struct {
        const char* word;
        engine::BitAddress address;
    } rows[] = {
        // The spellings are the engine's (its notation tests hold them all): one for each area.
        {"10.00", {engine::Area::Relay, 1000}},  {"W0.00", {engine::Area::Work, 0}},
        {"H1.05", {engine::Area::Holding, 105}}, {"AR0.00", {engine::Area::Auxiliary, 0}},
        {"TR7", {engine::Area::Temporary, 7}},   {"P_On", {engine::Area::Relay, 25313}},
    };
    for (const auto& row : rows) {
        for (const std::string& line :
             {std::string("relay ") + row.word, std::string("force ") + row.word + " 1",
              std::string("expect relay ") + row.word + " 0"}) {
            const sim::ScriptLine read = sim::parseScriptLine(line, extended);
            ASSERT_EQ(read.kind, sim::ScriptLine::Kind::Command) << line << ": " << read.error;
            EXPECT_EQ(read.command.number, engine::workspaceByte(row.address)) << line;
            EXPECT_EQ(read.command.address, engine::bitAddressText(row.address)) << line;
            EXPECT_EQ(sim::parseScriptLine(line).kind, sim::ScriptLine::Kind::Error) << line;
        }
    }
    for (const char* line : {"relay TIM 3", "relay C3", "force HR20.00 1", "relay W1.16",
                             "expect tim 128 0.0", "expect cnt 200 1"}) {
        EXPECT_EQ(sim::parseScriptLine(line, extended).kind, sim::ScriptLine::Kind::Error) << line;
    }
    for (const char* line : {"expect tim 12 999.9", "expect cnt 127 5"}) {
        EXPECT_EQ(sim::parseScriptLine(line, extended).kind, sim::ScriptLine::Kind::Command)
            << line;
        EXPECT_EQ(sim::parseScriptLine(line).kind, sim::ScriptLine::Kind::Error) << line;
    }
}

std::string readCase(const std::string& name) {
    std::ifstream in(std::string(RUNGBOX_SIM_CASES) + "/" + name);
    EXPECT_TRUE(in) << name;
    return {std::istreambuf_iterator<char>(in), {}};
}

// The extended case of rungbox-sim's cases, on the same program built here: the case's program
// file holds it as version 2.00.
TEST(ExtendedScript, TheExtendedCasePrintsWhatItExpects) {
    SimRun run(readCase("extended_areas.names"));
    const std::string expected = readCase("extended_areas.expected");
    EXPECT_EQ(run.script(readCase("extended_areas.script")), 0) << run.err.str();
    EXPECT_EQ("exit 0\n" + run.out.str(), expected);
}

// Reading a script again for an extended program keeps its tests as the first reading declared
// them: a repeated test name stays refused (the fuzz target's seed of test lines found this).
TEST(ExtendedScript, ReadingAgainKeepsTheDeclaredTests) {
    std::istringstream in("test a 2\nexpect relay W0.00 0\ntest a\ntest b\n");
    const sim::Script first = sim::readScript(in);
    names::NameTable extended;
    extended.setInstructionSet(engine::InstructionSet::Extended);
    const sim::Script again = sim::rereadScript(first, extended);
    ASSERT_EQ(again.tests.size(), 2U);
    ASSERT_EQ(again.steps.size(), 4U);
    EXPECT_EQ(again.steps[1].line.kind, sim::ScriptLine::Kind::Command); // W0.00 now reads
    EXPECT_EQ(again.steps[2].line.kind, sim::ScriptLine::Kind::Error);
    EXPECT_EQ(again.steps[3].line.command.name, "b");
}

TEST(ExtendedScript, AFailedExpectationNamesTheBitInTheNotation) {
    SimRun run;
    EXPECT_NE(run.script("press\nscan 1\nexpect relay HR1.05 1\n"), 0);
    EXPECT_NE(run.err.str().find("relay HR1.05"), std::string::npos) << run.err.str();
}

TEST(ExtendedScript, TheWaveformFileNamesTheNewAreasBitsByTheirAddressText) {
    SimRun run;
    run.runner.recordRuns();
    ASSERT_EQ(run.script("trace W0.00\ntrace HR1.05\ntrace TR0\ntrace 10.00\npress\nscan 1\n"
                         "in 0 1\nscan 2\nin 1 1\nscan 1\nin 0 0\nin 1 0\nscan 2\npress\n"),
              0)
        << run.err.str();
    const std::string path =
        (std::filesystem::temp_directory_path() / "rungbox-extended-test.vcd").string();
    ASSERT_TRUE(run.runner.writeVcd(path));
    std::ifstream written(path);
    const std::string vcd{std::istreambuf_iterator<char>(written), {}};
    std::filesystem::remove(path);
    std::ifstream golden(std::string(RUNGBOX_SIM_GOLDEN) + "/extended.vcd");
    EXPECT_EQ(vcd, std::string(std::istreambuf_iterator<char>(golden), {}));
}

} // namespace
} // namespace rungbox::test
