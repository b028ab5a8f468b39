// rungbox-sim: runs a ladder program file without the window, driven by a script.
//
//   rungbox-sim [--vcd FILE] PROGRAM.PLC [SCRIPT]
//
// The script is read from SCRIPT or, without it, from standard input. With --vcd, every run of
// the script is recorded in simulated time and written to FILE as a VCD file when the script
// ends.

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

int cannotRead(const std::string& what, int error) {
    std::cerr << "rungbox-sim: cannot read " << what << ": " << std::strerror(error) << '\n';
    return rungbox::sim::Exit::Usage;
}

} // namespace

int main(int argc, char** argv) {
    // Standard input read through the C library ends the same way at a read error as at its end;
    // unsynchronised, a read error shows on the stream, and the script fails as a file's does.
    // Set before any other use of the standard streams.
    std::ios::sync_with_stdio(false);

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
