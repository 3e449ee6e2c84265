#include "simulated_host/recording_shell.h"

#include <stdlib.h>
#include <unistd.h>

#include <cstdio>
#include <fstream>

#include "simulated_host/platform.h"

namespace SimulatedHost {

RecordingShell::RecordingShell(const std::string& opener) {
    char name[] = "/tmp/recording_shell_XXXXXX";
    const int file = mkstemp(name);
    if (file >= 0) close(file);
    recordFile = name;
    const std::string program = opener.empty() ? programFolder() + "/record_shell" : opener;
    setenv("TAMSEL_SHELL_OPENER", program.c_str(), 1);
    setenv("TAMSEL_SHELL_RECORD", recordFile.c_str(), 1);
}

RecordingShell::~RecordingShell() {
    unsetenv("TAMSEL_SHELL_OPENER");
    unsetenv("TAMSEL_SHELL_RECORD");
    std::remove(recordFile.c_str());
}

std::vector<std::string> RecordingShell::opened() const {
    std::vector<std::string> lines;
    std::ifstream record(recordFile);
    for (std::string line; std::getline(record, line);) lines.push_back(line);
    return lines;
}

}  // namespace SimulatedHost
