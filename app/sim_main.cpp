// rungbox-sim: runs a ladder program file without the window, driven by a script.
//
//   rungbox-sim PROGRAM.PLC [SCRIPT]
//
// The script is read from SCRIPT or, without it, from standard input.

#include "sim/Runner.h"

#include <cerrno>
#include <cstring>
#include <fstream>
#include <iostream>
#include <memory>

int main(int argc, char** argv) {
    using rungbox::sim::Exit::Usage;
    if (argc < 2 || argc > 3) {
        std::cerr << "usage: rungbox-sim PROGRAM.PLC [SCRIPT]\n";
        return Usage;
    }

    // The script is opened first, so that a wrong command line is refused before anything runs.
    std::ifstream scriptFile;
    if (argc == 3) {
        scriptFile.open(argv[2], std::ios::binary);
        if (!scriptFile) {
            std::cerr << "rungbox-sim: cannot read " << argv[2] << ": " << std::strerror(errno)
                      << '\n';
            return Usage;
        }
    }

    // The controller's memory and the grid are large; keep them off the stack.
    auto runner = std::make_unique<rungbox::sim::Runner>(std::cout, std::cerr);
    if (!runner->load(argv[1])) {
        return Usage;
    }
    return runner->run(argc == 3 ? static_cast<std::istream&>(scriptFile) : std::cin);
}
