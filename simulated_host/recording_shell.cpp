#include "simulated_host/recording_shell.h"

#include <cstdio>
#include <fstream>

#include "simulated_host/platform.h"

namespace SimulatedHost {

RecordingShell::RecordingShell(const std::string& opener) {
    recordFile = createTemporaryFile();
    const std::string program = opener.empty() ? programFolder() + "/record_shell" : opener;
    setEnvironmentVariable("TAMSEL_SHELL_OPENER", program.c_str());
    setEnvironmentVariable("TAMSEL_SHELL_RECORD", recordFile.c_str());
}

RecordingShell::~RecordingShell() {
    setEnvironmentVariable("TAMSEL_SHELL_OPENER", nullptr);
    setEnvironmentVariable("TAMSEL_SHELL_RECORD", nullptr);
    std::remove(recordFile.c_str());
}

std::vector<std::string> RecordingShell::opened() const {
    std::vector<std::string> lines;
    std::ifstream record(recordFile);
    for (std::string line; std::getline(record, line);) lines.push_back(line);
    return lines;
}

}  // namespace SimulatedHost
