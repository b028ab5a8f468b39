// SPDX-License-Identifier: GPL-3.0-or-later
// rungbox-sim: runs a ladder program file without the window, driven by a script.
//
//   rungbox-sim [--vcd FILE] PROGRAM.PLC [SCRIPT]
//
// The script is read from SCRIPT or, without it, from standard input. With --vcd, every run of
// the script is recorded in simulated time and written to FILE as a VCD file when the script
// ends. --help and --version print to standard output and exit with 0.

#include "sim/Runner.h"

#include <cerrno>
#include <cstring>
#include <fstream>
#include <iostream>
#include <memory>
#include <string>
#include <string_view>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// A folder opens as a stream that reads as empty, which would pass for an empty script.
bool isDirectory(int fd) {
    struct stat info {};
    return fstat(fd, &info) == 0 && S_ISDIR(info.st_mode);
}

constexpr const char* kUsage = "Usage: rungbox-sim [--vcd FILE] PROGRAM.PLC [SCRIPT]\n";

void printHelp() {
    std::cout
        << kUsage
        << "Runs a Rungbox ladder program without the window, driven by a script read from\n"
           "SCRIPT or, without it, from standard input. Nothing runs until the script presses\n"
           "the run/stop button.\n"
           "\n"
           "Script commands, one a line (blank lines and lines starting with # are skipped):\n"
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
           "  module none|gate|conveyor   the Module menu (while stopped)\n"
           "  plant                print the chosen machine's state line\n"
           "  gate button|stop [1|0], conveyor start|stop [1|0]\n"
           "                       press a machine's push-button (1 hold, 0 release)\n"
           "  gate car 1|0         a car arrives at the gate, or drives away\n"
           "\n"
           "Exit status:\n"
           "  0  the script ran to its end\n"
           "  1  wrong command line, script line not understood, script not read, file not\n"
           "     loaded, save failed, VCD file or standard output not written\n"
           "  2  a press could not start the run\n"
           "  3  a program error stopped the run\n"
           "  4  an expect line did not read what it expected\n"
           "\n"
           "Options:\n"
           "  --vcd FILE  record every run in simulated time; write FILE (VCD) at the end\n"
           "  --help      show this help and exit\n"
           "  --version   show the version and exit\n"
           "\n"
           "See rungbox-sim(1).\n";
}

int cannotRead(const std::string& what, int error) {
    std::cerr << "rungbox-sim: cannot read " << what << ": " << std::strerror(error) << '\n';
    return rungbox::sim::Exit::Usage;
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
    std::string vcdPath;
    if (argc >= 3 && std::string_view(argv[1]) == "--vcd") {
        vcdPath = argv[2];
        argv += 2;
        argc -= 2;
    }
    if (argc < 2 || argc > 3) {
        std::cerr << "usage: rungbox-sim [--vcd FILE] PROGRAM.PLC [SCRIPT]\n";
        return rungbox::sim::Exit::Usage;
    }

    // The script is opened first, so that a wrong command line is refused before anything runs.
    std::ifstream scriptFile;
    if (argc == 3) {
        const int fd = open(argv[2], O_RDONLY | O_CLOEXEC);
        if (fd < 0) {
            return cannotRead(argv[2], errno);
        }
        const bool folder = isDirectory(fd);
        close(fd);
        if (folder) {
            return cannotRead(argv[2], EISDIR);
        }
        scriptFile.open(argv[2], std::ios::binary);
        if (!scriptFile) {
            return cannotRead(argv[2], errno);
        }
    } else if (isDirectory(STDIN_FILENO)) {
        return cannotRead("the script", EISDIR);
    }

    // The controller's memory and the grid are large; keep them off the stack.
    auto runner = std::make_unique<rungbox::sim::Runner>(std::cout, std::cerr);
    if (!runner->load(argv[1])) {
        return rungbox::sim::Exit::Usage;
    }
    if (!vcdPath.empty()) {
        runner->recordRuns();
    }
    const int status = runner->run(argc == 3 ? static_cast<std::istream&>(scriptFile) : std::cin);
    if (!vcdPath.empty() && !runner->writeVcd(vcdPath) && status == rungbox::sim::Exit::Ok) {
        return rungbox::sim::Exit::Usage;
    }
    return status;
}

} // namespace
