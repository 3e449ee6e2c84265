// The shell as tests see it: the module's shell calls open nothing but are
// recorded. While a RecordingShell exists, the module's shell call runs the
// program record_shell (built beside the tests) instead of the system's
// opener (xdg-open on POSIX, the file browser on Windows); record_shell
// appends what it was asked to open, one line each, to a record file: on
// POSIX the opener's argument, on Windows the browser's command line.
#ifndef SIMULATED_HOST_RECORDING_SHELL_H
#define SIMULATED_HOST_RECORDING_SHELL_H

#include <string>
#include <vector>

namespace SimulatedHost {

class RecordingShell {
public:
    /// `opener`: the program that stands in for xdg-open; by default
    /// record_shell beside the running program.
    explicit RecordingShell(const std::string& opener = "");
    /// Restores the real opener and removes the record.
    ~RecordingShell();
    RecordingShell(const RecordingShell&) = delete;
    RecordingShell& operator=(const RecordingShell&) = delete;

    /// What the shell was asked to open, in order.
    std::vector<std::string> opened() const;

private:
    std::string recordFile;
};

}  // namespace SimulatedHost

#endif
