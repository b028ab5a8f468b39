// SPDX-License-Identifier: GPL-3.0-or-later
// rungbox-sim: runs a ladder program file without the window, driven by a script.
//
//   rungbox-sim [OPTIONS] PROGRAM.PLC [SCRIPT]
//   rungbox-sim grade [OPTIONS] SCRIPT PROGRAM.PLC...
//   rungbox-sim compare [OPTIONS] REFERENCE.PLC CANDIDATE.PLC
//   rungbox-sim prove [OPTIONS] PROGRAM.PLC PROPERTIES
//   rungbox-sim pack check DIR | pack publish DIR OUT
//   rungbox-sim grade --pack DIR [OPTIONS] SUBMISSION...
//
// The first form runs one program (RunCommand.cpp), grade grades many (GradeCommand.cpp),
// compare and prove explore every input sequence (src/sim). A first word that names a command
// runs that command (a program file so named is written ./compare). --help and --version print
// to standard output and exit with 0.

#include "SimCommands.h"
#include "sim/CompareCommand.h"
#include "sim/PackCommand.h"
#include "sim/ProveCommand.h"
#include "sim/Runner.h"

#include <cstring>
#include <iostream>
#include <string>
#include <string_view>
#include <vector>

namespace {

constexpr const char* kUsage = "Usage: rungbox-sim [OPTIONS] PROGRAM.PLC [SCRIPT]\n"
                               "       rungbox-sim grade [OPTIONS] SCRIPT PROGRAM.PLC...\n"
                               "       rungbox-sim compare [OPTIONS] REFERENCE.PLC CANDIDATE.PLC\n"
                               "       rungbox-sim prove [OPTIONS] PROGRAM.PLC PROPERTIES\n"
                               "       rungbox-sim pack check|publish DIR [OUT]\n"
                               "       rungbox-sim grade --pack DIR [OPTIONS] SUBMISSION...\n";

void printHelp() {
    std::cout
        << kUsage
        << "Runs a Rungbox ladder program without the window, driven by a script read from\n"
           "SCRIPT or, without it, from standard input. Nothing runs until the script presses\n"
           "the run/stop button.\n"
           "\n"
           "Script commands, one a line (blank lines and lines starting with # are skipped).\n"
           "Where an input N, a relay A or a timer or counter N is taken, a name of the\n"
           "program's names file (NAME.names beside NAME.PLC, or --names) may stand instead:\n"
           "  in N 0|1             input switch N (0 to 15) off or on\n"
           "  scan [K]             K scans (default 1)\n"
           "  tick [K]             K ticks of the timer-tick timer (default 1)\n"
           "  wait MS              MS milliseconds of simulated time\n"
           "  press                the run/stop button\n"
           "  show                 print the lamps and the timer and counter displays\n"
           "  relay A              print relay A (0 to 20000)\n"
           "  list                 print the program's code lines\n"
           "  ladder               print the ladder diagram as text (power marked in a run)\n"
           "  trace A              record relay A too (with --vcd)\n"
           "  save FILE            File > Save As to FILE (while stopped)\n"
           "  expect relay A 0|1   check relay A\n"
           "  expect in DIGITS     check the 16 input lamps (lamp 0 first)\n"
           "  expect out DIGITS    check the 16 output lamps (lamp 0 first)\n"
           "  expect tim N TEXT    check timer display N (0 to 7), e.g. 2.5\n"
           "  expect cnt N TEXT    check counter display N (0 to 7), e.g. 12\n"
           "  expect plant W V     check word W=V of the machine's state line\n"
           "  module none|gate|conveyor|motor|tank|traffic|carpark\n"
           "                       the Module menu (while stopped)\n"
           "  plant                print the chosen machine's state line\n"
           "  gate button|stop [1|0], conveyor start|stop [1|0]\n"
           "                       press a machine's push-button (1 hold, 0 release)\n"
           "  gate car 1|0         a car arrives at the gate, or drives away\n"
           "  MODULE CONTROL [1|0] work the motor's, tank's, traffic's or carpark's control:\n"
           "                       a push-button (1 hold, 0 release), a switch (1 on, 0 off)\n"
           "  test NAME [P] [hidden]  start test NAME worth P points (default 1); the expect\n"
           "                       lines up to the next test are its checks. A failed check\n"
           "                       fails its test and the script goes on. A hidden test\n"
           "                       shows only whether it passed\n"
           "Extended programs (version 2.00) also take bits in the notation (10.00, W1.00,\n"
           "HR0.05) wherever a relay A is taken, and data words W (DM0100, HR2, W3, 10,\n"
           "TIM 3 ...) with values V #0000 to #FFFF or &0 to &65535:\n"
           "  show W               print word W in hexadecimal and decimal\n"
           "  set dm N V           load DM N (0 to 1023, read-only 6144 to 6599) with V\n"
           "  set word W V         write word W as the user does\n"
           "  expect word W V      check word W\n"
           "\n"
           "Exit status:\n"
           "  0  the script ran to its end\n"
           "  1  wrong command line, script line not understood, script not read, file not\n"
           "     loaded, save failed, VCD file or standard output not written\n"
           "  2  a press could not start the run\n"
           "  3  a program error stopped the run\n"
           "  4  an expect line did not read what it expected, or a test failed\n"
           "\n"
           "Options:\n"
           "  --vcd FILE  record every run in simulated time; write FILE (VCD) at the end\n"
           "  --tap FILE, --junit FILE, --json FILE, --csv FILE\n"
           "              write the tests as TAP 13, JUnit XML, Gradescope JSON or CSV; FILE -\n"
           "              is standard output (the script's printing then goes to standard error)\n"
           "  --test NAME report, and take the exit status from, test NAME only\n"
           "  --names FILE  take the names from FILE instead of the names file beside the\n"
           "              program (with grade: the names of every program)\n"
           "\n"
           "grade runs SCRIPT on each PROGRAM in a fresh session and prints a line per program\n"
           "with its points and first failure (exit status 0 when every program passed every\n"
           "test, 4 otherwise). It takes the report options and --test, and:\n"
           "  --jobs N    run N programs at once (default: one per core)\n"
           "  --vcd-dir DIR  write each failing program's run to DIR as NN-NAME.vcd\n"
           "A program file named grade is given as ./grade.\n"
           "\n"
        << rungbox::sim::kGradePackHelp
        << "\n"
           "  --help      show this help and exit\n"
           "  --version   show the version and exit\n"
           "\n"
           "compare and prove explore every input sequence; see rungbox-sim compare --help\n"
           "and rungbox-sim prove --help. pack checks and publishes an exercise pack; see\n"
           "rungbox-sim pack --help.\n"
           "\n"
           "See rungbox-sim(1).\n";
}

int runCommandLine(int argc, char** argv);

} // namespace

int main(int argc, char** argv) {
    // Standard input read through the C library ends the same way at a read error as at its end;
    // unsynchronised, a read error shows on the stream, and the script fails as a file's does.
    // Set before any other use of the standard streams.
    std::ios::sync_with_stdio(false);

    const int status = runCommandLine(argc, argv);
    // Output that could not be written (a full disk, a closed pipe) is a failure like any
    // other: the caller reads the results from it. The stream fails at its first lost write
    // and tries no more, so the operating system's reason is long gone by now.
    if (!std::cout.flush()) {
        std::cerr << "rungbox-sim: cannot write the standard output\n";
        return status == rungbox::sim::Exit::Ok ? rungbox::sim::Exit::Usage : status;
    }
    return status;
}

namespace {

int runCommandLine(int argc, char** argv) {
    if (argc == 2 && std::strcmp(argv[1], "--help") == 0) {
        printHelp();
        return rungbox::sim::Exit::Ok;
    }
    if (argc == 2 && std::strcmp(argv[1], "--version") == 0) {
        std::cout << "rungbox-sim " << RUNGBOX_VERSION << '\n';
        return rungbox::sim::Exit::Ok;
    }
    if (argc >= 2 && std::string_view(argv[1]) == "compare") {
        return rungbox::sim::compareCommand({argv + 2, argv + argc}, std::cout, std::cerr);
    }
    if (argc >= 2 && std::string_view(argv[1]) == "prove") {
        return rungbox::sim::proveCommand({argv + 2, argv + argc}, std::cout, std::cerr);
    }
    if (argc >= 2 && std::string_view(argv[1]) == "pack") {
        return rungbox::sim::packCommand({argv + 2, argv + argc}, std::cout, std::cerr);
    }
    if (argc >= 2 && std::string_view(argv[1]) == "grade") {
        return gradeCommand(std::vector<std::string>(argv + 2, argv + argc));
    }
    return runCommand(std::vector<std::string>(argv + 1, argv + argc));
}

} // namespace
